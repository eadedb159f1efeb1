// Starting the Qt application the way the game wants it: one clear line and
// a failure status where no window system can be reached, and the player's
// language: Japanese, the game's own, unless the locale speaks English.
#pragma once

#include <QApplication>
#include <QTranslator>
#include <memory>
#include <string_view>

namespace lumitile {

enum class Language { kJapanese, kEnglish };

// The language the locale's variables ask for: the messages' locale is
// LC_ALL, else LC_MESSAGES, else LANG; none, C or POSIX keeps Japanese;
// otherwise the first entry of LANGUAGE's list that is English or Japanese
// wins, and without one the locale's own language.
Language LanguageFrom(std::string_view lcAll, std::string_view lcMessages, std::string_view lang,
                      std::string_view language);
// The same for this process's environment.
Language EnvironmentLanguage();

// The language's texts installed on the running application: Qt's own
// Japanese (the question boxes' buttons, the text box's menu), or the game's
// English. The translator must outlive its use; false when it would not load.
bool InstallLanguage(Language language, QTranslator& translator);

// False, after telling so on stderr, when no display is named at all.
bool DisplayNamed();

// The application, with the environment's language installed through the
// translator; ends the process with a one-line message when the window
// system cannot be opened.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, QTranslator& translator);

}  // namespace lumitile
