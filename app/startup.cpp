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

// gettext's order; past LANGUAGE's list, where gettext would fall back to the
// source texts, the locale's own language, as Qt's list of the player's
// languages has it: a player with an English locale reads English.
Language LanguageFrom(std::string_view lcAll, std::string_view lcMessages, std::string_view lang,
                      std::string_view language) {
  // "en_GB.UTF-8@euro" speaks "en".
  const auto speaks = [](std::string_view locale) { return locale.substr(0, locale.find_first_of("_.@")); };
  const std::string_view messages = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
  if (speaks(messages).empty() || speaks(messages) == "C" || speaks(messages) == "POSIX") return Language::kJapanese;
  while (!language.empty()) {
    const std::size_t colon = language.find(':');
    const std::string_view entry = speaks(language.substr(0, colon));
    if (entry == "en") return Language::kEnglish;
    if (entry == "ja") return Language::kJapanese;
    language = colon == std::string_view::npos ? std::string_view() : language.substr(colon + 1);
  }
  return speaks(messages) == "en" ? Language::kEnglish : Language::kJapanese;
}

Language EnvironmentLanguage() {
  const auto variable = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string_view(value ? value : "");
  };
  return LanguageFrom(variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG"), variable("LANGUAGE"));
}

bool InstallLanguage(Language language, QTranslator& translator) {
  // Qt's own texts are English already, and the game's Japanese needs no file.
  const bool loaded =
      language == Language::kEnglish
          ? translator.load(QStringLiteral(":/translations/lumitile_en.qm"))
          : translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return loaded && QCoreApplication::installTranslator(&translator);
}

bool DisplayNamed() {
  // A platform chosen by hand (offscreen, vnc, ...) needs no display variable.
  if (IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY")) return true;
  std::fputs("lumitile: no display found (set DISPLAY or WAYLAND_DISPLAY to play)\n", stderr);
  return false;
}

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, QTranslator& translator) {
  startupFallback = qInstallMessageHandler(StartupMessages);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(startupFallback);
  for (const auto& [type, message] : startupMessages) qt_message_output(type, QMessageLogContext(), message);
  startupMessages.clear();
  InstallLanguage(EnvironmentLanguage(), translator);
  return app;
}

}  // namespace lumitile
