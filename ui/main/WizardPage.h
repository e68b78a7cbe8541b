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

signals:
    // An edit set the Project's Modified flag.
    void projectEdited();

public slots:
    // The common change notification: marks the Project as changed and tells the window.
    void FieldChanged();

protected:
    TProject& Project() const { return m_project; }
    TFieldBinder& Binder() const { return *m_binder; }
    // First free y below the heading.
    int ContentTop() const;
    // Asks question with Yes and No; true only for Yes (Escape is No).
    bool Confirm(const QString& question) const;

private:
    TProject& m_project;
    TFieldBinder* m_binder = nullptr;
    QLabel* m_heading = nullptr;
};

} // namespace tv
