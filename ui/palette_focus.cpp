#include "ui/palette_focus.h"

#include <algorithm>

#include "ui/picture_box.h"

namespace lumitile {

PaletteFocus::PaletteFocus(std::vector<PictureBox*> items) : items_(std::move(items)) { SetStop(0); }

void PaletteFocus::Step(int steps) {
  const auto count = static_cast<int>(items_.size());
  int at = static_cast<int>(stop_);
  // Hidden items are stepped over; one is always shown (the panels never hide).
  for (int tried = 0; tried < count; ++tried) {
    at = ((at + steps) % count + count) % count;
    if (!items_[static_cast<std::size_t>(at)]->isHidden()) break;
  }
  const bool hadFocus = items_[stop_]->hasFocus();
  SetStop(static_cast<std::size_t>(at));
  if (hadFocus) items_[stop_]->setFocus(Qt::TabFocusReason);
}

void PaletteFocus::Refresh() {
  if (items_[stop_]->isHidden()) Step(1);
}

PictureBox* PaletteFocus::Focused(const QWidget* focus) const {
  const auto found = std::find(items_.begin(), items_.end(), focus);
  return found == items_.end() ? nullptr : *found;
}

void PaletteFocus::SetStop(std::size_t index) {
  for (PictureBox* item : items_) item->setFocusPolicy(Qt::NoFocus);
  stop_ = index;
  items_[stop_]->setFocusPolicy(Qt::TabFocus);
}

}  // namespace lumitile
