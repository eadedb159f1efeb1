#include "app/startup.h"

#include <QByteArray>
#include <QLibraryInfo>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace lumitile {

namespace {

bool IsSet(const char* name) { return !qEnvironmentVariableIsEmpty(name); }

// Qt ends the process with an abort and a page of advice when no window
// system can be reached. While the application starts, its messages are held
// back; a fatal one becomes our single line and a plain failure status.
QtMessageHandler startupFallback = nullptr;
std::vector<std::pair<QtMsgType, QString>> startupMessages;

void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    // The only fatal error while the application starts is a window system
    // that cannot be opened; name what was tried.
    if (IsSet("QT_QPA_PLATFORM")) {
      std::fprintf(stderr, "lumitile: cannot open the window system \"%s\" named by QT_QPA_PLATFORM\n",
                   qgetenv("QT_QPA_PLATFORM").constData());
    } else {
      const QByteArray display = IsSet("WAYLAND_DISPLAY") && !IsSet("DISPLAY") ? qgetenv("WAYLAND_DISPLAY")
                                                                              : qgetenv("DISPLAY");
      std::fprintf(stderr, "lumitile: cannot open display \"%s\" (set DISPLAY or WAYLAND_DISPLAY to play)\n",
                   display.constData());
    }
    std::_Exit(1);
  }
  startupMessages.emplace_back(type, message);
}

}  // namespace

bool DisplayNamed() {
  // A platform chosen by hand (offscreen, vnc, ...) needs no display variable.
  if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) return true;
  std::fputs("lumitile: no display found (set DISPLAY or WAYLAND_DISPLAY to play)\n", stderr);
  return false;
}

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, QTranslator& japanese) {
  startupFallback = qInstallMessageHandler(StartupMessages);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(startupFallback);
  for (const auto& [type, message] : startupMessages) qt_message_output(type, QMessageLogContext(), message);
  startupMessages.clear();
  // The game speaks Japanese whatever the desktop's language.
  if (japanese.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app->installTranslator(&japanese);
  }
  return app;
}

}  // namespace lumitile
