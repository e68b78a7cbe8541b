#pragma once
// A small push button whose face shows a colour: the colour buttons of the wizard pages hold their
// value in the face colour, as the author sees it.

#include "core/Project.h"

#include <QToolButton>

namespace tv {

class TColorButton final : public QToolButton {
    Q_OBJECT
public:
    explicit TColorButton(QWidget* parent = nullptr);

    TColor Color() const { return m_color; }
    // Repaints the face; emits no signal (the page decides what a change means).
    void SetColor(TColor c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor m_color = 0x00FFFFFF;
};

} // namespace tv
