#pragma once
// TMain: the program's one window. A step list on the left, the eight wizard pages beside it, and a
// bottom bar with the document buttons (about, new, load, save, exit) and the wizard buttons
// (finish, previous, next). It owns the Project for the whole run; the document commands behind
// the buttons live in core (TDocumentCommands) and reach the window through IDocumentUi.
//
// The designed size is the smallest; a larger or maximised window gives the room to the pages (their
// lists and memos grow), the step list keeps the left edge and the bottom bar the bottom. Size,
// place and maximised state come back with the next start.
//
// The pages are one list of TWizardPage in step order (CreatePages); New and Load show the Project
// again through each page's LoadFromProject(), and Pages() and Page<T>() find them by type.
//
// Every edit of the Project is recorded on the window's undo stack (TUndoHistory): Ctrl+Z undoes,
// Ctrl+Shift+Z and Ctrl+Y redo, wherever the focus is in the window, and every list's context menu
// has Undo and Redo. New and Load empty the stack; Save marks its clean state, and undoing back to
// it with the project's text as saved clears Modified again.

#include "core/DocumentCommands.h"
#include "core/Project.h"
#include "ui/main/UndoHistory.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QFileDialog;
class QKeySequence;
class QStackedWidget;
class QToolButton;
class QPushButton;
class QUndoStack;
class QAction;

namespace tv {

class TBuildPage;
class TRecentProjects;
class TStartPage;
class TWizardPage;
class TwzWizardTree;

class TMain final : public QWidget, private IDocumentUi {
    Q_OBJECT
public:
    // arguments: the command line without the program name.
    explicit TMain(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TMain() override;

    TProject& Project() { return m_Project; }
    TDocumentCommands& Commands() { return *m_Commands; }
    // The wizard's pages in step order.
    const std::vector<TWizardPage*>& Pages() const { return m_Pages; }
    // The page of type P; nullptr when there is none.
    template <class P> P* Page() const {
        for (TWizardPage* page : m_Pages)
            if (auto* p = qobject_cast<P*>(page))
                return p;
        return nullptr;
    }
    TStartPage* StartPage() const;
    TBuildPage* BuildPage() const;
    // Path of the script the last Build wrote; empty before the first Build.
    const std::string& ScriptPath() const;
    QUndoStack& UndoStack() const { return *m_UndoStack; }
    TUndoHistory& History() const { return *m_History; }

    static constexpr int kPageCount = 8;
    // The smallest size, and the size of a first run.
    static constexpr int kWidth = 562;
    static constexpr int kHeight = 359;

public slots:
    // Start-up with the command-line argument; runs once, when the window is first shown.
    void FormActivate();

    void btAboutClick();
    void btNewClick();
    void btLoadClick();
    void btSaveClick();
    // Ctrl+S: saves under the project's file name, asking for one only when it has none.
    void SaveInPlace();
    void btExitClick();
    // A project chosen in the Load button's list of recent projects: loaded as Load does.
    void LoadRecent(const QString& path);
    // Undo and redo of the last edit (ignored while Build or Compile runs).
    void Undo();
    void Redo();
    void btWizFinishClick();
    void btWizPrevClick();
    void btWizNextClick();

    void wizChanging(tv::TwzWizardTree* sender, int newItemIndex, bool& allowChange);
    void wizChange(tv::TwzWizardTree* sender);
    void wizPagesPageChanged(int index);

protected:
    void showEvent(QShowEvent* event) override;
    // Enter presses the focused button.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Text boxes leave Ctrl+Z and its kin to the window's history.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // IDocumentUi
    int MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) override;
    void ShowPlainMessage(const std::string& text) override;
    bool OpenFileName(std::string& path) override;
    bool SaveFileName(const std::string& proposed, std::string& path) override;
    std::string WindowTitle() const override;
    void SetWindowTitle(const std::string& title) override;
    void ShowFirstPage() override;
    void ResetProgressLines() override;
    void RefreshPages() override;
    void DocumentReplaced() override;

    void CreatePages();
    void CreateUndo();
    // Shows an undone or redone change: its page, and the row in its list.
    void ShowEdit(const TUndoHistory::TShown& shown);
    // Modified follows the stack back to the state last loaded or saved.
    void UndoIndexChanged();
    // The project just loaded, saved or replaced is the stack's clean state.
    void MarkHistoryClean();
    // After a save that succeeded.
    void Saved();
    void CreateBottomBar();
    // Places the step list, the pages and the bottom bar for the window's size.
    void LayOut();
    QToolButton* CreateToolButton(const char* name, const char* glyph, const QString& hint, int x,
                                  const QKeySequence& key);
    QFileDialog* FileDialog(QFileDialog*& dialog, const char* name, bool save, const QStringList& filters);
    QFileDialog* OpenDialog1();
    QFileDialog* SaveDialog1();
    // Runs a file dialog, or takes the next scripted name. False when cancelled.
    bool RunFileDialog(QFileDialog* dialog, const QString& proposed, QString& fileName);
    // Build or Compile started or ended on the Build page.
    void BuildBusyChanged(bool busy);
    // The project's file joins the recent projects (after a load or save that succeeded).
    void NoteRecent();
    void RestorePlacement();
    void SavePlacement() const;

    TProject m_Project;
    std::unique_ptr<TDocumentCommands> m_Commands;
    QStringList m_Arguments;
    bool m_StartUpQueued = false;
    bool m_CloseWhenIdle = false;

    TwzWizardTree* m_wiz = nullptr;
    QStackedWidget* m_wizPages = nullptr;
    std::vector<TWizardPage*> m_Pages;
    TBuildPage* m_BuildPage = nullptr; // the last page, asked on every close and page change
    QToolButton* m_btAbout = nullptr;
    QToolButton* m_btNew = nullptr;
    QToolButton* m_btLoad = nullptr;
    QToolButton* m_btSave = nullptr;
    QToolButton* m_btExit = nullptr;
    QPushButton* m_btWizFinish = nullptr;
    QPushButton* m_btWizPrev = nullptr;
    QPushButton* m_btWizNext = nullptr;
    TRecentProjects* m_Recent = nullptr;
    QUndoStack* m_UndoStack = nullptr;
    TUndoHistory* m_History = nullptr;
    QAction* m_UndoAction = nullptr; // the lists' context menus
    QAction* m_RedoAction = nullptr;
    bool m_HistoryResetting = false;
    QFileDialog* m_OpenDialog1 = nullptr;
    QFileDialog* m_SaveDialog1 = nullptr;
};

} // namespace tv
