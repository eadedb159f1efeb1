#include "ui/help_window.h"

#include <QFile>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <fstream>
#include <iterator>

#include "ui/window_look.h"

namespace lumitile {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(tr("Lumitile ヘルプ"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(560, 600);

  browser_->setObjectName(QStringLiteral("HelpText"));
  // Links inside the document move within it; anything else goes to the desktop.
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  CloseOnEscape(this);
}

void HelpWindow::ShowDocument(const std::filesystem::path& file) {
  const std::string& native = file.native();
  const QByteArray bytes(native.data(), static_cast<qsizetype>(native.size()));
  const QString name = QFile::decodeName(bytes);
  if (QFile::encodeName(name) == bytes) {
    ShowUrl(QUrl::fromLocalFile(name));
    return;
  }
  // Qt names files in UTF-8 and cannot reach a folder whose name is not
  // (0xE9 from an old Latin-1 system), so the document is read here and
  // handed over as text; its links are all within itself.
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    ShowMissing(QFile::decodeName(QByteArray::fromStdString(file.filename().native())));
    return;
  }
  const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  QStringDecoder decoder = QStringDecoder::decoderForHtml(html);
  browser_->clearHistory();
  browser_->setHtml(decoder.decode(html));
  browser_->verticalScrollBar()->setValue(0);
}

void HelpWindow::ShowUrl(const QUrl& url) {
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
  browser_->setPlainText(tr("ヘルプファイル %1 が見つかりません。").arg(fileName));
}

}  // namespace lumitile
