#include "ui/best_times_window.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

#include "ui/fonts.h"
#include "ui/window_look.h"

namespace lumitile {

namespace {

QFont TableFont() {
  QFont font;
  font.setFamilies(GothicFamilies());
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(12);
  font.setWeight(QFont::Normal);
  return font;
}

// The time box is three digits of the original face wide; a face with wider
// digits is narrowed just enough that the time is not cut.
void FitTime(QLabel* label, const QString& text) {
  QFont font = TableFont();
  const int width = QFontMetrics(font).horizontalAdvance(text);
  if (width > label->width()) {
    // Glyph widths round to whole pixels, so the first guess may miss by one.
    int stretch = label->width() * 100 / width;
    font.setStretch(stretch);
    while (stretch > 25 && QFontMetrics(font).horizontalAdvance(text) > label->width()) font.setStretch(--stretch);
  }
  label->setFont(font);
  label->setText(text);
}

// The name keeps its padding to 20 characters, as stored; a name too wide
// for its box ends in "…" instead of a glyph cut in half, and the full name
// is the label's tooltip.
void FitName(QLabel* label, const QString& name) {
  QString shown = name;
  while (shown.endsWith(QLatin1Char(' '))) shown.chop(1);
  const QFontMetrics metrics(label->font());
  if (metrics.horizontalAdvance(shown) <= label->width()) {
    label->setText(name);
    label->setToolTip({});
    return;
  }
  label->setText(metrics.elidedText(shown, Qt::ElideRight, label->width()));
  // A tooltip that looks like markup is drawn as markup; a name is only text.
  label->setToolTip(Qt::mightBeRichText(shown) ? QStringLiteral("<qt>%1</qt>").arg(shown.toHtmlEscaped())
                                               : shown);
}

}  // namespace

BestTimesWindow::BestTimesWindow(QWidget* parent) : QWidget(parent, kToolWindowFlags) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("ハイスコア"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(SmallDialogFont());
  setFixedSize(258, 126);

  const QFont font = TableFont();
  const std::array<QString, 3> captions{QStringLiteral("初級："), QStringLiteral("中級："),
                                        QStringLiteral("上級：")};
  // The names the rows have always had: the advanced caption came last.
  const std::array<QString, 3> captionNames{QStringLiteral("Label1"), QStringLiteral("Label2"),
                                            QStringLiteral("Label4")};
  const std::array<QString, 3> unitNames{QStringLiteral("Label5"), QStringLiteral("Label6"),
                                         QStringLiteral("Label7")};
  for (int level = 0; level < 3; ++level) {
    const auto i = static_cast<std::size_t>(level);
    const int top = 18 + 27 * level;
    AddLabel(this, captionNames[i], captions[i], {15, top, 40, 16})->setFont(font);
    times_[i] = AddLabel(this, QStringLiteral("Label3(%1)").arg(level), {}, {69, top, 24, 16});
    FitTime(times_[i], QStringLiteral("999"));
    AddLabel(this, unitNames[i], QStringLiteral("秒"), {96, top, 16, 16})->setFont(font);
    names_[i] = AddLabel(this, QStringLiteral("Label8(%1)").arg(level), QStringLiteral("名前なし"),
                         {135, top, 112, 16});
    names_[i]->setFont(font);
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(192, 99, 43, 19);
  // Return or Enter presses it while it has the focus.
  ok->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  ok->setFocus();
}

void BestTimesWindow::Fill(const std::array<BestTimeRow, 3>& rows) {
  for (std::size_t level = 0; level < rows.size(); ++level) {
    FitTime(times_[level], QString::number(rows[level].Seconds));
    FitName(names_[level], QString::fromStdString(rows[level].Name));
  }
}

void BestTimesWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace lumitile
