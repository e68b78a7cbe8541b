#pragma once
// The program's windows name Windows faces (Tahoma, MS Sans Serif, Times New Roman, Arial ...). Where
// a face is not installed, Qt is told which present face stands in for it. Call once at start-up;
// calling again does nothing.

namespace tv {

void InstallFontSubstitutes();

} // namespace tv
