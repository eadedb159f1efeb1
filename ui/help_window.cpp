#include "ui/help_window.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lumitile {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Lumitile ヘルプ"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(560, 600);

  browser_->setObjectName(QStringLiteral("HelpText"));
  // Links inside the document move within it; anything else goes to the desktop.
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}

void HelpWindow::ShowDocument(const QString& path) {
  const QUrl url = QUrl::fromLocalFile(path);
  // Asked again, the document is read afresh: it may have been replaced, or
  // a note may stand where it was.
  if (browser_->source() == url) {
    browser_->reload();
  } else {
    browser_->setSource(url);
  }
  browser_->clearHistory();
  browser_->verticalScrollBar()->setValue(0);
}

void HelpWindow::ShowMissing(const QString& fileName) {
  browser_->clearHistory();
  browser_->setPlainText(QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(fileName));
}

}  // namespace lumitile
