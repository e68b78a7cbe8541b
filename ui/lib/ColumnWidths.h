#pragma once
// Column widths of a table are the author's: dragged (a double-click on a column's edge fits it to
// its contents) and kept between runs, per table. Restored when the table is made, written when it
// goes away; a column the header sizes itself (stretched) is left to the header.

#include <QString>

class QHeaderView;

namespace tv {

// Makes the columns of header draggable and remembers their widths under key (the table's
// objectName). Call once the table has its model and its first widths.
void RememberColumnWidths(QHeaderView* header, const QString& key);

} // namespace tv
