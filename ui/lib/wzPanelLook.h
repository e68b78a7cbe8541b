#pragma once
// The look the message dialog and the about box share: a warm grey panel with a light grey strip
// down its left side.

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace tv {

inline const QColor kwzPanelColor(239, 233, 224);
inline const QColor kwzStripColor(211, 211, 211);

// A plain widget that fills its rectangle with one colour.
inline QWidget* FilledWidget(QWidget* parent, const QColor& color, const QString& name) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    return w;
}

} // namespace tv
