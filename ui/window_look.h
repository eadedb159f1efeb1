// The look the game's windows share: colours, fonts, the small windows'
// frame, and labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

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

inline constexpr FontSpec kMenuFont{Face::Gothic, 9};
// The small windows were laid out for a small dialog font; at 11 pixels the
// longest caption still fits its box.
inline constexpr FontSpec kDialogFont{.Family = Face::Gothic, .Pixels = 11};
inline constexpr FontSpec kTableFont{Face::Gothic, 12};
inline constexpr FontSpec kTimeCaptionFont{.Family = Face::Serif, .Points = 15.75, .Bold = true};
inline constexpr FontSpec kCreditFont{Face::Serif, 12, 0, true, true, true};
inline constexpr FontSpec kAboutTitleFont{Face::Serif, 18, 0, true, true};
inline constexpr FontSpec kAboutVersionFont{.Family = Face::Serif, .Points = 12, .Bold = true};
inline constexpr FontSpec kAboutMakerFont{.Family = Face::Serif, .Points = 14.25, .Bold = true};

// A thin title bar with only a close box; kept off the task bar.
inline constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

}  // namespace lumitile::look

namespace lumitile {

// A label at a fixed place that never takes the focus.
QLabel* AddLabel(QWidget* window, const QString& name, const QString& text, const QRect& geometry);
void SetTextColour(QWidget* widget, const QColor& colour);
// The name for nobody, as the windows show it.
QString NoNameText();

}  // namespace lumitile
