// The about window and the help viewer: what they show, that each opens once
// however often it is asked for, and that a missing help document is told in
// the viewer while the game goes on. Also that the help document itself
// still names every menu entry the game has.
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "aux_windows_rig.h"
#include "game/data_files.h"
#include "view_rig.h"

namespace lumitile::testing {
namespace {

const std::filesystem::path kAssets = std::filesystem::path(LUMITILE_SOURCE_DIR) / "assets";

struct Look {
  QString name;
  QRect geometry;
  QString text;
  QString family;  // empty: the window's own font
  qreal points = 0;
  bool bold = false;
  bool italic = false;
  QColor colour;  // invalid: the window's text colour
};

QTextBrowser* Browser(QWidget* help) { return help->findChild<QTextBrowser*>(); }

QString HelpSource() {
  QFile file(QString::fromStdString((kAssets / "Lumihlp.html").string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class AboutHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutLayoutAndLook() {
    AuxRig rig;
    rig.windows->ShowAbout();
    QWidget* about = rig.windows->About();
    QVERIFY(about);
    QCOMPARE(about->objectName(), QStringLiteral("Form6"));
    QCOMPARE(about->windowTitle(), QStringLiteral("Lumitile について"));
    QCOMPARE(about->minimumSize(), QSize(308, 146));
    QCOMPARE(about->maximumSize(), QSize(308, 146));
    QCOMPARE(about->windowType(), Qt::Dialog);
    QVERIFY(about->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!about->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QVERIFY(!about->windowIcon().isNull());
    QVERIFY(about->autoFillBackground());
    QCOMPARE(about->palette().color(QPalette::Window), QColor(192, 192, 255));

    const QString serif = QStringLiteral("Times New Roman");
    const Look looks[] = {
        {QStringLiteral("Label1"), {51, 18, 252, 28}, QStringLiteral("Lumitile for Windows"), serif, 18, true,
         true, QColor(0, 0, 255)},
        {QStringLiteral("Label2"), {259, 51, 46, 19}, QStringLiteral("ver 0.1"), serif, 12, true, false,
         QColor(255, 0, 0)},
        {QStringLiteral("Label6"), {24, 66, 206, 12}, QStringLiteral("URL：https://lumitile.example.org/")},
        {QStringLiteral("Label5"), {24, 81, 157, 12}, QStringLiteral("E-Mail：lumitile@example.org")},
        {QStringLiteral("Label3"), {24, 99, 100, 12}, QStringLiteral("© 2026 Lumitile")},
        {QStringLiteral("Label4"), {24, 114, 163, 22}, QStringLiteral("Lumitile Project"), serif, 14.25, true},
    };
    for (const Look& look : looks) {
      auto* label = about->findChild<QLabel*>(look.name);
      QVERIFY2(label, qPrintable(look.name));
      QCOMPARE(label->geometry(), look.geometry);
      QCOMPARE(label->text(), look.text);
      QVERIFY(!label->autoFillBackground());
      if (look.family.isEmpty()) {
        QCOMPARE(label->font(), about->font());
      } else {
        QCOMPARE(label->font().families().value(0), look.family);
        QCOMPARE(label->font().pointSizeF(), look.points);
        QCOMPARE(label->font().bold(), look.bold);
        QCOMPARE(label->font().italic(), look.italic);
      }
      const QColor expected = look.colour.isValid() ? look.colour : about->palette().color(QPalette::WindowText);
      QCOMPARE(label->palette().color(QPalette::WindowText), expected);
      QVERIFY2(Overflow(label).isEmpty(), qPrintable(Overflow(label)));
    }

    auto* picture = about->findChild<QLabel*>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(12, 15, 32, 32));
    QCOMPARE(picture->pixmap().size(), QSize(32, 32));

    auto* ok = about->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(ok->geometry(), QRect(237, 117, 43, 19));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(about->focusWidget(), static_cast<QWidget*>(ok));
  }

  void aboutOpensOnceAndOkClosesIt() {
    AuxRig rig;
    rig.windows->ShowAbout();
    QWidget* about = rig.windows->About();
    rig.windows->ShowAbout();
    QCOMPARE(rig.windows->About(), about);
    QCOMPARE(OpenWindows(QStringLiteral("Form6")), 1);
    QVERIFY(!QApplication::activeModalWidget());

    QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(!rig.windows->About());
    // Asked again before the old one is gone, a fresh window opens.
    rig.windows->ShowAbout();
    QVERIFY(rig.windows->About());
    QVERIFY(rig.windows->About() != about);
    QCOMPARE(OpenWindows(QStringLiteral("Form6")), 1);
  }

  void helpOpensTheDocumentAtTheTopOnce() {
    AuxRig rig({kAssets});
    rig.windows->ShowHelp();
    QWidget* help = rig.windows->Help();
    QVERIFY(help);
    QCOMPARE(help->objectName(), QStringLiteral("HelpViewer"));
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QTextBrowser* browser = Browser(help);
    QCOMPARE(browser->source().fileName(), QStringLiteral("Lumihlp.html"));
    QCOMPARE(browser->documentTitle(), QStringLiteral("Lumitile ヘルプ"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("遊び方")));

    // Read on, then asked again: the same viewer, back at the first page.
    help->resize(400, 200);
    browser->scrollToAnchor(QStringLiteral("menu"));
    browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
    rig.windows->ShowHelp();
    QCOMPARE(rig.windows->Help(), help);
    QCOMPARE(OpenWindows(QStringLiteral("HelpViewer")), 1);
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    QCOMPARE(browser->source().fileName(), QStringLiteral("Lumihlp.html"));
  }

  void aMissingHelpDocumentIsToldAndTheGameGoesOn() {
    QTemporaryDir empty;
    AuxRig rig({std::filesystem::path(empty.path().toStdString())});
    rig.ticks.AdvanceSeconds(5);
    rig.windows->ShowHelp();
    rig.windows->ShowHelp();
    QWidget* help = rig.windows->Help();
    QVERIFY(help);
    QCOMPARE(OpenWindows(QStringLiteral("HelpViewer")), 1);
    QCOMPARE(Browser(help)->toPlainText(), QStringLiteral("ヘルプファイル Lumihlp.html が見つかりません。"));
    QVERIFY(rig.game.ClockRunning());
    rig.ticks.AdvanceSeconds(2);
    QCOMPARE(rig.game.ElapsedSeconds(), 7);
  }

  void theBuiltGameFindsItsHelpDocument() {
    // The executable sits at the top of the build tree.
    const auto found = FindDataFile(DataFolders(LUMITILE_BINARY_DIR, {}), "Lumihlp.html");
    QVERIFY(found.has_value());
  }

  void theHelpDocumentCoversEveryMenuEntry() {
    const QString html = HelpSource();
    QVERIFY(!html.isEmpty());
    QTextDocument document;
    document.setHtml(html);
    const QString text = document.toPlainText();
    // The captions exactly as the menus show them.
    const QString captions[] = {
        QStringLiteral("ﾌｧｲﾙ"),     QStringLiteral("新規ゲーム"),     QStringLiteral("終了"),
        QStringLiteral("ﾚﾍﾞﾙ"),     QStringLiteral("初級"),           QStringLiteral("中級"),
        QStringLiteral("上級"),     QStringLiteral("ﾊｲｽｺｱ..."),       QStringLiteral("ﾊｲｽｺｱのｸﾘｱ..."),
        QStringLiteral("ﾍﾙﾌﾟ"),     QStringLiteral("Lumitile ﾍﾙﾌﾟ..."), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報..."),
    };
    for (const QString& caption : captions) QVERIFY2(text.contains(caption), qPrintable(caption));
    QVERIFY(text.contains(QStringLiteral("30 秒")));
    QVERIFY(text.contains(QStringLiteral("20 文字")));
    // Every link inside the document leads somewhere.
    const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
      const QString anchor = it.next().captured(1);
      QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(anchor)), qPrintable(anchor));
    }
  }
};

}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::AboutHelpTest)
#include "about_help_test.moc"
