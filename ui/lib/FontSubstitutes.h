#pragma once
// The program's windows name Windows faces (Tahoma, MS Sans Serif, Times New Roman, Arial ...). Where
// a face is not installed, Qt is told which present face stands in for it. Call once at start-up;
// calling again does nothing.

#include <QFont>
#include <QString>
#include <QStringList>

namespace tv {

void InstallFontSubstitutes();

// The face among families that stands in for a Windows face the system lacks (Liberation Sans for
// Arial, Liberation Serif for Times New Roman, ...); empty when the face is itself in families or
// none of its stand-ins is. Names compare without regard to case.
QString StandInFace(const QString& face, const QStringList& families);

// The font of every window of the program, Tahoma 8; installs the substitutes first. A window does
// not inherit its owner's font, so each one sets this.
QFont DialogFont();

} // namespace tv
