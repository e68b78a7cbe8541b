#pragma once
// TFileProperties ("File Properties"): changes the target folder and the flags of files already in
// the project, one or several at once. The boxes start from the chosen files; where they differ, the
// target boxes start empty and a flag box shows the mixed state, and OK leaves that part of each
// file as it was unless the author changes it. Choosing only a variable there keeps each file's path
// below it.

#include "core/Project.h"
#include "ui/pages/FileDialogParts.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;

namespace tv {

class TFileProperties final : public QDialog {
    Q_OBJECT
public:
    TFileProperties(QWidget* parent, const std::vector<const TFileRecord*>& files);

    // Rewrites rec with what the dialog holds (after OK).
    void Apply(TFileRecord& rec) const;
    bool TargetChanged() const { return m_targetChanged; }

public slots:
    void doOKClick();

private:
    QComboBox* m_cbTarget = nullptr;
    QLineEdit* m_edTargetPath = nullptr;
    TFlagBoxes m_flags{};
    bool m_targetChanged = false;
    bool m_mixedTargets = false;
};

} // namespace tv
