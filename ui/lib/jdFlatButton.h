#pragma once
// TjdFlatButton: a flat push button painted in four colours (face, focused face, pressed face and a
// one-pixel shadow frame). "&" in the text marks the shortcut letter.

#include <QAbstractButton>
#include <QColor>

namespace tv {

class TjdFlatButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit TjdFlatButton(QWidget* parent = nullptr);
    TjdFlatButton(const QString& text, QWidget* parent = nullptr);

    QColor Color() const { return m_color; }
    void setColor(const QColor& c);
    QColor ColorFocused() const { return m_colorFocused; }
    void setColorFocused(const QColor& c);
    QColor ColorDown() const { return m_colorDown; }
    void setColorDown(const QColor& c);
    QColor ColorShadow() const { return m_colorShadow; }
    void setColorShadow(const QColor& c);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_color{216, 216, 191};
    QColor m_colorFocused{249, 241, 232};
    QColor m_colorDown{162, 154, 130};
    QColor m_colorShadow{77, 77, 57};
};

} // namespace tv
