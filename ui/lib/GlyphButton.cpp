#include "ui/lib/GlyphButton.h"

#include <QIcon>
#include <QToolButton>

namespace tv {

QToolButton* MakeGlyphButton(const char* name, const char* glyph, const QString& hint, QSize size,
                             TGlyphLook look, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(QString(":/glyphs/%1.xpm").arg(glyph)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(look == TGlyphLook::Flat);
    button->setFixedSize(size);
    return button;
}

} // namespace tv
