// SIGTERM, SIGHUP and SIGINT (a desktop logout, kill, Ctrl+C in a terminal)
// end the game as 終了 does, with the game in progress kept. The handler
// only writes a byte into a pipe; the ending itself runs from the event loop,
// where it may touch the window and the disk.
#pragma once

#include <QObject>
#include <functional>

namespace lumitile {

// Runs end on context's thread when one of the signals arrives. A signal the
// game was started with ignored (nohup) stays ignored.
void OnEndSignals(QObject* context, std::function<void()> end);

}  // namespace lumitile
