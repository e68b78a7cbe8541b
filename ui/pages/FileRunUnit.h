#pragma once
// TFileRun: the window in which the author describes one program to run before or after
// installation or uninstallation: the program (folder variable and name, with the names of the
// project's files as suggestions), its arguments, its working folder, a message, how its window is
// shown and whether the setup waits for it. The run pages read it back after OK and store the row.

#include "core/Project.h"
#include "ui/editors/PickerWindow.h"

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace tv {

class TFileRun final : public TPickerWindow {
    Q_OBJECT
public:
    // project: where the file names offered as program names come from.
    explicit TFileRun(const TProject& project, QWidget* parent = nullptr);

    // The folder variables of both folder boxes, in list order.
    static const std::vector<std::string>& FolderVariables();

    // What the author chose, as project text (Windows-1252).
    std::string AppFolder() const;
    std::string AppName() const;
    std::string Arguments() const;
    std::string WorkFolder() const;
    std::string WorkName() const;
    std::string Message() const;
    int WindowMode() const; // 0..4
    int Waiting() const;    // 0..1

    // OK: closes with 1 unless a text would break the run list's row in the project file.
    void accept() override;

    static constexpr int kWidth = 484;
    static constexpr int kHeight = 190;

public slots:
    void FormCreate();
    void doOKClick() { accept(); }
    void doCancelClick() { reject(); }

private:
    const TProject& m_project;
    QComboBox* m_cbAppFolder = nullptr;
    QComboBox* m_cbAppName = nullptr;
    QLineEdit* m_edArguments = nullptr;
    QComboBox* m_cbWorkFolder = nullptr;
    QLineEdit* m_edWorkName = nullptr;
    QLineEdit* m_edMessage = nullptr;
    QComboBox* m_cbWindowMode = nullptr;
    QComboBox* m_cbWaiting = nullptr;
};

} // namespace tv
