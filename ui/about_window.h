// "Lumitile について": the game's name and version and the maker, on the
// game's light blue. OK or Escape closes it.
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
