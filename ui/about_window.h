// "Lumitile について": the game's name and version, the maker and where to
// reach them, on the game's light blue.
#pragma once

#include <QWidget>

namespace lumitile {

class Images;

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AboutWindow(const Images& images, QWidget* parent = nullptr);
};

}  // namespace lumitile
