// Where the game's windows appear.
#pragma once

class QWidget;

namespace lumitile {

// Puts the window in the middle of the screen it will appear on (its
// parent's, else the primary one). The frame is not known before the window
// first shows, so the client area is what is centred.
void CentreOnScreen(QWidget* window);

}  // namespace lumitile
