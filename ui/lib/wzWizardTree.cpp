#include "ui/lib/wzWizardTree.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tv {

namespace {

// One step as a screen reader sees it: a list item named by its caption.
class TStepAccessible final : public QAccessibleInterface {
public:
    TStepAccessible(TwzWizardTree* tree, int index) : m_tree(tree), m_index(index) {}

    bool isValid() const override { return m_tree && m_index < m_tree->Items().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_tree); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return m_tree->Items().at(m_index);
        if (t == QAccessible::Description)
            return m_index == m_tree->ItemIndex() ? QCoreApplication::translate("tv::TwzWizardTree", "current step")
                   : m_tree->Visited(m_index)     ? QCoreApplication::translate("tv::TwzWizardTree", "visited")
                                                  : QString();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = m_tree->ItemRect(m_index);
        return QRect(m_tree->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.focusable = true;
        s.selected = m_index == m_tree->ItemIndex();
        s.active = s.selected;
        s.traversed = m_tree->Visited(m_index);
        s.focused = m_tree->hasFocus() && m_index == m_tree->CursorIndex();
        s.invisible = !m_tree->isVisible();
        return s;
    }

private:
    QPointer<TwzWizardTree> m_tree;
    int m_index;
};

// The step list as a list; its items are made once per step and handed to Qt's registry.
class TWizardTreeAccessible final : public QAccessibleWidget {
public:
    explicit TWizardTreeAccessible(TwzWizardTree* tree) : QAccessibleWidget(tree, QAccessible::List) {}
    ~TWizardTreeAccessible() override {
        for (QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    TwzWizardTree* tree() const { return static_cast<TwzWizardTree*>(widget()); }
    int childCount() const override { return int(tree()->Items().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto it = m_children.constFind(index);
        if (it != m_children.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto* step = new TStepAccessible(tree(), index);
        m_children.insert(index, QAccessible::registerAccessibleInterface(step));
        return step;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_children.constBegin(); it != m_children.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(tree()->ItemAt(tree()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface* focusChild() const override {
        return tree()->hasFocus() ? child(tree()->CursorIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return QCoreApplication::translate("tv::TwzWizardTree", "Wizard steps");
        return own;
    }

private:
    mutable QHash<int, QAccessible::Id> m_children;
};

QAccessibleInterface* WizardTreeAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tv::TwzWizardTree") && object && object->isWidgetType())
        return new TWizardTreeAccessible(static_cast<TwzWizardTree*>(object));
    return nullptr;
}

} // namespace

TwzWizardTree::TwzWizardTree(QWidget* parent)
    : QWidget(parent), m_items{QStringLiteral("Start"), QStringLiteral("First Page"),
                               QStringLiteral("Second Page"), QStringLiteral("Finish")},
      m_lineColor(Qt::white), m_selectedBoxColor(0x00, 0xFF, 0x00), m_boxColor(0x80, 0x80, 0x80) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(false);
    // Tab reaches the list; a click keeps the focus where it was (it changes the page anyway).
    setFocusPolicy(Qt::TabFocus);
    resize(133, 140);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(WizardTreeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

template <typename T> void TwzWizardTree::SetAndRepaint(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    update();
}

void TwzWizardTree::setItems(const QStringList& items) {
    m_items = items;
    // Keep the current step inside the list, so that moves and clicks never aim past its end.
    if (m_itemIndex >= m_items.size())
        m_itemIndex = int(m_items.size()) - 1;
    m_cursor = m_itemIndex;
    update();
}

void TwzWizardTree::setItemIndex(int index) {
    if (index < -1 || index >= m_items.size() || index == m_itemIndex)
        return;
    m_itemIndex = index;
    m_cursor = index;
    if (index >= 0)
        m_visited.insert(index);
    update();
    if (QAccessible::isActive() && index >= 0) {
        QAccessibleEvent selection(this, QAccessible::SelectionAdd);
        selection.setChild(index);
        QAccessible::updateAccessibility(&selection);
    }
}

void TwzWizardTree::setLineColor(const QColor& c) {
    SetAndRepaint(m_lineColor, c);
}
void TwzWizardTree::setSelectedBoxColor(const QColor& c) {
    SetAndRepaint(m_selectedBoxColor, c);
}
void TwzWizardTree::setBoxColor(const QColor& c) {
    SetAndRepaint(m_boxColor, c);
}
void TwzWizardTree::setHorizontalSpace(int v) {
    SetAndRepaint(m_horizontalSpace, v);
}
void TwzWizardTree::setVerticalSpace(int v) {
    SetAndRepaint(m_verticalSpace, v);
}
void TwzWizardTree::setBoxHeight(int v) {
    SetAndRepaint(m_boxHeight, v);
}
void TwzWizardTree::setBoxWidth(int v) {
    SetAndRepaint(m_boxWidth, v);
}
void TwzWizardTree::setLeftMargin(int v) {
    SetAndRepaint(m_leftMargin, v);
}
void TwzWizardTree::setTopMargin(int v) {
    SetAndRepaint(m_topMargin, v);
}

QColor TwzWizardTree::Color() const {
    return palette().color(QPalette::Window);
}

void TwzWizardTree::setColor(const QColor& c) {
    if (Color() == c)
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
}

QColor TwzWizardTree::FontColor() const {
    return palette().color(QPalette::WindowText);
}

void TwzWizardTree::setFontColor(const QColor& c) {
    if (FontColor() == c)
        return;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

QFont TwzWizardTree::StepFont(bool selected) const {
    QFont f = font();
    if (selected)
        f.setBold(true);
    return f;
}

TwzWizardTree::TStepGeometry TwzWizardTree::StepGeometry(int index) const {
    TStepGeometry g;
    const int n = int(m_items.size());
    if (index < 0 || index >= n)
        return g;
    const int hs = m_horizontalSpace, vs = m_verticalSpace, bh = m_boxHeight, bw = m_boxWidth;
    const bool outer = index == 0 || index == n - 1;
    const int x = outer ? m_leftMargin + hs : m_leftMargin + hs + bw + hs;
    const int y = m_topMargin + vs + index * (2 * vs + bh);
    g.box = QRect(x, y, bw, bh);
    // The captions of the outer steps sit right of the spine's connector.
    g.textLeft = x + bw + hs + (outer ? bw / 2 + hs : 0);
    const QFontMetrics fm(StepFont(index == m_itemIndex));
    const int textWidth = fm.horizontalAdvance(m_items.at(index));
    g.textTop = y + (bh - fm.height()) / 2;
    // The hit rectangle runs from the box to the end of the caption, so the whole caption answers
    // a click, also on the outer steps whose captions start further right.
    g.hit = QRect(QPoint(x, y), QPoint(g.textLeft + textWidth - 1, y + bh - 1));
    return g;
}

QRect TwzWizardTree::ItemRect(int index) const {
    return StepGeometry(index).hit;
}

QRect TwzWizardTree::BoxRect(int index) const {
    return StepGeometry(index).box;
}

QVector<QRect> TwzWizardTree::ItemRects() const {
    QVector<QRect> rects;
    rects.reserve(m_items.size());
    for (int i = 0; i < m_items.size(); ++i)
        rects.append(ItemRect(i));
    return rects;
}

int TwzWizardTree::ItemAt(const QPoint& pos) const {
    for (int i = 0; i < m_items.size(); ++i)
        if (ItemRect(i).contains(pos))
            return i;
    return -1;
}

void TwzWizardTree::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Color());
    const int n = int(m_items.size());
    const int hs = m_horizontalSpace, vs = m_verticalSpace, bh = m_boxHeight, bw = m_boxWidth;
    const int half = bw / 2;
    const QPen linePen(m_lineColor, 0);

    for (int i = 0; i < n; ++i) {
        const TStepGeometry g = StepGeometry(i);
        const bool selected = i == m_itemIndex;
        p.fillRect(g.box, selected ? m_selectedBoxColor : m_boxColor);
        p.setFont(StepFont(selected));
        p.setPen(FontColor());
        const QFontMetrics fm(p.font());
        const QRect text(g.textLeft, g.textTop, fm.horizontalAdvance(m_items.at(i)) + 1, fm.height());
        p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_items.at(i));
        if (i == m_cursor && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = text.adjusted(-2, -1, 1, 1);
            focus.backgroundColor = Color();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }

        // Connectors towards the next step; y is the top of the next step's box.
        const int x = g.box.left();
        const int y = g.box.top() + 2 * vs + bh;
        p.setPen(linePen);
        if (i == 0) {
            // With fewer than three steps the spine alone joins them.
            if (n >= 3) {
                const int cx = x + hs + bw + half;
                const int cy = y - vs - bh;
                p.drawLine(x + bw, cy, cx, cy);
                p.drawLine(cx, cy, cx, y + vs);
            }
        } else if (i == n - 2) {
            p.drawLine(x + half, y - 2 * vs, x + half, y + vs);
            p.drawLine(x + half, y + vs, x - bw - 1, y + vs);
        } else if (i < n - 1) {
            p.drawLine(x + half, y - 2 * vs, x + half, y);
        }
    }

    // The outer spine from the first box down to the top of the last one.
    if (n >= 2) {
        const int sx = m_leftMargin + hs + half;
        const int top = m_topMargin + vs + bh;
        const int length = (n - 2) * bh + 4 * vs + (n - 3) * 2 * vs;
        p.setPen(linePen);
        p.drawLine(sx, top, sx, top + length);
    }
}

void TwzWizardTree::mousePressEvent(QMouseEvent* event) {
    // Take the press so that the release, which makes the click, comes back here.
    event->accept();
}

void TwzWizardTree::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos))
        return;
    const int index = ItemAt(pos);
    if (index < 0 || index == m_itemIndex)
        return;
    UserSelect(index);
}

void TwzWizardTree::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        update();
}

void TwzWizardTree::MoveCursor(int index) {
    if (index < 0 || index >= m_items.size() || index == m_cursor)
        return;
    m_cursor = index;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
}

void TwzWizardTree::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        MoveCursor(m_cursor - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        MoveCursor(m_cursor + 1);
        break;
    case Qt::Key_Home:
        MoveCursor(0);
        break;
    case Qt::Key_End:
        MoveCursor(int(m_items.size()) - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_cursor != m_itemIndex)
            UserSelect(m_cursor);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TwzWizardTree::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_cursor = m_itemIndex;
    update();
}

void TwzWizardTree::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TwzWizardTree::UserSelect(int index) {
    bool allowChange = true;
    emit OnChanging(this, index, allowChange);
    if (!allowChange)
        return;
    setItemIndex(index);
    m_cursor = m_itemIndex;
    update();
    emit OnChange(this);
}

void TwzWizardTree::SelectPrior() {
    UserSelect(m_itemIndex < 1 ? m_itemIndex : m_itemIndex - 1);
}

void TwzWizardTree::SelectNext() {
    const int last = int(m_items.size()) - 1;
    UserSelect(m_itemIndex >= last ? m_itemIndex : m_itemIndex + 1);
}

void TwzWizardTree::SelectLast() {
    UserSelect(int(m_items.size()) - 1);
}

} // namespace tv
