#pragma once
// TWizardPage: the base of every wizard page. A page has a heading at the top, binds its controls
// to Project fields through Binder(), shows the Project again in LoadFromProject() (after New and
// Load), brings its tab controls to their first tab in ShowFirstTab(), and tells the window through
// projectEdited() when an edit set Modified.
//
// Adding a page: derive from TWizardPage, build the controls in the constructor (below
// ContentTop()), bind each one with one line of Binder(), and add the page to TMain's page list.
// A page with nothing of its own yet is a plain TWizardPage with its name and heading.

#include "core/Project.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace tv {

// A host path chosen in a dialog as the project keeps it: relative to the project file's folder when
// it lies inside it, so that the project can move with its folder; otherwise as chosen.
QString StoredHostPath(const TProject& project, const QString& chosen);

class TFieldBinder;
class TUndoHistory;
enum class TListId;

class TWizardPage : public QWidget {
    Q_OBJECT
public:
    // name: the page's objectName ("Start", "Full_Window" ...); heading: the text at its top.
    TWizardPage(TProject& project, const QString& name, const QString& heading, QWidget* parent = nullptr);
    ~TWizardPage() override;

    QLabel* Heading() const { return m_heading; }

    // A page's size in the window at its designed, smallest size. Beyond it the lists take the room.
    static constexpr int kDesignedWidth = 410;
    static constexpr int kDesignedHeight = 327;

    // Shows the Project's values in every control. Only reads: it writes neither the Project nor
    // Modified and emits no projectEdited(). The base shows every bound field; a page with more to
    // show (lists, previews) overrides it and calls the base.
    virtual void LoadFromProject();
    // Every tab control of the page shows its first tab.
    virtual void ShowFirstTab();
    // After an undo or redo changed the Project's list: a page that shows it shows it again with row
    // selected (and current) and returns true; the others return false.
    virtual bool ShowListRow(TListId list, int row);

    // The page's control of the Project value at this address; nullptr when it has none.
    QWidget* ControlOf(const void* value) const;

    // Where the page's edits are recorded for undo; none until the window sets it.
    void SetHistory(TUndoHistory* history) { m_history = history; }

signals:
    // An edit set the Project's Modified flag.
    void projectEdited();

public slots:
    // The common change notification: marks the Project as changed, tells the window, and records
    // the edit for undo.
    void FieldChanged();

protected:
    TProject& Project() const { return m_project; }
    TFieldBinder& Binder() const { return *m_binder; }
    // First free y below the heading.
    int ContentTop() const;
    // Asks question with Yes and No; true only for Yes (Escape is No).
    bool Confirm(const QString& question) const;

private:
    void MarkModified();
    void Record(bool typing, bool setsModified);

    TProject& m_project;
    TFieldBinder* m_binder = nullptr;
    TUndoHistory* m_history = nullptr;
    QLabel* m_heading = nullptr;
};

} // namespace tv
