#pragma once
// The frame the registry and INI change editors share: the title-less picker window with the
// entry tab and an "Info" tab of two markup labels, the parameter memo, and the "Add parameter"
// boxes (name, value, flags) with their Add button. The editors store their record themselves on
// OK and close with 1; Cancel closes with 2 and writes nothing.

#include "core/Project.h"
#include "ui/editors/PickerWindow.h"

#include <string>

class QComboBox;
class QLineEdit;

namespace tv {

class TContentsMemo;
class TDCLabel;
class TjdFlatButton;

class TSystemEditWindow : public TPickerWindow {
    Q_OBJECT
public:
    // OK: stores the entry when it may be stored, and closes with 1.
    void accept() override;

public slots:
    void btAddClick();
    void doOKClick() { accept(); }

protected:
    TSystemEditWindow(TProject& project, QWidget* parent, const QString& title, const QString& tabCaption,
                      std::string (*lineCheck)(const std::string&));

    void keyPressEvent(QKeyEvent* event) override;

    // The line Add appends for the untrimmed name and value texts.
    virtual QString NewLine(const QString& name, const QString& value) const = 0;
    // Stores the entry; false keeps the window open (the reason has been shown).
    virtual bool Store() = 0;

    // The Info tab's two labels, one markup line per element.
    void SetInfo(const QStringList& first, const QStringList& second);
    // Empties the parameter boxes and selects "None" as flags.
    void ResetParameterBoxes();
    // Refuses (with a message) memo contents the project file cannot number.
    bool ContentsFit() const;
    // The ANSI text of a box.
    static std::string Ansi(const QLineEdit* edit);
    static void ShowError(const QString& text);

    TProject& m_project;
    QLineEdit* m_edParam = nullptr;
    QLineEdit* m_edValue = nullptr;
    QComboBox* m_cbFlags = nullptr;
    TjdFlatButton* m_btAdd = nullptr;
    TContentsMemo* m_edValues = nullptr;
    TDCLabel* m_lbInfo1 = nullptr;
    TDCLabel* m_lbInfo2 = nullptr;
};

} // namespace tv
