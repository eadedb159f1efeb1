// The game's own help viewer: the help document in a browser of its own
// window, or a short note when the document is not there.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace lumitile {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the document from its first page, at the top.
  void ShowDocument(const QString& path);
  // Tells that the document named fileName was not found.
  void ShowMissing(const QString& fileName);

  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
};

}  // namespace lumitile
