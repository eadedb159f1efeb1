#include "ui/best_times_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>

#include "ui/layout.h"
#include "ui/window_look.h"

namespace lumitile {

namespace {

// The time box is as wide as the longest time of its level in the original
// face; a face with wider digits is narrowed just enough that the time is
// not cut.
void FitTime(QLabel* label, const QString& text) {
  QFont font = MakeFont(look::kTableFont);
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

// Seconds as the level's clock shows them: a plain count at the first three
// levels, m:ss at the added ones.
QString TimeText(int level, int32_t seconds) {
  if (!CountsMinutes(level)) return QString::number(seconds);
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
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

BestTimesWindow::BestTimesWindow(QWidget* parent) : QWidget(parent, look::kToolWindowFlags) {
  const WindowLayout& layout = BestTimesLayout();
  SetUpSideWindow(this, layout, tr("ハイスコア"));

  const auto label = [this, &layout](const QString& name, const QString& text) {
    return AddLabel(this, name, text, layout.Place(name));
  };
  const QFont font = MakeFont(look::kTableFont);
  const std::array<QString, kLevelCount> captions{tr("初級："), tr("中級："), tr("上級："), tr("超上級："), tr("達人："),
                                                  tr("名人：")};
  // The names the rows have always had: the advanced caption came last.
  const std::array<QString, kLevelCount> captionNames{QStringLiteral("Label1"), QStringLiteral("Label2"),
                                                      QStringLiteral("Label4"), QStringLiteral("Label9"),
                                                      QStringLiteral("Label10"), QStringLiteral("Label13")};
  // The seconds' unit of the first three levels; the added ones read m:ss.
  const std::array<QString, kFirstAddedLevel> unitNames{QStringLiteral("Label5"), QStringLiteral("Label6"),
                                                        QStringLiteral("Label7")};
  for (std::size_t i = 0; i < kLevelCount; ++i) {
    const int level = static_cast<int>(i);
    label(captionNames[i], captions[i])->setFont(font);
    times_[i] = label(QStringLiteral("Label3(%1)").arg(i), {});
    FitTime(times_[i], TimeText(level, NoRecord(level)));
    if (!CountsMinutes(level)) label(unitNames[i], tr("秒"))->setFont(font);
    names_[i] = label(QStringLiteral("Label8(%1)").arg(i), NoNameText());
    names_[i]->setFont(font);
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setGeometry(layout.Place(ok->objectName()));
  // Return or Enter presses it while it has the focus.
  ok->setAutoDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  ok->setFocus();
  CloseOnEscape(this);
}

void BestTimesWindow::Fill(const std::array<BestTimeRow, kLevelCount>& rows) {
  for (std::size_t level = 0; level < rows.size(); ++level) {
    FitTime(times_[level], TimeText(static_cast<int>(level), rows[level].Seconds));
    FitName(names_[level], ShownName(QString::fromStdString(rows[level].Name)));
  }
}

}  // namespace lumitile
