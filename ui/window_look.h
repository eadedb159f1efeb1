// The look the game's windows share: colours, fonts, the small windows'
// frame and set-up, and labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>
#include <string>

#include "ui/fonts.h"

class QLabel;
class QWidget;

namespace lumitile::look {

inline const QColor kLightBlue(192, 192, 255);
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kLightGreen(192, 255, 192);
inline const QColor kBlue(0, 0, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kYellow(255, 255, 0);

inline constexpr FontStyle kMenuFont{.Family = Face::Gothic, .Points = 9};
// The small windows were laid out for a small dialog font; at 11 pixels the
// longest caption still fits its box.
inline constexpr FontStyle kDialogFont{.Family = Face::Gothic, .Pixels = 11};
inline constexpr FontStyle kTableFont{.Family = Face::Gothic, .Points = 12};
inline constexpr FontStyle kTimeCaptionFont{.Family = Face::Serif, .Points = 15.75, .Bold = true};
inline constexpr FontStyle kCreditFont{.Family = Face::Serif, .Points = 12, .Bold = true, .Italic = true, .Underline = true};
inline constexpr FontStyle kAboutTitleFont{.Family = Face::Serif, .Points = 18, .Bold = true, .Italic = true};
inline constexpr FontStyle kAboutVersionFont{.Family = Face::Serif, .Points = 12, .Bold = true};
inline constexpr FontStyle kAboutMakerFont{.Family = Face::Serif, .Points = 14.25, .Bold = true};

// A thin title bar with only a close box; kept off the task bar.
inline constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

}  // namespace lumitile::look

namespace lumitile {

struct WindowLayout;

// A label at a fixed place, its text in the top-left corner, that never takes the focus.
QLabel* AddLabel(QWidget* window, const QString& name, const QString& text, const QRect& geometry);
void SetTextColour(QWidget* widget, const QColor& colour);
// A small window beside the game as its table lays it out: its name, fixed
// size and the small dialog font, with its caption. It is deleted once
// closed, so asking for it again builds it afresh.
void SetUpSideWindow(QWidget* window, const WindowLayout& layout, const QString& caption);
// Escape closes the window, as it does a dialog. The small windows are no
// QDialogs: a dialog keeps its default button marked while another window is
// in front, and marks the entry's OK from the start, so Enter in the name box
// would confirm it; here a button is the default only while it has the focus.
void CloseOnEscape(QWidget* window);
// The name for nobody (名前なし), as the windows show it: in the player's
// language, though the settings file holds it in Japanese whatever the
// language, so one file serves both.
QString NoNameText();
// A holder's name as the table shows it, padded as stored: the name for
// nobody in the player's language, any other as it is.
QString ShownName(const QString& stored);
// A name confirmed in the entry as the file keeps it: the name for nobody,
// left as it was offered, goes back to its Japanese.
std::string StoredName(const QString& typed);

}  // namespace lumitile
