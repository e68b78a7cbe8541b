#pragma once
// Page 4 of the wizard, "Registry & INI Changes": the registry keys to create and to remove (tab
// "Registry", groups "Add" and "Delete") and the INI sections to write (tab "INI"). The editors
// store the entries; the page opens them, removes entries, imports registry exports (.reg) into
// the lists, and shows the Project's tables through item models.

#include "ui/main/WizardPage.h"

#include <QString>

#include <functional>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QTableView;
class QTabWidget;
class QToolButton;

namespace tv {

class TContentsListModel;

class TSystemPage final : public TWizardPage {
    Q_OBJECT
public:
    explicit TSystemPage(TProject& project, QWidget* parent = nullptr);

    // Shows the three tables again, each with its first entry current.
    void LoadFromProject() override;
    bool ShowListRow(TListId list, int row) override;

    // Reads the registry export at path (a host path) into the two registry lists, asking before
    // keys already listed take its values. False when nothing could be read.
    bool ImportRegFile(const QString& path);

public slots:
    // "Add" group
    void jdFlatButton4Click();
    void jdFlatButton7Click();
    void jdFlatButton5Click();
    void jdFlatButton6Click();
    void edRegAddKeyChange(int index);
    void btRegImportClick();
    // "Delete" group
    void jdFlatButton8Click();
    void jdFlatButton9Click();
    void jdFlatButton10Click();
    void jdFlatButton11Click();
    void edRegDelKeyChange(int index);
    // INI
    void jdFlatButton1Click();
    void jdFlatButton2Click();
    void jdFlatButton3Click();
    void jdFlatButton15Click();
    void lvINIClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TRegGroup {
        TRecordTable<TContentsRecord> TProject::*Table;
        const char* ListWord;
        QComboBox* Keys = nullptr;
        QPlainTextEdit* Params = nullptr;
        TContentsListModel* Model = nullptr;
    };

    QGroupBox* CreateRegGroup(TRegGroup& group, const QString& title, const char* keyName,
                              const char* paramsName, const char* buttons[4]);
    QWidget* CreateIniTab();

    TRecordTable<TContentsRecord>& Table(const TRegGroup& group) const { return Project().*group.Table; }
    void RefreshRegView(TRegGroup& group, int n);
    void RefreshIniView(int n);
    void PickKey(TRegGroup& group, int index);
    void AddKey(TRegGroup& group);
    void EditKey(TRegGroup& group);
    // Remove and Clear list of any list: ask, change the table on Yes, show it again either way.
    void RemoveEntry(TRecordTable<TContentsRecord>& table, const std::function<void()>& refresh);
    void ClearEntries(TRecordTable<TContentsRecord>& table, const std::function<void()>& refresh);
    // Asks question; true on Yes.
    bool ListIsFull(int count) const;

    QTabWidget* m_pcSystem = nullptr;
    QGroupBox* m_grRegAdd = nullptr;
    TRegGroup m_add{&TProject::tbRegAdd, "ADD"};
    TRegGroup m_del{&TProject::tbRegDel, "DEL"};
    QTableView* m_lvINI = nullptr;
    QPlainTextEdit* m_mmINI = nullptr;
    TContentsListModel* m_iniModel = nullptr;
    bool m_refreshing = false;
};

} // namespace tv
