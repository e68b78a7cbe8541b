#include "ui/main/PageHeading.h"

#include <QLabel>
#include <QWidget>

namespace tv {

QLabel* CreatePageHeading(QWidget* page, const QString& text) {
    auto* heading = new QLabel(text, page);
    heading->setObjectName("lb" + page->objectName() + "Heading");
    QFont font = page->font();
    font.setPointSize(12);
    font.setBold(true);
    heading->setFont(font);
    heading->setForegroundRole(QPalette::WindowText);
    heading->move(4, 4);
    heading->adjustSize();
    return heading;
}

} // namespace tv
