#pragma once
// The compiler's output of the last Compile, read-only in a fixed-pitch face and opened at its end,
// where a compiler says what went wrong.

#include <QDialog>

#include <string>

class QPlainTextEdit;

namespace tv {

class TCompilerOutputForm final : public QDialog {
    Q_OBJECT
public:
    // output: the bytes the compiler wrote (the host's text).
    TCompilerOutputForm(const std::string& output, QWidget* parent = nullptr);

    QPlainTextEdit* Output() const { return m_meOutput; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* m_meOutput = nullptr;
};

} // namespace tv
