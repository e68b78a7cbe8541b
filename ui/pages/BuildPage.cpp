#include "ui/pages/BuildPage.h"

#include "deploy/CompileLauncher.h"
#include "deploy/DeploymentBuild.h"
#include "deploy/ProjectCheck.h"
#include "core/TextCodec.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MessageText.h"
#include "ui/pages/CompilerOutputUnit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

namespace tv {

namespace {

constexpr int kPageWidth = 410;
constexpr int kLineLeft = 24;
constexpr int kFirstLineTop = 78;
constexpr int kLineStep = 22;
const char* const kCleanBuildKey = "Build/CleanBuild";

QList<QPixmap> ProgressImages() {
    return {QPixmap(":/glyphs/progress_idle.xpm"), QPixmap(":/glyphs/progress_running.xpm"),
            QPixmap(":/glyphs/progress_done.xpm"), QPixmap(":/glyphs/progress_failed.xpm")};
}

} // namespace

TBuildPage::TBuildPage(TProject& project, QWidget* parent)
    : TWizardPage(project, "Build", tr("Build Scripts"), parent) {
    auto* help = new TDCLabel(this);
    help->setObjectName("lbBuildHelp");
    help->setTransparent(true);
    help->move(12, 32);
    help->setCaption(
        tr("Save the project, then /bBuild/b0 the deployment folder and /bCompile/b0 the setup./#"
           "Building copies only the files that changed; a clean build copies them all."));

    const QList<QPixmap> images = ProgressImages();
    static const char* const names[kProgressLineCount] = {"lbB1", "lbB2", "lbB3", "lbB4", "lbB5", "lbC1"};
    for (int line = 0; line < kProgressLineCount; ++line) {
        auto* label = new TDCLabel(this);
        label->setObjectName(names[line]);
        label->setTransparent(true);
        label->setImages(images);
        // "&&" in a caption stands for one ampersand; our labels draw text as it is.
        label->setCaption(
            TranslatedMessage(QString::fromStdString(ProgressCaption(line))).replace("&&", "&"));
        // The compile line sits apart, below the copy progress bar.
        const int top = line < lbC1 ? kFirstLineTop + line * kLineStep : kFirstLineTop + 5 * kLineStep + 30;
        label->move(kLineLeft, top);
        m_Lines[static_cast<std::size_t>(line)] = label;
    }

    m_lbCopy = new QLabel(this);
    m_lbCopy->setObjectName("lbCopy");
    m_lbCopy->setForegroundRole(QPalette::Highlight);
    m_lbCopy->setTextFormat(Qt::PlainText);
    const int copyLeft = kLineLeft + m_Lines[lbB2]->width() + 8;
    m_lbCopy->setGeometry(copyLeft, kFirstLineTop + kLineStep + 4, kPageWidth - copyLeft - 4, 16);
    m_lbCopy->hide();

    m_pbCopy = new QProgressBar(this);
    m_pbCopy->setObjectName("pbCopy");
    m_pbCopy->setGeometry(kLineLeft + 20, kFirstLineTop + 5 * kLineStep + 6, 340, 14);
    m_pbCopy->setRange(0, 1000);
    m_pbCopy->setValue(0);
    m_pbCopy->setTextVisible(false);
    m_pbCopy->setAccessibleName(tr("Copy progress"));

    m_btBuild = new QPushButton(tr("&Build Tamrin Installer Script"), this);
    m_btBuild->setObjectName("btBuild");
    m_btBuild->setGeometry(kLineLeft, 262, 178, 25);
    m_btCompile = new QPushButton(tr("&Compile Tamrin Installer setup"), this);
    m_btCompile->setObjectName("btCompile");
    m_btCompile->setGeometry(kLineLeft + 186, 262, 178, 25);
    m_btCheck = new QPushButton(tr("Chec&k"), this);
    m_btCheck->setObjectName("btCheck");
    m_btCheck->setToolTip(
        tr("List what would stop a build and what the setup would do other than the project says"));
    m_btCheck->setGeometry(kLineLeft + 290, kFirstLineTop - 2, 74, 23);
    // For the cautious: today's files are all copied again instead of trusting unchanged copies.
    m_cbCleanBuild = new QCheckBox(tr("C&lean build (copy every file again)"), this);
    m_cbCleanBuild->setObjectName("cbCleanBuild");
    m_cbCleanBuild->setToolTip("Clear the project's image folder and copy every file, not only the "
                               "files that changed since the last build");
    m_cbCleanBuild->setGeometry(kLineLeft, 292, 364, 20);
    m_cbCleanBuild->setChecked(QSettings().value(kCleanBuildKey, false).toBool());
    connect(m_cbCleanBuild, &QCheckBox::toggled, this,
            [](bool checked) { QSettings().setValue(kCleanBuildKey, checked); });
    connect(m_btCheck, &QPushButton::clicked, this, &TBuildPage::btCheckClick);
    connect(m_btBuild, &QPushButton::clicked, this, &TBuildPage::btBuildClick);
    connect(m_btCompile, &QPushButton::clicked, this, &TBuildPage::btCompileClick);

    // Beside the compile line: its output once a compile has ended (only where it can be caught).
    const int compileTop = ProgressLine(lbC1)->y();
    m_btCompilerOutput = new QPushButton(tr("Compiler &output"), this);
    m_btCompilerOutput->setObjectName("btCompilerOutput");
    m_btCompilerOutput->setGeometry(kLineLeft + 250, compileTop - 3, 114, 23);
    m_btCompilerOutput->setEnabled(false);
    m_btCompilerOutput->setVisible(CanCaptureProgramOutput());
    connect(m_btCompilerOutput, &QPushButton::clicked, this, &TBuildPage::btCompilerOutputClick);

    // While Compile waits for a program: what it waits for below the line, and in the output
    // button's place (there is no output before the compiler ended) the way out.
    m_lbWaiting = new QLabel(this);
    m_lbWaiting->setObjectName("lbWaiting");
    m_lbWaiting->setTextFormat(Qt::PlainText);
    m_lbWaiting->setForegroundRole(QPalette::Highlight);
    m_lbWaiting->setGeometry(kLineLeft + 20, compileTop + 20, 344, 16);
    m_lbWaiting->hide();
    // Where the last build went, as a link that opens the folder; shares the waiting line's place.
    m_lbBuilt = new QLabel(this);
    m_lbBuilt->setObjectName("lbBuilt");
    m_lbBuilt->setTextFormat(Qt::RichText);
    m_lbBuilt->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_lbBuilt->setGeometry(m_lbWaiting->geometry());
    m_lbBuilt->hide();
    connect(m_lbBuilt, &QLabel::linkActivated, this,
            [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    m_btStopWaiting = new QPushButton(tr("Stop &waiting"), this);
    m_btStopWaiting->setObjectName("btStopWaiting");
    m_btStopWaiting->setToolTip(tr("Stop waiting for the program; it goes on running on its own"));
    m_btStopWaiting->setGeometry(m_btCompilerOutput->geometry());
    m_btStopWaiting->hide();
    connect(m_btStopWaiting, &QPushButton::clicked, this, &TBuildPage::btStopWaitingClick);
    FollowPaletteText();
}

void TBuildPage::FollowPaletteText() {
    const QColor text = palette().color(QPalette::WindowText);
    for (TDCLabel* label : findChildren<TDCLabel*>())
        label->setFontColor(text);
}

void TBuildPage::changeEvent(QEvent* event) {
    TWizardPage::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        FollowPaletteText();
}

int TBuildPage::ProgressState(int line) const {
    const QString caption = ProgressLine(line)->Caption();
    return caption.size() > 4 ? caption.at(4).digitValue() : -1;
}

int TBuildPage::MessageDlg(const std::string& text, TMsgDlgType type, unsigned buttons) {
    return ShowMessage(text, type, buttons);
}

void TBuildPage::SetProgressState(int line, int state) {
    if (line < 0 || line >= kProgressLineCount)
        return;
    ShowPendingProgress(); // a step ends with its last file and the bar where they are
    TDCLabel* label = ProgressLine(line);
    QString caption = label->Caption();
    // The state is the one digit after "/im{": it picks the line's image.
    if (caption.size() > 4 && state >= 0 && state <= 9)
        caption[4] = QChar('0' + state);
    label->setCaption(caption);
    // The state shows as a picture; a screen reader reads it from the description.
    const QString stateNames[] = {tr("not done"), tr("running"), tr("done"), tr("failed")};
    label->setAccessibleDescription(state >= psIdle && state <= psFailed ? stateNames[state] : QString());
    label->repaint();
    // During a build or compile the rest of the window gets its turn too; outside them (New, Load,
    // arriving at the page) the repaint is enough and no other command can slip in.
    if (m_Busy)
        ProcessMessages();
}

void TBuildPage::ResetProgressLines() {
    for (int line = 0; line < kProgressLineCount; ++line)
        SetProgressState(line, psIdle);
    m_PendingCopy.reset();
    m_PendingBar = -1;
    m_pbCopy->setValue(0);
}

bool TBuildPage::RedrawDue() const {
    return !m_Redrawn.isValid() || m_Redrawn.elapsed() >= kRedrawMs;
}

void TBuildPage::ShowPendingProgress() {
    if (m_PendingCopy) {
        // A long file name loses its middle rather than its end, so the line still reads as a copy
        // of that file; the whole text stays in the hint.
        const QString full = TranslatedMessage(MessageToQString(*m_PendingCopy));
        m_lbCopy->setToolTip(full);
        m_lbCopy->setText(m_lbCopy->fontMetrics().elidedText(full, Qt::ElideMiddle, m_lbCopy->width()));
        m_PendingCopy.reset();
    }
    if (m_PendingBar >= 0)
        m_pbCopy->setValue(m_PendingBar);
    m_PendingBar = -1;
    m_Redrawn.start();
    m_Shown = true;
}

void TBuildPage::SetCopyText(const std::string& text) {
    m_PendingCopy = text;
    // The first name of a copy shows at once, later ones as often as the screen can show them.
    if (m_lbCopy->text().isEmpty() || RedrawDue())
        ShowPendingProgress();
}

void TBuildPage::ShowCopyText(bool visible) {
    ShowPendingProgress(); // the line keeps the last name it was given
    m_lbCopy->setVisible(visible);
}

void TBuildPage::SetProgress(std::uint64_t bytesDone, std::uint64_t bytesTotal, int filesDone,
                             int filesTotal) {
    // Bytes decide the bar; a build of empty files still moves it file by file.
    int value = 0;
    if (bytesTotal > 0)
        value = static_cast<int>(bytesDone * 1000 / bytesTotal);
    else if (filesTotal > 0)
        value = filesDone * 1000 / filesTotal;
    m_PendingBar = std::min(value, 1000);
    if (RedrawDue())
        ShowPendingProgress();
}

void TBuildPage::ProcessMessages() {
    // A rebuild keeps most files and asks for a turn after each: the window takes one when it has
    // shown something new, or when it has not had one for a redraw's time.
    if (!m_Shown && !RedrawDue())
        return;
    ShowPendingProgress();
    m_Shown = false;
    QCoreApplication::processEvents();
}

void TBuildPage::ForgetBuild() {
    m_ScriptPath.clear();
    m_lbBuilt->hide();
}

void TBuildPage::ShowBuilt(const std::string& folder, int files, std::uint64_t bytes, int kept) {
    const QString shown = QDir::toNativeSeparators(QString::fromStdString(HostToUtf8(folder)));
    const QString counts = TranslatedMessage(QString::fromStdString(CopiedText(files, bytes, kept)));
    const QFontMetrics metrics(m_lbBuilt->font());
    // The folder's name loses its middle rather than the counts their place.
    const int room =
        m_lbBuilt->width() - metrics.horizontalAdvance(tr("Built %1 (%2)").arg(QString(), counts)) - 4;
    const QString name = metrics.elidedText(shown, Qt::ElideMiddle, std::max(room, 40));
    const QString link =
        QString("<a href=\"%1\">%2</a>")
            .arg(QUrl::fromLocalFile(QString::fromStdString(HostToUtf8(folder))).toString().toHtmlEscaped(),
                 name.toHtmlEscaped());
    m_lbBuilt->setText(tr("Built %1 (%2)").arg(link, counts));
    m_lbBuilt->setToolTip(shown);
    m_lbBuilt->show();
}

void TBuildPage::WaitStarted(const std::string& program) {
    m_lbBuilt->hide();
    m_Waiting = true;
    m_StopWaiting = false;
    m_WaitingFor = MessageToQString(program);
    const QString text = tr("Waiting for \"%1\" to end...").arg(m_WaitingFor);
    m_lbWaiting->setToolTip(text);
    m_lbWaiting->setText(m_lbWaiting->fontMetrics().elidedText(text, Qt::ElideMiddle, m_lbWaiting->width()));
    m_lbWaiting->show();
    m_btCompilerOutput->hide();
    m_btStopWaiting->show();
}

void TBuildPage::WaitEnded() {
    m_Waiting = false;
    m_StopWaiting = false;
    m_WaitingFor.clear();
    m_lbWaiting->hide();
    m_btStopWaiting->hide();
    m_btCompilerOutput->setVisible(CanCaptureProgramOutput());
}

void TBuildPage::btStopWaitingClick() {
    if (m_Waiting)
        m_StopWaiting = true;
}

void TBuildPage::btCompilerOutputClick() {
    if (!m_HasCompilerOutput)
        return;
    TCompilerOutputForm view(m_CompilerOutput, window());
    view.exec();
}

void TBuildPage::SetBusy(bool busy) {
    m_Busy = busy;
    m_btBuild->setEnabled(!busy);
    m_btCompile->setEnabled(!busy);
    m_btCheck->setEnabled(!busy);
    m_btCompilerOutput->setEnabled(!busy && m_HasCompilerOutput);
    emit busyChanged(busy);
}

void TBuildPage::btBuildClick() {
    if (m_Busy)
        return;
    // Build itself shows Check's warnings before its question and refuses on an error.
    const bool unsaved = Project().Modified || (m_UnsavedWork && m_UnsavedWork());
    SetBusy(true);
    m_lbBuilt->hide();
    try {
        const TBuildResult r = Build(Project(), *this, m_ScriptPath, unsaved,
                                     m_cbCleanBuild->isChecked() ? TBuildMode::Clean : TBuildMode::Rebuild);
        if (r.Outcome == TBuildOutcome::Done)
            ShowBuilt(DeploymentPaths(Project()).Deploy, r.FilesCopied, r.BytesCopied, r.FilesKept);
    } catch (const std::exception& e) {
        MessageDlg(MarkupLiteral(e.what()), TMsgDlgType::mtError, mbOK);
    }
    ShowCopyText(false);
    SetBusy(false);
}

void TBuildPage::btCheckClick() {
    if (m_Busy)
        return;
    const TFindings findings = CheckProject(Project());
    if (findings.empty()) {
        MessageDlg(tr("No problems found.").toStdString(), TMsgDlgType::mtInformation, mbOK);
        return;
    }
    const auto errors = FindingTexts(findings, TFindingKind::Error);
    const auto warnings = FindingTexts(findings, TFindingKind::Warning);
    std::string text;
    if (!errors.empty())
        text = MarkupList(tr("Errors: the build refuses to start while these stand.").toStdString(), errors);
    if (!warnings.empty())
        text += (text.empty() ? "" : "/# /#") +
                MarkupList(tr("Warnings: the setup will not do exactly what the project says.").toStdString(),
                           warnings);
    MessageDlg(text, errors.empty() ? TMsgDlgType::mtWarning : TMsgDlgType::mtError, mbOK);
}

void TBuildPage::btCompileClick() {
    if (m_Busy)
        return;
    // The output shown is always the last compile's.
    m_HasCompilerOutput = false;
    m_CompilerOutput.clear();
    SetBusy(true);
    bool showOutput = false;
    try {
        TCompileResult r = Compile(*this, m_ScriptPath, m_CompileOptions);
        m_HasCompilerOutput = r.OutputCaptured;
        m_CompilerOutput = std::move(r.Output);
        showOutput = r.ShowOutput;
    } catch (const std::exception& e) {
        MessageDlg(MarkupLiteral(e.what()), TMsgDlgType::mtError, mbOK);
    }
    // Still part of the command: a close asked for meanwhile waits for the view too.
    if (showOutput)
        btCompilerOutputClick();
    SetBusy(false);
}

} // namespace tv
