#include "ui/lib/KeyboardAccess.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace tv {

namespace {

// The caption of the group box or tab page that holds w; empty when there is none.
QString EnclosingCaption(QWidget* w) {
    for (QWidget *child = w, *p = w->parentWidget(); p && !p->isWindow(); child = p, p = p->parentWidget()) {
        if (auto* group = qobject_cast<QGroupBox*>(p); group && !group->title().isEmpty())
            return group->title();
        if (auto* stack = qobject_cast<QStackedWidget*>(p))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) {
                const int index = tabs->indexOf(child);
                if (index >= 0)
                    return tabs->tabText(index);
            }
    }
    return {};
}

QString WithoutMnemonic(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

class TWindowShowFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType()) {
            auto* w = static_cast<QWidget*>(object);
            if (w->isWindow())
                MakeKeyboardFriendly(w);
        }
        return false;
    }
};

} // namespace

void MakeKeyboardFriendly(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        auto* view = qobject_cast<QAbstractItemView*>(w);
        if (view)
            view->setTabKeyNavigation(false);
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->accessibleName().isEmpty())
            continue;
        // Buttons and boxes with a caption, and edits with a label, are named by Qt already.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (!iface || !iface->text(QAccessible::Name).isEmpty())
            continue;
        if (!w->toolTip().isEmpty())
            w->setAccessibleName(w->toolTip());
        else if (view)
            w->setAccessibleName(WithoutMnemonic(EnclosingCaption(view)));
    }
}

void MakeEveryWindowKeyboardFriendly() {
    static TWindowShowFilter* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new TWindowShowFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace tv
