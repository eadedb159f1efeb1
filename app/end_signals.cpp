#include "app/end_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace lumitile {
namespace {

int wakeUp[2] = {-1, -1};  // read end, write end

extern "C" void NoteEndSignal(int) {
  // Only async-signal-safe calls here; a full pipe already holds a wake-up.
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeUp[1], &byte, 1);
  errno = saved;
}

}  // namespace

void OnEndSignals(QObject* context, std::function<void()> end) {
  if (wakeUp[0] >= 0 || ::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, context);
  QObject::connect(notifier, &QSocketNotifier::activated, context, [end = std::move(end)] {
    char bytes[64];
    while (::read(wakeUp[0], bytes, sizeof bytes) > 0) {
    }
    end();
  });
  struct sigaction action {};
  action.sa_handler = NoteEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    struct sigaction before {};
    if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
}

}  // namespace lumitile
