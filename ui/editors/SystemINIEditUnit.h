#pragma once
// TSystemINIEdit: the editor of one INI change, a section of an INI file (target folder, file path,
// section) with its parameter lines name=value[,flags]. Opened by the System Changes page; stores
// the entry itself.

#include "ui/editors/SystemEditWindow.h"

class QLineEdit;

namespace tv {

class TSystemINIEdit final : public TSystemEditWindow {
    Q_OBJECT
public:
    explicit TSystemINIEdit(TProject& project, QWidget* parent = nullptr);

    // action: "ADD" for a new entry, "EDIT" for the current record of tbINI, whose key is key (ANSI).
    void PrepareEdit(const QString& action, const std::string& key);

    static constexpr int kWidth = 512;
    static constexpr int kHeight = 250;

protected:
    QString NewLine(const QString& name, const QString& value) const override;
    bool Store() override;

private:
    bool m_new = true;
    int m_record = -1;
    QComboBox* m_cbGroupTarget = nullptr;
    QLineEdit* m_edINIFile = nullptr;
    QLineEdit* m_edSection = nullptr;
};

} // namespace tv
