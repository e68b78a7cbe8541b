#pragma once
// TSystemRegEdit: the editor of one registry change, a key (root and path) with its parameter lines
// name=value,type[,flags]. Opened by the System Changes page for the list of keys to create
// ("ADD") or to remove; stores the entry itself.

#include "ui/editors/SystemEditWindow.h"

class QLineEdit;

namespace tv {

class TSystemRegEdit final : public TSystemEditWindow {
    Q_OBJECT
public:
    explicit TSystemRegEdit(TProject& project, QWidget* parent = nullptr);

    // list: "ADD" for the keys to create, anything else for the keys to remove; action: "ADD" for
    // a new entry, "EDIT" for the list's current record, whose key is key (ANSI).
    void PrepareEdit(const QString& list, const QString& action, const std::string& key);

    static constexpr int kWidth = 511;
    static constexpr int kHeight = 250;

protected:
    QString NewLine(const QString& name, const QString& value) const override;
    bool Store() override;

private:
    TRecordTable<TContentsRecord>& Table() const;

    bool m_addList = true;
    bool m_new = true;
    int m_record = -1; // the record being edited
    QComboBox* m_cbKey = nullptr;
    QLineEdit* m_edKey = nullptr;
    QComboBox* m_cbType = nullptr;
};

} // namespace tv
