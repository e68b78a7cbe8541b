#include "ui/main/RecentProjects.h"

#include <QAction>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QSettings>
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
    // The button is too narrow for a separate arrow: a click loads as before, pressing and holding
    // shows the list.
    button->setPopupMode(QToolButton::DelayedPopup);
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
        m_Menu->addAction("No recent projects")->setEnabled(false);
        return;
    }
    m_Menu->addSeparator();
    QAction* clear = m_Menu->addAction("&Clear List");
    clear->setObjectName("actClearRecent");
    connect(clear, &QAction::triggered, this, &TRecentProjects::Clear);
}

} // namespace tv
