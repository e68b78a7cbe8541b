#pragma once
// Icons of the desktop's theme for files, looked up once per file type (the extension) for the
// whole program: lists of a thousand files, or programs named in the run lists, ask the icon theme
// once per type. The file need not exist; only its name counts.

#include <QIcon>
#include <QString>

namespace tv {

// path: a host path or a project path with "\" separators.
QIcon FileTypeIcon(const QString& path);

} // namespace tv
