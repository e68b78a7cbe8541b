#include "ui/main/WizardPage.h"

#include "core/MsgDlg.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/FieldBinder.h"
#include "ui/main/PageHeading.h"
#include "ui/main/UndoHistory.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>

namespace tv {

QString StoredHostPath(const TProject& project, const QString& chosen) {
    if (project.IsUntitled())
        return chosen;
    return RelativeIfInside(QFileInfo(QString::fromStdString(HostToUtf8(project.FileName))).absolutePath(), chosen);
}

TWizardPage::TWizardPage(TProject& project, const QString& name, const QString& heading, QWidget* parent)
    : QWidget(parent), m_project(project) {
    setObjectName(name);
    m_heading = CreatePageHeading(this, heading);
    // Screen readers announce the page by its heading.
    setAccessibleName(heading);
    m_binder = new TFieldBinder(project, this, [this] { MarkModified(); });
    m_binder->SetRecorder([this](bool typing, bool setsModified) { Record(typing, setsModified); });
}

TWizardPage::~TWizardPage() = default;

void TWizardPage::LoadFromProject() {
    m_binder->Load();
}

void TWizardPage::ShowFirstTab() {
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        tabs->setCurrentIndex(0);
}

QWidget* TWizardPage::ControlOf(const void* value) const {
    return m_binder->ControlOf(value);
}

bool TWizardPage::ShowListRow(TListId, int) {
    return false;
}

void TWizardPage::FieldChanged() {
    MarkModified();
    Record(false, true);
}

void TWizardPage::MarkModified() {
    m_project.FieldChanged();
    emit projectEdited();
}

void TWizardPage::Record(bool typing, bool setsModified) {
    if (m_history)
        m_history->Record(this, typing, setsModified);
}

int TWizardPage::ContentTop() const {
    return m_heading->geometry().bottom() + 3;
}

bool TWizardPage::Confirm(const QString& question) const {
    return wzDialog().MessageDlg(question, TMsgDlgType::mtConfirmation, 0, mbYes | mbNo) == mrYes;
}

} // namespace tv
