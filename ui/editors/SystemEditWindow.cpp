#include "ui/editors/SystemEditWindow.h"

#include "core/ChangeLines.h"
#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"
#include "ui/editors/ContentsMemo.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tv {

TSystemEditWindow::TSystemEditWindow(TProject& project, QWidget* parent, const QString& title,
                                     const QString& tabCaption, std::string (*lineCheck)(const std::string&))
    : TPickerWindow(parent, title, tabCaption), m_project(project) {
    QWidget* page = Page();
    m_edParam = new QLineEdit(page);
    m_edParam->setObjectName("edParam");
    m_edValue = new QLineEdit(page);
    m_edValue->setObjectName("edValue");
    m_edValue->setAccessibleName(tr("Parameter value"));
    m_cbFlags = new QComboBox(page);
    m_cbFlags->setObjectName("cbFlags");
    for (const auto& f : kChangeFlags)
        m_cbFlags->addItem(QString::fromStdString(f));
    m_btAdd = new TjdFlatButton(tr("Add"), page);
    m_btAdd->setObjectName("btAdd");
    m_btAdd->setMinimumSize(60, 21);
    m_edValues = new TContentsMemo(lineCheck, page);
    m_edValues->setObjectName("edValues");
    for (QLineEdit* edit : {m_edParam, m_edValue})
        KeepAnsi(edit);
    connect(m_btAdd, &TjdFlatButton::clicked, this, &TSystemEditWindow::btAddClick);

    auto* info = new QWidget(Tabs());
    info->setObjectName("TabSheet2");
    auto* infoBox = new QVBoxLayout(info);
    infoBox->setContentsMargins(8, 3, 8, 0);
    infoBox->setSpacing(4);
    m_lbInfo1 = new TDCLabel(info);
    m_lbInfo1->setObjectName("lbInfo1");
    m_lbInfo2 = new TDCLabel(info);
    m_lbInfo2->setObjectName("lbInfo2");
    for (TDCLabel* label : {m_lbInfo1, m_lbInfo2}) {
        label->setTransparent(true);
        label->setFontColor(palette().color(QPalette::ButtonText));
        infoBox->addWidget(label);
    }
    infoBox->addStretch(1);
    Tabs()->addTab(info, tr("Info"));
}

void TSystemEditWindow::SetInfo(const QStringList& first, const QStringList& second) {
    m_lbInfo1->setCaption(first.join("/#"));
    m_lbInfo2->setCaption(second.join("/#"));
}

void TSystemEditWindow::ResetParameterBoxes() {
    m_edParam->clear();
    m_edValue->clear();
    m_cbFlags->setCurrentIndex(0);
}

void TSystemEditWindow::btAddClick() {
    if (IsBlank(Ansi(m_edParam)) || IsBlank(Ansi(m_edValue)))
        return;
    m_edValues->AppendLine(NewLine(m_edParam->text(), m_edValue->text()));
    m_edParam->clear();
    m_edValue->clear();
    // Ready for the next parameter.
    m_edParam->setFocus();
}

bool TSystemEditWindow::ContentsFit() const {
    const auto lines = m_edValues->Lines().size();
    if (lines <= std::size_t(kMaxTableRows))
        return true;
    ShowError(tr("The parameters hold %1 lines:/#a key keeps at most %2.").arg(lines).arg(kMaxTableRows));
    return false;
}

void TSystemEditWindow::keyPressEvent(QKeyEvent* event) {
    // Enter in a parameter box adds the parameter rather than closing the window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier &&
        (focusWidget() == m_edParam || focusWidget() == m_edValue)) {
        btAddClick();
        return;
    }
    TPickerWindow::keyPressEvent(event);
}

void TSystemEditWindow::accept() {
    if (Store())
        done(1);
}

std::string TSystemEditWindow::Ansi(const QLineEdit* edit) {
    // The boxes refuse what the code page cannot hold, so the conversion succeeds.
    return Utf8ToAnsi(edit->text().toStdString()).value_or(std::string());
}

void TSystemEditWindow::ShowError(const QString& text) {
    wzDialog().MessageDlg(text, TMsgDlgType::mtError, 0, mbOK);
}

} // namespace tv
