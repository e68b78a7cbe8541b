#include "ui/pages/FileRunUnit.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "deploy/FileUtils.h"
#include "ui/editors/AnsiInput.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

namespace tv {

namespace {

QString FromAnsi(const std::string& s) {
    return QString::fromStdString(AnsiToUtf8(s));
}

std::string ToAnsi(const QString& s) {
    // The boxes refuse what the code page cannot hold, so the conversion succeeds.
    return Utf8ToAnsi(s.toStdString()).value_or(std::string());
}

constexpr int kRowHeight = 19;

QComboBox* FixedList(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    return combo;
}

} // namespace

const std::vector<std::string>& TFileRun::FolderVariables() {
    static const std::vector<std::string> variables = {"InstallPath",     "Presetup",
                                                       "BootDrive",       "Windows",
                                                       "System",          "AppFolder",
                                                       "Desktop",         "ProgramsMenu",
                                                       "StartMenu",       "StartupMenu",
                                                       "CommonDesktop",   "CommonProgramsMenu",
                                                       "CommonStartMenu", "CommonStartupMenu",
                                                       "Fonts",           "Personal",
                                                       "SendTo",          "Templates",
                                                       "ProgramFiles",    "CommonFiles",
                                                       "Delphi",          "BDE",
                                                       "ApplicationData", "QuickLaunch",
                                                       "IIS-WWWRoot",     "IIS-Scripts",
                                                       "Office97",        "Office2000"};
    return variables;
}

TFileRun::TFileRun(const TProject& project, QWidget* parent)
    : TPickerWindow(parent, tr("Run Application"), tr("Run Application")), m_project(project) {
    setObjectName("FileRun");
    // A title bar with no close box: the window is left through OK or Cancel (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setFixedSize(kWidth, kHeight);
    QFont bold = Tabs()->tabBar()->font();
    bold.setBold(true);
    Tabs()->tabBar()->setFont(bold);
    for (const char* name : {"doOK", "doCancel"})
        if (auto* button = findChild<TjdFlatButton*>(name))
            button->setFixedSize(65, 25);

    QWidget* page = Page();
    m_cbAppFolder = FixedList(page, "cbAppFolder");
    m_cbWorkFolder = FixedList(page, "cbWorkFolder");
    for (QComboBox* folder : {m_cbAppFolder, m_cbWorkFolder}) {
        for (const auto& variable : FolderVariables())
            folder->addItem(FromAnsi(variable));
        folder->setMaxVisibleItems(14);
        folder->setFixedWidth(130);
    }
    m_cbAppName = new QComboBox(page);
    m_cbAppName->setObjectName("cbAppName");
    m_cbAppName->setEditable(true);
    // Enter confirms the window; it does not add the typed name to the suggestions.
    m_cbAppName->setInsertPolicy(QComboBox::NoInsert);
    KeepAnsi(m_cbAppName->lineEdit());
    m_edArguments = new QLineEdit(page);
    m_edArguments->setObjectName("edArguments");
    m_edWorkName = new QLineEdit(page);
    m_edWorkName->setObjectName("edWorkName");
    m_edMessage = new QLineEdit(page);
    m_edMessage->setObjectName("edMessage");
    for (QLineEdit* edit : {m_edArguments, m_edWorkName, m_edMessage})
        KeepAnsi(edit);

    m_cbWindowMode = FixedList(page, "cbWindowMode");
    m_cbWindowMode->addItems({tr("0 - don't show window"), tr("1 - display window in normal size"),
                              tr("2 - display window as a maximized"),
                              tr("3 - display window as a minimized"), ""});
    m_cbWaiting = FixedList(page, "cbWaiting");
    m_cbWaiting->addItems(
        {tr("0 - Do not wait running application"), tr("1 - Wait until running application finished")});

    // Six rows in a small window: the boxes are a little lower than usual, so every item text fits.
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 3, 8, 1);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    auto addRow = [&](int row, const QString& caption, QWidget* first, QWidget* second,
                      Qt::Alignment align = {}) {
        auto* label = new QLabel(caption, page);
        label->setBuddy(first);
        grid->addWidget(label, row, 0);
        for (QWidget* w : {first, second})
            if (w)
                w->setFixedHeight(kRowHeight);
        if (!second) {
            grid->addWidget(first, row, 1, align);
            return;
        }
        auto* pair = new QHBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(first);
        pair->addWidget(second, 1);
        grid->addLayout(pair, row, 1);
    };
    // The label names the pair; each box of a pair gets its own name.
    m_cbAppFolder->setAccessibleName(tr("Application folder"));
    m_cbAppName->setAccessibleName(tr("Application name"));
    m_cbWorkFolder->setAccessibleName(tr("Working directory folder"));
    m_edWorkName->setAccessibleName(tr("Working directory name"));
    addRow(0, tr("Application name"), m_cbAppFolder, m_cbAppName);
    addRow(1, tr("Arguments"), m_edArguments, nullptr);
    addRow(2, tr("Working directory"), m_cbWorkFolder, m_edWorkName);
    addRow(3, tr("Message"), m_edMessage, nullptr);
    // The lists are as wide as their longest item.
    addRow(4, tr("Window mode"), m_cbWindowMode, nullptr, Qt::AlignLeft);
    addRow(5, tr("Waiting status"), m_cbWaiting, nullptr, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    if (auto* frame = qobject_cast<QBoxLayout*>(layout()))
        frame->setSpacing(3);

    FormCreate();
}

void TFileRun::FormCreate() {
    m_cbAppFolder->setCurrentIndex(0);
    m_cbAppName->clear();
    m_cbAppName->clearEditText();
    // Every file of the project is a candidate, in table order; names that repeat are kept.
    for (const TFileRecord& file : m_project.tbFiles.Records)
        m_cbAppName->addItem(FromAnsi(ExtractFileName(file.FileName)));
    m_cbAppName->setCurrentIndex(-1);
    m_cbAppName->clearEditText();
    m_edArguments->clear();
    m_cbWorkFolder->setCurrentIndex(0);
    m_edWorkName->clear();
    m_edMessage->clear();
    m_cbWindowMode->setCurrentIndex(1);
    m_cbWaiting->setCurrentIndex(1);
}

std::string TFileRun::AppFolder() const {
    return ToAnsi(m_cbAppFolder->currentText());
}
std::string TFileRun::AppName() const {
    return ToAnsi(m_cbAppName->currentText());
}
std::string TFileRun::Arguments() const {
    return ToAnsi(m_edArguments->text());
}
std::string TFileRun::WorkFolder() const {
    return ToAnsi(m_cbWorkFolder->currentText());
}
std::string TFileRun::WorkName() const {
    return ToAnsi(m_edWorkName->text());
}
std::string TFileRun::Message() const {
    return ToAnsi(m_edMessage->text());
}
int TFileRun::WindowMode() const {
    return m_cbWindowMode->currentIndex();
}
int TFileRun::Waiting() const {
    return m_cbWaiting->currentIndex();
}

void TFileRun::accept() {
    // The project file keeps a run entry as one line with its columns joined by "|".
    const std::pair<QLineEdit*, const char*> fields[] = {
        {m_cbAppName->lineEdit(), QT_TR_NOOP("Application name")},
        {m_edArguments, QT_TR_NOOP("Arguments")},
        {m_edWorkName, QT_TR_NOOP("Working directory")},
        {m_edMessage, QT_TR_NOOP("Message")}};
    for (const auto& [edit, field] : fields) {
        const QString text = edit->text();
        QString problem;
        if (text.contains('|'))
            problem = tr("%1 may not hold \"|\":/#the project file separates the columns of a run entry "
                         "with it.")
                          .arg(tr(field));
        else if (text.contains('\n') || text.contains('\r'))
            problem = tr("%1 may not hold a line break.").arg(tr(field));
        if (!problem.isEmpty()) {
            wzDialog().MessageDlg(problem, TMsgDlgType::mtError, 0, mbOK);
            edit->setFocus();
            return;
        }
    }
    TPickerWindow::accept();
}

} // namespace tv
