#pragma once
// TwzLabel: a plain-text label that draws its caption with a three-dimensional effect: raised,
// recessed, a drop shadow or a glow. The caption is never read as rich text.
//
// Colour defaults follow the palette at creation: GlowColor is the window (Base) colour,
// ShadowColor the button shadow (Dark). ShowAccelChar (on by default, as for any label) turns an
// '&' into an underline of the next character ("&&" draws one '&'); switch it off for captions
// the user typed.
#include <QColor>
#include <QLabel>

namespace tv {

class TwzLabel final : public QLabel {
    Q_OBJECT
public:
    enum TTextStyle { tsNone, tsRaised, tsRecessed, tsShadow, tsGlow };
    Q_ENUM(TTextStyle)

private:
    Q_PROPERTY(QColor GlowColor READ GlowColor WRITE setGlowColor)
    Q_PROPERTY(QColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE setShadowDepth)
    Q_PROPERTY(TTextStyle TextStyle READ TextStyle WRITE setTextStyle)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar)

public:
    explicit TwzLabel(QWidget* parent = nullptr);
    explicit TwzLabel(const QString& caption, QWidget* parent = nullptr);

    QColor GlowColor() const { return m_glowColor; }
    void setGlowColor(const QColor& c);
    QColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor& c);
    int ShadowDepth() const { return m_shadowDepth; }
    void setShadowDepth(int depth);
    TTextStyle TextStyle() const { return m_textStyle; }
    void setTextStyle(TTextStyle style);
    // When off (the default) the label fills its client area with its background colour.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool on);

    // The text flags the caption and its copies are drawn with.
    int DrawFlags() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // How far the copies of the current style reach beyond the caption on each side.
    QMargins EffectMargins() const;

    QColor m_glowColor;
    QColor m_shadowColor;
    int m_shadowDepth = 2;
    TTextStyle m_textStyle = tsNone;
    bool m_transparent = false;
    bool m_showAccelChar = true;
};

using TTextStyle = TwzLabel::TTextStyle;

} // namespace tv
