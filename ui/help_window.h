// The game's own help viewer: the help document in a browser of its own
// window, or a short note when the document is not there.
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>

class QTextBrowser;
class QUrl;

namespace lumitile {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the document from its first page, at the top. The path may hold
  // any bytes, also folder names that are not UTF-8.
  void ShowDocument(const std::filesystem::path& file);
  // Tells that the document named fileName was not found.
  void ShowMissing(const QString& fileName);

 private:
  void ShowUrl(const QUrl& url);

  QTextBrowser* browser_;
};

}  // namespace lumitile
