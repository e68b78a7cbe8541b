#include "ui/lib/FileIconCache.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QStyle>

#include <algorithm>

namespace tv {

QIcon FileTypeIcon(const QString& path) {
    static QHash<QString, QIcon> icons;
    const int dot = path.lastIndexOf('.');
    const int delim = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    const QString type = dot > delim ? path.mid(dot + 1).toLower() : QString();
    auto it = icons.constFind(type);
    if (it != icons.constEnd())
        return *it;
    static const QFileIconProvider provider;
    // An extension's icon does not depend on the file; a name without one gets the plain file icon.
    QIcon icon = type.isEmpty() ? QIcon() : provider.icon(QFileInfo("file." + type));
    if (icon.isNull())
        icon = provider.icon(QAbstractFileIconProvider::File);
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    icons.insert(type, icon);
    return icon;
}

} // namespace tv
