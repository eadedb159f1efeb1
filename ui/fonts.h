// The fonts of the windows, each as a list of families: the face the game was
// designed with first, then the nearest free face shipped with the desktop,
// so the original face wins wherever it is installed.
#pragma once

#include <QFont>
#include <QStringList>

namespace lumitile {

// Times New Roman, then its metric twin.
QStringList SerifFamilies();
// The Japanese proportional gothic, then its free counterpart.
QStringList GothicFamilies();

QFont SerifFont(qreal points, bool bold, bool italic = false, bool underline = false);
// The face of the menus.
QFont GothicFont();
// The gothic face at the largest small size, at most 10 pixels, in which text fits box.
QFont FittingGothicFont(const QString& text, const QSize& box);

}  // namespace lumitile
