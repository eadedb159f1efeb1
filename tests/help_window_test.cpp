// The help document reads the same, and its table of contents still leads
// within it, when the game's folder name is not valid UTF-8.
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "ui/help_window.h"
#include "view_rig.h"

namespace lumitile::testing {
namespace {

namespace fs = std::filesystem;

// Shows file, then follows the first link of the table of contents from the keyboard.
struct Shown {
  QString text;
  int scrolledTo;
};

Shown ShowAndFollowFirstLink(const fs::path& file) {
  HelpWindow window;
  window.resize(400, 300);
  window.show();
  window.ShowDocument(file);
  QTextBrowser* browser = window.findChild<QTextBrowser*>("HelpText");
  const QString text = browser->toPlainText();
  browser->setFocus();
  QTest::keyClick(browser, Qt::Key_Tab);  // "top" is a target, not a link: the first entry
  QTest::keyClick(browser, Qt::Key_Return);
  return {text, browser->toPlainText() == text ? browser->verticalScrollBar()->value() : -1};
}

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheDocumentFromAFolderNamedInAnyBytes() {
    const fs::path original = fs::path(LUMITILE_ASSETS_DIR) / "Lumihlp.html";
    char pattern[] = "/tmp/lumitile-help-XXXXXX";
    QVERIFY(mkdtemp(pattern));
    const fs::path folder = fs::path(pattern) / "caf\xE9";  // Latin-1 é
    fs::create_directory(folder);
    fs::copy_file(original, folder / "Lumihlp.html");

    const Shown usual = ShowAndFollowFirstLink(original);
    const Shown odd = ShowAndFollowFirstLink(folder / "Lumihlp.html");
    fs::remove_all(pattern);
    QVERIFY(usual.text.contains(QStringLiteral("ゲームの目的")));
    QCOMPARE(odd.text, usual.text);
    QVERIFY(usual.scrolledTo > 0);
    QCOMPARE(odd.scrolledTo, usual.scrolledTo);
  }
};

}  // namespace
}  // namespace lumitile::testing

LUMITILE_VIEW_TEST_MAIN(lumitile::testing::HelpWindowTest)
#include "help_window_test.moc"
