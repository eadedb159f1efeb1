// What the small windows beside the game have in common: their frame, their
// plain font and their labels.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QWidget;

namespace lumitile {

// A thin title bar with only a close box; kept off the task bar.
inline constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

// The plain face of these windows. The boxes were laid out for a small
// dialog font; at 11 pixels the longest caption still fits its box.
QFont SmallDialogFont();

// A label at a fixed place, its text in the top-left corner, that never takes the focus.
QLabel* AddLabel(QWidget* window, const QString& name, const QString& text, const QRect& geometry);

}  // namespace lumitile
