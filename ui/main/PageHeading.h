#pragma once
// The heading every wizard page starts with: bold 12 pt at (4, 4) in the menu-text colour.

#include <QString>

class QLabel;
class QWidget;

namespace tv {

// Creates the heading label of page (objectName "lb<page objectName>Heading") and returns it.
QLabel* CreatePageHeading(QWidget* page, const QString& text);

} // namespace tv
