#pragma once
// TwzWizardTree: the wizard's step list. Draws the steps as a small tree of coloured boxes joined by
// lines, marks the current step, lets the user jump to a step by clicking its box or caption, and
// offers the previous / next / last moves behind the wizard buttons.
//
// Events are Qt signals:
//   OnChanging(sender, newItemIndex, allowChange) is emitted before a click or a move changes the
//     current step; a receiver vetoes by setting allowChange = false. The flag is passed by
//     reference, so connect it directly (the default connection within the GUI thread is direct;
//     a queued connection cannot veto).
//   OnChange(sender) is emitted after such a change.
// Writing ItemIndex or Items from code raises neither.
//
// The keyboard reaches the list with Tab: the arrow keys, Home and End move a cursor over the steps
// and Enter or Space goes to the step under it. Screen readers see a list with one item per step
// (its caption; selected when current, traversed once visited).
//
// The geometry is a pure function of the properties, the captions and the font: ItemRect() gives
// the rectangle a click must hit, and painting uses the very same rectangles.
#include <QColor>
#include <QRect>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <QWidget>

namespace tv {

class TwzWizardTree final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
    Q_PROPERTY(QColor LineColor READ LineColor WRITE setLineColor)
    Q_PROPERTY(QColor SelectedBoxColor READ SelectedBoxColor WRITE setSelectedBoxColor)
    Q_PROPERTY(QColor BoxColor READ BoxColor WRITE setBoxColor)
    Q_PROPERTY(int HorizontalSpace READ HorizontalSpace WRITE setHorizontalSpace)
    Q_PROPERTY(int VerticalSpace READ VerticalSpace WRITE setVerticalSpace)
    Q_PROPERTY(int BoxHeight READ BoxHeight WRITE setBoxHeight)
    Q_PROPERTY(int BoxWidth READ BoxWidth WRITE setBoxWidth)
    Q_PROPERTY(int LeftMargin READ LeftMargin WRITE setLeftMargin)
    Q_PROPERTY(int TopMargin READ TopMargin WRITE setTopMargin)
    Q_PROPERTY(QString Version READ Version)
    // Background and caption colours; shorthands for the palette's Window and WindowText roles.
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

public:
    explicit TwzWizardTree(QWidget* parent = nullptr);

    const QStringList& Items() const { return m_items; }
    // Copies the list and repaints. A current step beyond the new list moves to its last step.
    void setItems(const QStringList& items);

    int ItemIndex() const { return m_itemIndex; }
    // Accepted when -1 <= index < Items().size() and different from the current step.
    void setItemIndex(int index);

    QColor LineColor() const { return m_lineColor; }
    void setLineColor(const QColor& c);
    QColor SelectedBoxColor() const { return m_selectedBoxColor; }
    void setSelectedBoxColor(const QColor& c);
    QColor BoxColor() const { return m_boxColor; }
    void setBoxColor(const QColor& c);
    int HorizontalSpace() const { return m_horizontalSpace; }
    void setHorizontalSpace(int v);
    int VerticalSpace() const { return m_verticalSpace; }
    void setVerticalSpace(int v);
    int BoxHeight() const { return m_boxHeight; }
    void setBoxHeight(int v);
    int BoxWidth() const { return m_boxWidth; }
    void setBoxWidth(int v);
    int LeftMargin() const { return m_leftMargin; }
    void setLeftMargin(int v);
    int TopMargin() const { return m_topMargin; }
    void setTopMargin(int v);
    QString Version() const { return QStringLiteral("1.0a"); }

    QColor Color() const;
    void setColor(const QColor& c);
    QColor FontColor() const;
    void setFontColor(const QColor& c);

    // Hit rectangle of a step: its box, the gap and its caption (in the bold font when it is the
    // current step). Empty for an index out of range.
    QRect ItemRect(int index) const;
    // The coloured box of a step. Empty for an index out of range.
    QRect BoxRect(int index) const;
    // All hit rectangles, one per step.
    QVector<QRect> ItemRects() const;
    // The first step whose hit rectangle holds the point, or -1.
    int ItemAt(const QPoint& pos) const;

    // The step the keyboard cursor is on (the current step until the arrow keys move it).
    int CursorIndex() const { return m_cursor; }
    // Whether the step has been the current one since the list was made.
    bool Visited(int index) const { return m_visited.contains(index); }

    QSize sizeHint() const override { return QSize(133, 140); }

public slots:
    // User moves: previous (stays on the first step), next (stays on the last step), last.
    // Each asks OnChanging and reports OnChange, also when the target is the current step.
    void SelectPrior();
    void SelectNext();
    void SelectLast();

signals:
    void OnChanging(tv::TwzWizardTree* sender, int newItemIndex, bool& allowChange);
    void OnChange(tv::TwzWizardTree* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct TStepGeometry {
        QRect box;
        QRect hit;
        int textLeft = 0;
        int textTop = 0;
    };
    TStepGeometry StepGeometry(int index) const;
    QFont StepFont(bool selected) const;
    // Runs the OnChanging / repaint / OnChange sequence of clicks and moves.
    void UserSelect(int index);
    template <typename T> void SetAndRepaint(T& field, const T& value);
    void MoveCursor(int index);

    QStringList m_items;
    int m_itemIndex = 0;
    int m_cursor = 0;
    QSet<int> m_visited{0};
    QColor m_lineColor;
    QColor m_selectedBoxColor;
    QColor m_boxColor;
    int m_horizontalSpace = 4;
    int m_verticalSpace = 8;
    int m_boxHeight = 17;
    int m_boxWidth = 16;
    int m_leftMargin = 4;
    int m_topMargin = 4;
};

} // namespace tv
