#include "ui/editors/SystemINIEditUnit.h"

#include "core/ChangeLines.h"
#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"
#include "ui/editors/ContentsMemo.h"
#include "ui/lib/jdFlatButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace tv {

namespace {

QString FromAnsi(const std::string& s) {
    return QString::fromStdString(AnsiToUtf8(s));
}

} // namespace

TSystemINIEdit::TSystemINIEdit(TProject& project, QWidget* parent)
    : TSystemEditWindow(project, parent, tr("INI Changes"), tr("INI Changes"), &IniLineProblem) {
    setObjectName("SystemINIEdit");
    setFixedSize(kWidth, kHeight);
    QWidget* page = Page();

    m_cbGroupTarget = new QComboBox(page);
    m_cbGroupTarget->setObjectName("cbGroupTarget");
    for (const auto& target : kIniTargets)
        m_cbGroupTarget->addItem(FromAnsi(target));
    m_cbGroupTarget->setCurrentIndex(0);
    m_cbGroupTarget->setMaxVisibleItems(14);
    m_cbGroupTarget->setFixedWidth(130);
    m_edINIFile = new QLineEdit(page);
    m_edINIFile->setObjectName("edINIFile");
    m_edINIFile->setAccessibleName(tr("INI file name"));
    m_edSection = new QLineEdit(page);
    m_edSection->setObjectName("edSection");
    for (QLineEdit* edit : {m_edINIFile, m_edSection})
        KeepAnsi(edit);

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto* fileRow = new QHBoxLayout;
    fileRow->setSpacing(2);
    fileRow->addWidget(m_cbGroupTarget);
    fileRow->addWidget(m_edINIFile, 1);
    auto* fileLabel = new QLabel(tr("INI file"), page);
    fileLabel->setBuddy(m_cbGroupTarget);
    grid->addWidget(fileLabel, 0, 0);
    grid->addLayout(fileRow, 0, 1);
    auto* sectionLabel = new QLabel(tr("Section"), page);
    sectionLabel->setBuddy(m_edSection);
    grid->addWidget(sectionLabel, 1, 0);
    grid->addWidget(m_edSection, 1, 1);
    auto* paramsLabel = new QLabel(tr("Params"), page);
    paramsLabel->setBuddy(m_edValues);
    grid->addWidget(paramsLabel, 2, 0, Qt::AlignTop);
    grid->addWidget(m_edValues, 2, 1);
    auto* addLabel = new QLabel(tr("Add parameter :"), page);
    addLabel->setBuddy(m_edParam);
    grid->addWidget(addLabel, 3, 0);
    auto* addRow = new QHBoxLayout;
    addRow->setSpacing(4);
    addRow->addWidget(m_edParam, 1);
    addRow->addWidget(m_cbFlags);
    addRow->addWidget(m_edValue, 1);
    addRow->addWidget(m_btAdd);
    grid->addLayout(addRow, 3, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    m_edINIFile->setPlaceholderText("\\file.ini");
    m_cbFlags->setFixedWidth(150);
    m_edParam->setPlaceholderText(tr("parameter"));
    m_edValue->setPlaceholderText(tr("value"));

    SetInfo({tr("INI file may not blank, and remember to add a backslash, it won't be added automatically"),
             tr("Section may not blank")},
            {tr("Params are Parameters under the Section of INI file"),
             tr("Format : /c{clnavy}<parameter>=<value>,<flags> /c{clbtntext}"),
             tr("/ow{44}/c{clnavy}<parameter> /c{clbtntext}: identifier, eg. PosX"),
             tr("/ow{44}/c{clnavy}<value> /c{clbtntext}/ow{24}: the value"),
             tr("/ow{44}/c{clnavy}<flags> /c{clbtntext}/ow{27}: flag, NO_LOG and DONT_OVERWRITE"),
             tr("Sample : /c{clnavy}InstallPath=%InstallPath%"),
             "/ow{44}/c{clnavy}Caption=Tamrin Installer"});
}

void TSystemINIEdit::PrepareEdit(const QString& action, const std::string& key) {
    m_new = action != "EDIT";
    ResetParameterBoxes();
    Tabs()->setCurrentIndex(0);
    if (m_new) {
        m_record = -1;
        m_cbGroupTarget->setCurrentIndex(0);
        m_edINIFile->clear();
        m_edSection->clear();
        m_edValues->clear();
    } else {
        m_record = m_project.tbINI.Current;
        const TIniKeyParts parts = SplitIniKey(key);
        const int index =
            m_cbGroupTarget->findText(FromAnsi(parts.Target), Qt::MatchExactly | Qt::MatchCaseSensitive);
        m_cbGroupTarget->setCurrentIndex(index);
        m_cbGroupTarget->setPlaceholderText(index < 0 ? FromAnsi(parts.Target) : QString());
        m_edINIFile->setText(FromAnsi(parts.File));
        m_edSection->setText(FromAnsi(parts.Section));
        // Editing keeps the key: boxes whose changes would not be kept are not offered.
        for (QWidget* w : std::initializer_list<QWidget*>{m_cbGroupTarget, m_edINIFile, m_edSection})
            w->setEnabled(false);
        const TContentsRecord* record = m_project.tbINI.CurrentRecord();
        m_edValues->SetLines(record ? record->Contents : std::vector<std::string>());
    }
}

QString TSystemINIEdit::NewLine(const QString& name, const QString& value) const {
    QString line = name + "=" + value;
    if (m_cbFlags->currentIndex() > 0)
        line += "," + m_cbFlags->currentText();
    return line;
}

bool TSystemINIEdit::Store() {
    if (!ContentsFit())
        return false;
    auto& table = m_project.tbINI;
    if (!m_new) {
        if (m_record >= 0 && m_record < table.Count())
            table.Records[std::size_t(m_record)].Contents = m_edValues->Lines();
        return true;
    }
    // The key joins its parts with "|": a "|" inside one would move the parts.
    for (const auto& [edit, field] :
         {std::pair{m_edINIFile, tr("INI file")}, std::pair{m_edSection, tr("Section")}})
        if (edit->text().contains('|')) {
            ShowError(tr("%1 may not hold \"|\":/#it separates the parts of the INI key.").arg(field));
            edit->setFocus();
            return false;
        }
    const std::string key = IniKey(Utf8ToAnsi(m_cbGroupTarget->currentText().toStdString()).value_or(""),
                                   Ansi(m_edINIFile), Ansi(m_edSection));
    if (IndexOfKeyIgnoringCase(table, key) >= 0) {
        ShowError(tr("That Section already exist, use edit to modify"));
        return false;
    }
    if (table.Count() >= kMaxTableRows) {
        ShowError(tr("The list holds %1 sections, the most a project keeps.").arg(kMaxTableRows));
        return false;
    }
    table.Append({key, m_edValues->Lines()});
    return true;
}

} // namespace tv
