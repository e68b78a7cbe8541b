#pragma once
// The projects opened or saved last, newest first, kept with the window placement (QSettings), and
// the drop-down menu of the Load button that offers them again. A project that no longer exists
// stays in the list, greyed, with its path as tooltip: it may be on a drive that is not mounted.

#include <QObject>
#include <QStringList>

#include <memory>

class QMenu;
class QToolButton;

namespace tv {

class TRecentProjects final : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxCount = 8;

    explicit TRecentProjects(QObject* parent = nullptr);
    ~TRecentProjects() override;

    // The stored list, newest first.
    QStringList Files() const;
    // path becomes the newest entry; an older entry for the same file goes, the ninth falls off.
    void Add(const QString& path);
    void Clear();

    // Gives button the menu as a drop-down arrow beside its own click (the button grows by the
    // arrow's width); Alt+Down on the button opens it too.
    void AttachTo(QToolButton* button);
    // The menu, filled from the list each time it is about to show.
    QMenu* Menu() const { return m_Menu.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // An existing project was chosen in the menu.
    void openRequested(const QString& path);

private:
    void RebuildMenu();
    void Store(const QStringList& files);

    std::unique_ptr<QMenu> m_Menu;
};

} // namespace tv
