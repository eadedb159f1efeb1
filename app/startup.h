// Starting the Qt application the way the game wants it: one clear line and
// a failure status where no window system can be reached, and Japanese for
// Qt's own texts (the question boxes' buttons, the text box's menu).
#pragma once

#include <QApplication>
#include <QTranslator>
#include <memory>

namespace lumitile {

// False, after telling so on stderr, when no display is named at all.
bool DisplayNamed();

// The application, with the translator installed; ends the process with a
// one-line message when the window system cannot be opened.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, QTranslator& japanese);

}  // namespace lumitile
