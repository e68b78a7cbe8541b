#include "ui/main/RecentProjects.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include <algorithm>

namespace tv {

namespace {

const char* const kKey = "RecentProjects/Files";
// Long paths lose their middle in the menu; the tooltip has them whole.
constexpr int kMaxTextWidth = 420;

bool SameFile(const QString& a, const QString& b) {
#ifdef _WIN32
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

} // namespace

TRecentProjects::TRecentProjects(QObject* parent) : QObject(parent) {
    // A menu is a window of its own; this object owns it rather than a widget parent.
    m_Menu = std::make_unique<QMenu>();
    m_Menu->setObjectName("mnRecentProjects");
    m_Menu->setToolTipsVisible(true);
    connect(m_Menu.get(), &QMenu::aboutToShow, this, &TRecentProjects::RebuildMenu);
}

TRecentProjects::~TRecentProjects() = default;

QStringList TRecentProjects::Files() const {
    QStringList files = QSettings().value(kKey).toStringList();
    files.removeAll(QString());
    while (files.size() > kMaxCount)
        files.removeLast();
    return files;
}

void TRecentProjects::Store(const QStringList& files) {
    QSettings settings;
    if (files.isEmpty())
        settings.remove(kKey);
    else
        settings.setValue(kKey, files);
}

void TRecentProjects::Add(const QString& path) {
    if (path.isEmpty())
        return;
    QStringList files = Files();
    files.erase(
        std::remove_if(files.begin(), files.end(), [&](const QString& f) { return SameFile(f, path); }),
        files.end());
    files.prepend(path);
    while (files.size() > kMaxCount)
        files.removeLast();
    Store(files);
}

void TRecentProjects::Clear() {
    Store({});
}

void TRecentProjects::AttachTo(QToolButton* button) {
    button->setMenu(m_Menu.get());
    // A click loads as before; the arrow beside the glyph shows the list. The button grows by the
    // arrow so that the glyph keeps its room.
    button->setPopupMode(QToolButton::MenuButtonPopup);
    QStyleOptionToolButton option;
    option.initFrom(button);
    option.features = QStyleOptionToolButton::MenuButtonPopup;
    button->resize(button->width() +
                       button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button),
                   button->height());
    button->installEventFilter(this);
    const QString keys = button->accessibleDescription();
    button->setAccessibleDescription((keys.isEmpty() ? QString() : keys + ", ") +
                                     tr("Alt+Down: recent projects"));
}

// Alt+Down opens the list from the keyboard, as it opens a drop-down list.
bool TRecentProjects::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QToolButton*>(watched);
        if (button && button->isEnabled() && key->key() == Qt::Key_Down &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier) {
            button->showMenu();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TRecentProjects::RebuildMenu() {
    m_Menu->clear();
    const QStringList files = Files();
    const QFontMetrics metrics(m_Menu->font());
    int number = 0;
    for (const QString& path : files) {
        ++number;
        QString text = metrics.elidedText(path, Qt::ElideMiddle, kMaxTextWidth);
        text.replace('&', "&&");
        if (number < 10)
            text = QString("&%1 %2").arg(number).arg(text);
        QAction* action = m_Menu->addAction(text);
        action->setObjectName(QString("actRecent%1").arg(number));
        action->setToolTip(path);
        action->setData(path);
        action->setEnabled(QFileInfo(path).isFile());
        connect(action, &QAction::triggered, this, [this, path] { emit openRequested(path); });
    }
    if (files.isEmpty()) {
        m_Menu->addAction(tr("No recent projects"))->setEnabled(false);
        return;
    }
    m_Menu->addSeparator();
    QAction* clear = m_Menu->addAction(tr("&Clear List"));
    clear->setObjectName("actClearRecent");
    connect(clear, &QAction::triggered, this, &TRecentProjects::Clear);
}

} // namespace tv
