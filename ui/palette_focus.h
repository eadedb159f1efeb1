// The palette as one stop of the Tab chain: of its items only the one last
// stepped to takes the focus, and the arrows step along the items that are
// there, so Tab and Shift+Tab go from the board to the palette and back
// rather than through every item. A click never moves the focus.
#pragma once

#include <vector>

class QWidget;

namespace lumitile {

class PictureBox;

class PaletteFocus {
 public:
  // The items in the order the arrows step through them.
  explicit PaletteFocus(std::vector<PictureBox*> items);

  // The focus to the shown item steps away (-1 back, 1 on), round the ends.
  void Step(int steps);
  // After items were hidden or shown (a spent hint token): the stop is a shown item.
  void Refresh();
  // The palette item that holds the focus, or null.
  PictureBox* Focused(const QWidget* focus) const;

 private:
  void SetStop(std::size_t index);

  std::vector<PictureBox*> items_;
  std::size_t stop_ = 0;
};

}  // namespace lumitile
