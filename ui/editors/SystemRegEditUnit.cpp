#include "ui/editors/SystemRegEditUnit.h"

#include "core/ChangeLines.h"
#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"
#include "ui/editors/ContentsMemo.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/main/MessageText.h"

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

TSystemRegEdit::TSystemRegEdit(TProject& project, QWidget* parent)
    : TSystemEditWindow(project, parent, tr("Registry Key"), tr("Reg Add"), &RegLineProblem) {
    setObjectName("SystemRegEdit");
    setFixedSize(kWidth, kHeight);
    QWidget* page = Page();

    m_cbKey = new QComboBox(page);
    m_cbKey->setObjectName("cbKey");
    for (const auto& root : kRegRoots)
        m_cbKey->addItem(FromAnsi(root));
    m_cbKey->setCurrentIndex(0);
    m_cbKey->setFixedWidth(64);
    m_edKey = new QLineEdit(page);
    m_edKey->setObjectName("edKey");
    m_edKey->setAccessibleName(tr("Key path"));
    KeepAnsi(m_edKey);
    m_cbType = new QComboBox(page);
    m_cbType->setObjectName("cbType");
    for (const auto& type : kRegTypes)
        m_cbType->addItem(TranslatedMessage(FromAnsi(type))); // the line keeps the index, not the text

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 6, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto* keyRow = new QHBoxLayout;
    keyRow->setSpacing(2);
    keyRow->addWidget(m_cbKey);
    keyRow->addWidget(m_edKey, 1);
    auto* keyLabel = new QLabel(tr("Key"), page);
    keyLabel->setBuddy(m_cbKey);
    grid->addWidget(keyLabel, 0, 0);
    grid->addLayout(keyRow, 0, 1);
    auto* paramsLabel = new QLabel(tr("Params"), page);
    paramsLabel->setBuddy(m_edValues);
    grid->addWidget(paramsLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(m_edValues, 1, 1);
    auto* addLabel = new QLabel(tr("Add parameter :"), page);
    addLabel->setBuddy(m_edParam);
    grid->addWidget(addLabel, 2, 0);
    auto* addRow = new QHBoxLayout;
    addRow->setSpacing(4);
    addRow->addWidget(m_edParam, 1);
    addRow->addWidget(m_cbType);
    addRow->addWidget(m_cbFlags);
    grid->addLayout(addRow, 2, 1);
    auto* valueRow = new QHBoxLayout;
    valueRow->setSpacing(4);
    valueRow->addWidget(m_edValue, 1);
    valueRow->addWidget(m_btAdd);
    grid->addLayout(valueRow, 3, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    m_edParam->setPlaceholderText(tr("parameter"));
    m_edValue->setPlaceholderText(tr("value"));

    SetInfo(
        {tr("The name of the key should begins with:"),
         "/ow{15}/c{clnavy}HKCR/c{clbtntext}  /ow{15}HKEY_CLASSES_ROOT",
         "/ow{15}/c{clnavy}HKCU/c{clbtntext} /ow{18}HKEY_CURRENT_USER",
         "/ow{15}/c{clnavy}HKLM/c{clbtntext} /ow{19}HKEY_LOCAL_MACHINE",
         "/ow{15}/c{clnavy}HKU/c{clbtntext} /ow{25}HKEY_USERS"},
        {tr("Params are Parameters under Registry Key \"Key\","),
         tr("Format : /c{clnavy}<parameter>=<value>,<type>,<flags> /c{clbtntext}"),
         tr("/ow{44}/c{clnavy}<parameter> /c{clbtntext}: identifier, eg. PosX. It is also posible to use "
            "subkeys"),
         tr("/ow{44}/c{clnavy}<value> /c{clbtntext}/ow{24}: the value; if it is a binary parameter, defined "
            "using string contain "),
         tr("/ow{116} two-digits Hex which represent one-byte"),
         tr("/ow{116} eg: /c{clmaroon}BinData=07 A5 3E 54, 2, DONT_OVERWRITE"),
         tr("/ow{44}/c{clnavy}<type> /c{clbtntext}/ow{28}: 0=string (REG_SZ), 1=numeric(REG_DWORD), 2=binary "
            "(REG_BINARY)"),
         tr("/ow{44}/c{clnavy}<flags> /c{clbtntext}/ow{27}: flag, NO_LOG and DONT_OVERWRITE")});
}

void TSystemRegEdit::PrepareEdit(const QString& list, const QString& action, const std::string& key) {
    m_addList = list == "ADD";
    m_new = action != "EDIT";
    ResetParameterBoxes();
    m_cbType->setCurrentIndex(0);
    Tabs()->setTabText(0, m_addList ? tr("Add registry key") : tr("Remove registry key"));
    Tabs()->setCurrentIndex(0);

    if (m_new) {
        m_record = -1;
        m_cbKey->setCurrentIndex(1); // HKCU
        m_edKey->setText(FromAnsi("\\Software\\My Company\\" + m_project.AppName));
        m_edValues->clear();
    } else {
        m_record = Table().Current;
        std::string path = key;
        const std::string root = SplitFirst(path, "\\");
        const int index = m_cbKey->findText(FromAnsi(root), Qt::MatchExactly | Qt::MatchCaseSensitive);
        m_cbKey->setCurrentIndex(index);
        // A root the list does not hold still shows; the key is kept as it is written.
        m_cbKey->setPlaceholderText(index < 0 ? FromAnsi(root) : QString());
        m_edKey->setText(FromAnsi(path));
        m_cbKey->setEnabled(false);
        m_edKey->setEnabled(false);
        const TContentsRecord* record = Table().CurrentRecord();
        m_edValues->SetLines(record ? record->Contents : std::vector<std::string>());
    }
    m_edValues->document()->setModified(false);
}

QString TSystemRegEdit::NewLine(const QString& name, const QString& value) const {
    QString line = name + "=" + value + "," + QString::number(m_cbType->currentIndex());
    if (m_cbFlags->currentIndex() > 0)
        line += "," + m_cbFlags->currentText();
    return line;
}

TRecordTable<TContentsRecord>& TSystemRegEdit::Table() const {
    return m_addList ? m_project.tbRegAdd : m_project.tbRegDel;
}

bool TSystemRegEdit::Store() {
    if (!ContentsFit())
        return false;
    auto& table = Table();
    if (!m_new) {
        if (m_record >= 0 && m_record < table.Count())
            table.Records[std::size_t(m_record)].Contents = m_edValues->Lines();
        return true;
    }
    const std::string key = Utf8ToAnsi(m_cbKey->currentText().toStdString()).value_or("") + Ansi(m_edKey);
    // Keys that differ only in case name one section of the project file: refused as duplicates.
    if (IndexOfKeyIgnoringCase(table, key) >= 0) {
        ShowError(tr("That KEY already exist, use edit to modify"));
        return false;
    }
    if (table.Count() >= kMaxTableRows) {
        ShowError(tr("The list holds %1 keys, the most a project keeps.").arg(kMaxTableRows));
        return false;
    }
    table.Append({key, m_edValues->Lines()});
    return true;
}

} // namespace tv
