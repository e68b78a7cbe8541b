#pragma once
// The small picture buttons beside the pages' lists and in the add dialog: one of the program's
// glyphs, the hint as tooltip and as the name a screen reader says.

#include <QSize>
#include <QString>

class QToolButton;
class QWidget;

namespace tv {

enum class TGlyphLook {
    Flat,   // raised only under the mouse, as beside the pages' lists
    Raised, // always a button
};

// glyph: a file of :/glyphs without its ".xpm".
QToolButton* MakeGlyphButton(const char* name, const char* glyph, const QString& hint,
                             QSize size = QSize(19, 19), TGlyphLook look = TGlyphLook::Flat,
                             QWidget* parent = nullptr);

} // namespace tv
