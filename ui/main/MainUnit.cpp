#include "ui/main/MainUnit.h"

#include "ui/lib/HelpWindow.h"
#include "ui/lib/KeyboardAccess.h"

#include "core/FileTypeRegistration.h"
#include "deploy/ScriptImport.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzAboutFormUnit.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MessageText.h"
#include "ui/main/RecentProjects.h"
#include "ui/main/WizardPage.h"
#include "ui/pages/BuildPage.h"
#include "ui/pages/ContentsListModel.h"
#include "ui/pages/DialogPage.h"
#include "ui/pages/FilesPage.h"
#include "ui/pages/MainWindowPage.h"
#include "ui/pages/RunInstallPage.h"
#include "ui/pages/RunUninstallPage.h"
#include "ui/pages/StartPage.h"
#include "ui/pages/SystemPage.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUndoStack>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>

namespace tv {

namespace {

const char* const kAboutText = QT_TRANSLATE_NOOP(
    "tv::TMain", "Tamvelox is a wizard-style script generator for Tamrin Installer 1.6/#"
                 "Some features of Tamrin Installer are not yet supported/#"
                 "in this version, for more info see readme file./#"
                 " /#"
                 "For detail information refer to Tamrin Installer docs./#"
                 "  Tamrin Installer - /c{clblue}https://tamrin-installer.example.org/c{clblack}/#"
                 "  Tamrin Installer is written by the Tamrin Installer team/#"
                 "  Email: team@tamrin-installer.example.org");

} // namespace

TMain::TMain(const QStringList& arguments, QWidget* parent) : QWidget(parent), m_Arguments(arguments) {
    setObjectName("Main");
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    // The designed size is the smallest; the lists and memos of the pages take any room beyond it.
    setMinimumSize(kWidth, kHeight);
    resize(kWidth, kHeight);
    InstallFontSubstitutes();
    setFont(DialogFont());
    setWindowTitle(kProductTitle);

    MakeEveryWindowKeyboardFriendly();
    THelpWindow::InstallHelpKey();
    CreatePages();
    CreateBottomBar();
    m_Recent = new TRecentProjects(this);
    m_Recent->AttachTo(m_btLoad);
    // The Load button's arrow widens it; the buttons after it move along.
    const int shift = m_btLoad->geometry().right() + 4 - m_btSave->x();
    for (QToolButton* button : {m_btSave, m_btExit})
        button->move(button->x() + shift, button->y());
    connect(m_Recent, &TRecentProjects::openRequested, this, &TMain::LoadRecent);

    // The window as created: first page, Previous off, Next and Finish as they are.
    m_wizPages->setCurrentIndex(0);
    m_btWizPrev->setEnabled(false);

    m_Commands = std::make_unique<TDocumentCommands>(
        m_Project, static_cast<IDocumentUi&>(*this),
        ProgramDataDir(QCoreApplication::applicationDirPath().toStdString()));
    TFileTypeInfo fileType;
    fileType.ExecutablePath = QCoreApplication::applicationFilePath().toStdString();
#ifndef _WIN32
    fileType.Icon = DesktopIcon(QCoreApplication::applicationDirPath().toStdString());
#endif
    m_Commands->Create([fileType](std::string* error) { return RegisterFileType(fileType, error); });
    m_Commands->SetScriptImporter([](const std::string& script) { return ImportEngineScript(script); });
    for (TWizardPage* page : m_Pages)
        page->LoadFromProject();
    CreateUndo();

    RestorePlacement();
}

TMain::~TMain() {
    // The stack empties itself when it goes, after this window is no longer one.
    if (m_UndoStack)
        m_UndoStack->disconnect(this);
}

TStartPage* TMain::StartPage() const {
    return Page<TStartPage>();
}

TBuildPage* TMain::BuildPage() const {
    return m_BuildPage;
}

const std::string& TMain::ScriptPath() const {
    return m_BuildPage->ScriptPath();
}

void TMain::CreatePages() {
    m_wiz = new TwzWizardTree(this);
    m_wiz->setObjectName("wiz");
    m_wiz->setItems({tr("Start"), tr("Main Window"), tr("Dialog Window"), tr("Files & Shortcuts"),
                     tr("System Changes"), tr("Run App Install"), tr("Run App Uninstall"), tr("Finish")});
    m_wiz->setColor(Qt::black);
    m_wiz->setFontColor(Qt::white);
    m_wiz->setLineColor(Qt::white);
    m_wiz->setSelectedBoxColor(QColor(0x00, 0xFF, 0x00));
    m_wiz->setBoxColor(QColor(0x80, 0x80, 0x80));
    m_wiz->setHorizontalSpace(4);
    m_wiz->setVerticalSpace(8);
    m_wiz->setBoxHeight(17);
    m_wiz->setBoxWidth(16);
    m_wiz->setLeftMargin(4);
    m_wiz->setTopMargin(4);
    m_wiz->setItemIndex(0);
    connect(m_wiz, &TwzWizardTree::OnChanging, this, &TMain::wizChanging, Qt::DirectConnection);
    connect(m_wiz, &TwzWizardTree::OnChange, this, &TMain::wizChange);

    // A 3-pixel gap to the right of the step list, then the pages.
    m_wizPages = new QStackedWidget(this);
    m_wizPages->setObjectName("wizPages");

    // The wizard's pages, in step order. A page is one class derived from TWizardPage and one entry
    // here; the steps without their page yet show a plain page with its heading.
    m_BuildPage = new TBuildPage(m_Project, m_wizPages);
    m_Pages = {
        new TStartPage(m_Project, m_wizPages),
        new TMainWindowPage(m_Project, m_wizPages),
        new TDialogPage(m_Project, m_wizPages),
        new TFilesPage(m_Project, m_wizPages),
        new TSystemPage(m_Project, m_wizPages),
        new TRunInstallPage(m_Project, m_wizPages),
        new TRunUninstallPage(m_Project, m_wizPages),
        m_BuildPage,
    };
    for (TWizardPage* page : m_Pages)
        m_wizPages->addWidget(page);
    connect(m_wizPages, &QStackedWidget::currentChanged, this, &TMain::wizPagesPageChanged);
    connect(m_BuildPage, &TBuildPage::busyChanged, this, &TMain::BuildBusyChanged);
    // Build refuses work that is not in the project file, also edits that leave Modified clear.
    m_BuildPage->setUnsavedWork([this] { return m_Commands && m_Commands->HasUnsavedWork(); });

    auto* rule = new QFrame(this);
    rule->setObjectName("rlBottom");
    rule->setAutoFillBackground(true);
    QPalette pal = rule->palette();
    pal.setColor(QPalette::Window, Qt::black);
    rule->setPalette(pal);
}

void TMain::CreateUndo() {
    m_UndoStack = new QUndoStack(this);
    m_History = new TUndoHistory(
        m_Project, *m_UndoStack, [this](const TUndoHistory::TShown& s) { ShowEdit(s); }, this);
    for (TWizardPage* page : m_Pages)
        page->SetHistory(m_History);
    connect(m_UndoStack, &QUndoStack::indexChanged, this, &TMain::UndoIndexChanged);
    MarkHistoryClean();

    // Window-wide keys. Ctrl+Y as well as the platform's redo key: both are what people try.
    const auto key = [this](QKeyCombination combination, void (TMain::*slot)()) {
        auto* shortcut = new QShortcut(QKeySequence(combination), this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    key(Qt::CTRL | Qt::Key_Z, &TMain::Undo);
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &TMain::Redo);
    key(Qt::CTRL | Qt::Key_Y, &TMain::Redo);

    // The lists' context menus. The actions carry no shortcut of their own (the keys above are the
    // window's); the text shows it.
    m_UndoAction = new QAction(tr("Undo\tCtrl+Z"), this);
    m_UndoAction->setObjectName("acUndo");
    m_RedoAction = new QAction(tr("Redo\tCtrl+Shift+Z"), this);
    m_RedoAction->setObjectName("acRedo");
    m_UndoAction->setEnabled(false);
    m_RedoAction->setEnabled(false);
    connect(m_UndoAction, &QAction::triggered, this, &TMain::Undo);
    connect(m_RedoAction, &QAction::triggered, this, &TMain::Redo);
    connect(m_UndoStack, &QUndoStack::canUndoChanged, m_UndoAction, &QAction::setEnabled);
    connect(m_UndoStack, &QUndoStack::canRedoChanged, m_RedoAction, &QAction::setEnabled);
    for (TWizardPage* page : m_Pages) {
        std::vector<QWidget*> lists;
        for (QAbstractItemView* view : page->findChildren<QAbstractItemView*>())
            if (view->window() == this) // not a combo box's drop-down list
                lists.push_back(view);
        // The registry lists are combo boxes over their table.
        for (QComboBox* combo : page->findChildren<QComboBox*>())
            if (qobject_cast<TContentsListModel*>(combo->model()))
                lists.push_back(combo);
        for (QWidget* list : lists) {
            list->setContextMenuPolicy(Qt::ActionsContextMenu);
            auto* separator = new QAction(list);
            separator->setSeparator(true);
            list->addActions({separator, m_UndoAction, m_RedoAction});
        }
        // A text box's own undo would only see its own typing, and would itself be recorded as an
        // edit: the window's history takes the keys instead (see eventFilter).
        for (QWidget* w : page->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                qobject_cast<QAbstractSpinBox*>(w))
                w->installEventFilter(this);
    }
}

namespace {
bool IsHistoryKey(const QKeyEvent* event) {
    const QKeySequence pressed(event->keyCombination());
    return pressed == QKeySequence(Qt::CTRL | Qt::Key_Z) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) ||
           pressed == QKeySequence(Qt::CTRL | Qt::Key_Y);
}
} // namespace

bool TMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsHistoryKey(key)) {
            // Taken as a key press of the box (not a shortcut), then turned into the window's command.
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
            } else if (key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Z)) {
                Undo();
            } else {
                Redo();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TMain::Undo() {
    if (m_BuildPage->Busy())
        return;
    // An edit no page reported yet is recorded first, so that it is what this undoes.
    m_History->Record(nullptr, false, false);
    m_UndoStack->undo();
}

void TMain::Redo() {
    if (m_BuildPage->Busy())
        return;
    m_History->Record(nullptr, false, false);
    m_UndoStack->redo();
}

void TMain::ShowEdit(const TUndoHistory::TShown& shown) {
    TWizardPage* page = shown.Page;
    if (shown.IsList) {
        for (TWizardPage* p : m_Pages)
            if (p->ShowListRow(shown.List, shown.Row)) {
                page = p;
                break;
            }
    } else if (page) {
        page->LoadFromProject();
    } else {
        for (TWizardPage* p : m_Pages)
            p->LoadFromProject();
    }
    if (!page)
        return;
    const int index = m_wizPages->indexOf(page);
    if (index >= 0 && index != m_wiz->ItemIndex()) {
        m_wiz->setItemIndex(index);
        wizChange(m_wiz);
    }
    // A setting's control takes the focus, so the eye finds what changed (its tab shown first).
    if (QWidget* control = shown.Value ? page->ControlOf(shown.Value) : nullptr) {
        for (QTabWidget* tabs : page->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->isAncestorOf(control))
                    tabs->setCurrentIndex(i);
        control->setFocus();
    }
}

void TMain::UndoIndexChanged() {
    if (m_HistoryResetting)
        return;
    if (m_UndoStack->isClean() && !m_Commands->HasUnsavedWork())
        m_Project.Modified = false;
}

void TMain::MarkHistoryClean() {
    m_HistoryResetting = true;
    m_History->Reset();
    // A new project is Modified from the start: it has no state to come back to. (An empty stack
    // keeps its clean state through clear(): it is set either way.)
    if (m_Project.Modified)
        m_UndoStack->resetClean();
    else
        m_UndoStack->setClean();
    m_HistoryResetting = false;
}

QToolButton* TMain::CreateToolButton(const char* name, const char* glyph, const QString& hint, int x,
                                     const QKeySequence& key) {
    auto* button = new QToolButton(findChild<QWidget*>("pnBottom"));
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(QIcon(QString(":/glyphs/") + glyph));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAccessibleDescription(key.toString(QKeySequence::NativeText));
    button->setGeometry(x, 3, 23, 23);
    // Reached by Tab, not taken by a click: a click leaves the focus in the field being edited.
    button->setFocusPolicy(Qt::TabFocus);
    // The key works wherever the focus is; a disabled button (during a build) ignores it.
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    return button;
}

void TMain::CreateBottomBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName("pnBottom");

    // Every document command has its key. New asks before it discards unsaved work, so its key is
    // as safe as its button.
    // F1 is the manual's (THelpWindow), in every window.
    m_btAbout =
        CreateToolButton("btAbout", "about.xpm", tr("About..."), 4, QKeySequence(Qt::SHIFT | Qt::Key_F1));
    m_btNew = CreateToolButton("btNew", "new.xpm", tr("Create new script"), 30, QKeySequence::New);
    m_btLoad =
        CreateToolButton("btLoad", "load.xpm", tr("Load Tamrin Installer Script"), 56, QKeySequence::Open);
    // The button (and Ctrl+Shift+S) asks where to save; Ctrl+S saves in place, as editors do.
    m_btSave = CreateToolButton("btSave", "save.xpm", tr("Save Tamrin Installer Velox Script (*.tvx)"), 82,
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto* saveInPlace = new QShortcut(QKeySequence::Save, this);
    connect(saveInPlace, &QShortcut::activated, this, &TMain::SaveInPlace);
    m_btExit = CreateToolButton("btExit", "exit.xpm", tr("Close Tamrin Installer Velox"), 108,
                                QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(m_btAbout, &QToolButton::clicked, this, &TMain::btAboutClick);
    connect(m_btNew, &QToolButton::clicked, this, &TMain::btNewClick);
    connect(m_btLoad, &QToolButton::clicked, this, &TMain::btLoadClick);
    connect(m_btSave, &QToolButton::clicked, this, &TMain::btSaveClick);
    connect(m_btExit, &QToolButton::clicked, this, &TMain::btExitClick);

    m_btWizFinish = new QPushButton(QIcon(":/glyphs/finish.xpm"), tr("&Finish"), bar);
    m_btWizFinish->setObjectName("btWizFinish");
    auto* separator = new QFrame(bar);
    separator->setObjectName("spWizButtons");
    separator->setAutoFillBackground(true);
    separator->setBackgroundRole(QPalette::Mid);
    m_btWizPrev = new QPushButton(tr("<< &Previous"), bar);
    m_btWizPrev->setObjectName("btWizPrev");
    m_btWizNext = new QPushButton(tr("&Next >>"), bar);
    m_btWizNext->setObjectName("btWizNext");
    LayOut();
    connect(m_btWizFinish, &QPushButton::clicked, this, &TMain::btWizFinishClick);
    connect(m_btWizPrev, &QPushButton::clicked, this, &TMain::btWizPrevClick);
    connect(m_btWizNext, &QPushButton::clicked, this, &TMain::btWizNextClick);
}

// The frame as designed at the smallest size; beyond it the pages take the room, the step list
// stays on the left and the bottom bar at the bottom, the wizard buttons at its right end.
void TMain::LayOut() {
    if (!m_btWizNext)
        return; // not made yet
    const int w = width();
    const int h = height();
    m_wiz->setGeometry(0, 0, 149, h - 32);
    m_wizPages->setGeometry(152, 0, w - 152, h - 32);
    findChild<QWidget*>("rlBottom")->setGeometry(0, h - 32, w, 2);
    QWidget* bar = findChild<QWidget*>("pnBottom");
    bar->setGeometry(0, h - 30, w, 30);
    const int right = w - kWidth; // how far the right-hand buttons move
    m_btWizFinish->setGeometry(right + 328, 2, 70, 25);
    bar->findChild<QWidget*>("spWizButtons")->setGeometry(right + 402, 2, 3, 25);
    m_btWizPrev->setGeometry(right + 408, 2, 70, 25);
    m_btWizNext->setGeometry(right + 481, 2, 70, 25);
}

void TMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

// ---- start-up and closing ----

void TMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_StartUpQueued) {
        m_StartUpQueued = true;
        QMetaObject::invokeMethod(this, &TMain::FormActivate, Qt::QueuedConnection);
    }
}

void TMain::keyPressEvent(QKeyEvent* event) {
    // A button that has the focus takes Enter as well as Space; the keys reach the window when the
    // focused control did not use them.
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        auto* button = qobject_cast<QAbstractButton*>(focusWidget());
        if (button && (qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)) &&
            button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TMain::FormActivate() {
    if (m_Commands->StartedUp())
        return;
    std::vector<std::string> args;
    for (const QString& a : m_Arguments)
        args.push_back(a.toStdString());
    m_Commands->StartUp(args, QDir::currentPath().toStdString());
    NoteRecent();
}

void TMain::closeEvent(QCloseEvent* event) {
    // A running Build or Compile finishes first; the window closes (after the usual question)
    // once it has.
    if (m_BuildPage->Busy()) {
        // A program Compile started may never end (a desktop application that stays open): the
        // author may let it go. No keeps the old way, closing once the wait is over.
        if (m_BuildPage->Waiting() &&
            ShowMessage(
                tr("Compile is waiting for \"%1\" to end./#Stop waiting and close ?/#"
                   "(The program goes on running.)")
                    .arg(QString::fromStdString(MarkupLiteral(m_BuildPage->WaitingFor().toStdString()))),
                TMsgDlgType::mtConfirmation, mbYes | mbNo) == mrYes)
            m_BuildPage->btStopWaitingClick();
        m_CloseWhenIdle = true;
        event->ignore();
        return;
    }
    if (!m_Commands->CloseQuery()) {
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
}

void TMain::BuildBusyChanged(bool busy) {
    m_btNew->setEnabled(!busy);
    m_btLoad->setEnabled(!busy);
    m_btSave->setEnabled(!busy);
    if (!busy && m_CloseWhenIdle) {
        m_CloseWhenIdle = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void TMain::RestorePlacement() {
    QSettings settings;
    const QPoint pos = settings.value("MainWindow/Position").toPoint();
    QScreen* screen =
        settings.contains("MainWindow/Position") ? QGuiApplication::screenAt(pos + QPoint(20, 20)) : nullptr;
    const QSize size = settings.value("MainWindow/Size").toSize();
    if (size.isValid()) {
        // Never larger than the screen it comes back on (it may be a smaller one by now).
        QSize room = size;
        if (QScreen* on = screen ? screen : QGuiApplication::primaryScreen())
            room = on->availableGeometry().size();
        resize(size.boundedTo(room).expandedTo(minimumSize()));
    }
    if (screen)
        move(pos);
    if (settings.value("MainWindow/Maximized").toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMain::SavePlacement() const {
    QSettings settings;
    const bool maximized = isMaximized();
    settings.setValue("MainWindow/Maximized", maximized);
    // A maximised window keeps the place and size it comes back to when restored.
    if (maximized) {
        const QRect normal = normalGeometry();
        if (normal.isValid()) {
            settings.setValue("MainWindow/Position", normal.topLeft() - (geometry().topLeft() - pos()));
            settings.setValue("MainWindow/Size", normal.size());
        }
        return;
    }
    settings.setValue("MainWindow/Position", pos());
    settings.setValue("MainWindow/Size", size());
}

// ---- bottom bar ----

void TMain::btAboutClick() {
    TwzAboutForm about(this);
    about.Notes()->setCaption(tr(kAboutText));
    about.exec();
}

void TMain::btNewClick() {
    if (m_BuildPage->Busy() || !m_Commands->ConfirmDiscard())
        return;
    m_Commands->New();
}

void TMain::btLoadClick() {
    if (m_BuildPage->Busy())
        return;
    if (m_Commands->Load())
        NoteRecent();
}

void TMain::LoadRecent(const QString& path) {
    if (m_BuildPage->Busy())
        return;
    if (m_Commands->Open(path.toStdString()))
        NoteRecent();
}

void TMain::NoteRecent() {
    if (!m_Project.IsUntitled())
        m_Recent->Add(QString::fromStdString(m_Project.FileName));
}

void TMain::btSaveClick() {
    if (m_BuildPage->Busy())
        return;
    if (m_Commands->Save())
        Saved();
}

void TMain::Saved() {
    // A save into another folder may have rewritten relative paths: that is an edit too, and the
    // state saved is the one to come back to.
    m_History->Record(nullptr, false, false);
    m_UndoStack->setClean();
    NoteRecent();
}

void TMain::SaveInPlace() {
    if (m_BuildPage->Busy() || !m_btSave->isEnabled())
        return;
    if (m_Commands->SaveInPlace())
        Saved();
}

void TMain::btExitClick() {
    close();
}

void TMain::btWizFinishClick() {
    m_wiz->SelectLast();
}
void TMain::btWizPrevClick() {
    m_wiz->SelectPrior();
}
void TMain::btWizNextClick() {
    m_wiz->SelectNext();
}

// ---- navigation ----

void TMain::wizChanging(TwzWizardTree*, int, bool& allowChange) {
    // No page is validated before it is left.
    allowChange = true;
}

void TMain::wizChange(TwzWizardTree*) {
    const int index = m_wiz->ItemIndex();
    m_wizPages->setCurrentIndex(index);
    const bool beforeLast = index < m_wiz->Items().size() - 1;
    m_btWizFinish->setEnabled(beforeLast);
    m_btWizNext->setEnabled(beforeLast);
    m_btWizPrev->setEnabled(index >= 1);
}

void TMain::wizPagesPageChanged(int index) {
    // The lines keep the outcome of the last build only while the project is unchanged since.
    if (m_wizPages->widget(index) == m_BuildPage && m_Project.Modified)
        m_BuildPage->ResetProgressLines();
}

// ---- IDocumentUi ----

int TMain::MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) {
    return ShowMessage(text, type, buttons);
}

void TMain::ShowPlainMessage(const std::string& text) {
    TwzDialog::PlainMessage(this, kProductTitle, TranslatedMessage(MessageToQString(text)));
}

// The file dialogs are made on first use: they cost more to make than the rest of the window.
QFileDialog* TMain::FileDialog(QFileDialog*& dialog, const char* name, bool save,
                               const QStringList& filters) {
    if (!dialog) {
        dialog = new QFileDialog(this);
        dialog->setObjectName(name);
        dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setDefaultSuffix("tvx");
        dialog->setNameFilters(filters);
    }
    return dialog;
}

QFileDialog* TMain::OpenDialog1() {
    return FileDialog(
        m_OpenDialog1, "OpenDialog1", false,
        {tr("Tamrin Installer Velox (*.tvx)"), tr("Tamrin Installer (*.tzn *.TZN)"), tr("All Files (*)")});
}

QFileDialog* TMain::SaveDialog1() {
    return FileDialog(m_SaveDialog1, "SaveDialog1", true,
                      {tr("Tamrin Installer Velox (*.tvx)"), tr("All Files (*)")});
}

bool TMain::RunFileDialog(QFileDialog* dialog, const QString& proposed, QString& fileName) {
    if (const auto scripted = TNameSeam::Take({dialog->objectName(), dialog->windowTitle(), QString(), proposed})) {
        fileName = *scripted;
        return !fileName.isEmpty();
    }
    if (proposed.isEmpty()) {
        dialog->selectFile(QString());
    } else {
        dialog->setDirectory(QFileInfo(proposed).absolutePath());
        dialog->selectFile(proposed);
    }
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return false;
    fileName = dialog->selectedFiles().constFirst();
    return !fileName.isEmpty();
}

bool TMain::OpenFileName(std::string& path) {
    QString name;
    if (!RunFileDialog(OpenDialog1(), QString(), name))
        return false;
    path = QDir::toNativeSeparators(name).toStdString();
    return true;
}

bool TMain::SaveFileName(const std::string& proposed, std::string& path) {
    QString name;
    // The dialog's own overwrite question would ask about the very file being edited too; ours asks
    // only when another existing file was chosen.
    SaveDialog1()->setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!RunFileDialog(SaveDialog1(), QString::fromStdString(proposed), name))
        return false;
    const QFileInfo chosen(name);
    if (chosen.exists() && (proposed.empty() || chosen != QFileInfo(QString::fromStdString(proposed))) &&
        ShowMessage(tr("%1 already exists./#Do you want to replace it?")
                        .arg(QString::fromStdString(MarkupLiteral(
                            QDir::toNativeSeparators(chosen.absoluteFilePath()).toStdString()))),
                    TMsgDlgType::mtConfirmation, mbYes | mbNo) != mrYes)
        return false;
    path = QDir::toNativeSeparators(name).toStdString();
    return true;
}

std::string TMain::WindowTitle() const {
    return windowTitle().toStdString();
}

void TMain::SetWindowTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void TMain::ShowFirstPage() {
    m_wiz->setItemIndex(0);
    wizChange(m_wiz);
    for (TWizardPage* page : m_Pages)
        page->ShowFirstTab();
}

void TMain::ResetProgressLines() {
    m_BuildPage->ResetProgressLines();
}

void TMain::RefreshPages() {
    // Showing a project is no edit of it.
    if (m_History)
        m_History->SetPaused(true);
    for (TWizardPage* page : m_Pages)
        page->LoadFromProject();
    if (m_History)
        m_History->SetPaused(false);
}

void TMain::DocumentReplaced() {
    m_BuildPage->ForgetBuild();
    if (m_History)
        MarkHistoryClean();
}

} // namespace tv
