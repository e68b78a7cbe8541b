#pragma once
// TUndoHistory: every edit of the Project made in the window, as commands on the main window's
// QUndoStack.
//
// It keeps one picture of the Project as it was after the last recorded edit. Record() compares the
// Project with it and pushes only what differs, one command type per kind of change: the old and
// new value of a setting; rows edited in place (only their changed fields, for the records that
// have a field list; else the changed rows); rows removed or added, wherever they were (only those
// rows); one row moved (only the two places); anything else, the run of rows between the first and
// the last difference (every row for a clear). So an entry holds the change, never a copy of the
// project, and the pages need no code per kind of edit: they report that they edited, as they
// always did for Modified (TWizardPage::FieldChanged), and the history finds what.
//
// Typing in one field (a text box, a number box) merges into the command before it while nothing
// else came between, as text editors do.

#include "core/Project.h"

#include <QObject>

#include <cstddef>
#include <functional>

class QUndoStack;

namespace tv {

class TWizardPage;

// The tables and lists of the Project, as the pages show them.
enum class TListId {
    Files,
    Shortcuts,
    RegAdd,
    RegDel,
    Ini,
    StaticBitmaps,
    RunBefore,
    RunAfter,
    RunBeforeUn,
    RunAfterUn,
};

class TUndoHistory final : public QObject {
public:
    // Where an undone or redone change is to be shown.
    struct TShown {
        TWizardPage* Page = nullptr; // the page the edit was made on; null when not known
        bool IsList = false;         // a table or list changed (List, Row), else a setting
        TListId List = TListId::Files;
        int Row = -1; // the first changed row, as the list is now; -1 when it is empty
        const void* Value = nullptr; // a setting: its address in the Project
    };
    using TShow = std::function<void(const TShown&)>;

    // show runs after every undo and redo, to bring the change into view.
    TUndoHistory(TProject& project, QUndoStack& stack, TShow show, QObject* parent = nullptr);
    ~TUndoHistory() override;

    // Records what changed since the last record as one command (nothing when nothing changed).
    // typing: the edit was typed into page's field and merges with typing just before it in the same
    // field. setsModified: the edit set Modified, so its undo and redo set it too.
    void Record(TWizardPage* page, bool typing, bool setsModified);
    // The Project was replaced (New, Load) or changed outside the history: the stack is emptied and
    // the picture taken again.
    void Reset();
    // True while a command puts a state back; edits the pages report meanwhile are its own.
    bool Applying() const { return m_applying; }
    // While paused (the pages being shown a replaced Project), nothing is recorded.
    void SetPaused(bool paused) { m_paused = paused; }

    // Bytes the commands on the stack hold: their rows and texts, and the commands themselves.
    std::size_t HeldBytes() const;

    QUndoStack& Stack() const { return m_stack; }

    // For the commands.
    TProject& Project() const { return m_project; }
    TProject& Picture() { return m_picture; }
    void Applied(bool setsModified, const TShown& shown);

private:
    TProject& m_project;
    QUndoStack& m_stack;
    TShow m_show;
    TProject m_picture; // the Project after the last recorded edit
    bool m_applying = false;
    bool m_paused = false;
};

} // namespace tv
