#pragma once
// The program's windows name Windows faces (Tahoma, MS Sans Serif, Times New Roman, Arial ...). Where
// a face is not installed, Qt is told which present face stands in for it. Call once at start-up;
// calling again does nothing.

#include <QFont>

namespace tv {

void InstallFontSubstitutes();

// The font of every window of the program, Tahoma 8; installs the substitutes first. A window does
// not inherit its owner's font, so each one sets this.
QFont DialogFont();

} // namespace tv
