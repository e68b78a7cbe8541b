#pragma once
// TDCLabel: a label whose caption is markup text (see MarkupText.h). Used for help panels, the
// build-progress lines (with an image list) and the text of the message dialog.

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

namespace tv {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TDCLabel : public QWidget {
    Q_OBJECT
public:
    explicit TDCLabel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);

    // On: the label takes the size of its caption whenever caption or font change (left and top
    // stay).
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // Off: the client area is filled with Color before the text is drawn.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);

    QColor Color() const { return m_color; }
    void setColor(const QColor& color);

    // Colour of the text where the markup sets none.
    QColor FontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);

    // Images for "/im{0}" style references; an empty list means none.
    const QList<QPixmap>& Images() const { return m_images; }
    void setImages(const QList<QPixmap>& images);

    // The caption's extent in this label's font: (widest line, total height).
    QPoint TextExtent() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void adjustToCaption();

    QString m_caption;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_autoSize = true;
    bool m_transparent = false;
    QColor m_color;
    QColor m_fontColor = Qt::black;
    QList<QPixmap> m_images;
};

} // namespace tv
