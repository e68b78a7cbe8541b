#pragma once
// TFieldBinder: ties a page's controls to Project fields, one line per control. An edit writes the
// control's value into the Project at once and, where the field's rule says so, runs the page's
// change notification (Modified). Load() shows the Project's values without writing anything back.
//
// Text goes into the Project in its code page (Windows-1252): a typed character the code page
// cannot hold is refused where it is typed and shown beside the box (AnsiInput.h); a chosen name
// the code page cannot hold is refused with a message.
//
//     Binder().Text(m_edAppName, &TProject::AppName, TEdits::SetModified);
//     Binder().Check(m_cbRemoveOldReferences, &TProject::TargetRemoveOldReferences, TEdits::KeepModified);
//     Binder().Text(m_edMainTitleFont, &TProject::MainTitleFont, TEdits::SetModified, FontRule);
//     Binder().Color(m_btGradientTop, &TProject::MainGradientTop);

#include "core/Project.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace tv {

class TColorButton;

// Whether a control's edits set the Project's Modified flag.
enum class TEdits { SetModified, KeepModified };

// A rule for a text that may be wrong while it is being typed (a font specification): returns the
// reason when text is wrong, an empty string when it is good. It runs on every change, also while
// loading, so it may bring a preview in line with a good text.
using TTextRule = std::function<QString(const QString& text)>;

class TFieldBinder final : public QObject {
public:
    // page: where refusals are reported from; fieldChanged: the page's common change notification.
    TFieldBinder(TProject& project, QWidget* page, std::function<void()> fieldChanged);

    // Free text in the code page.
    void Text(QLineEdit* edit, std::string TProject::*field, TEdits edits);
    // A text with a rule. A wrong text stays in the box and in the Project as typed, is marked beside
    // the field (tinted box, the reason as its tooltip) and sets no Modified.
    void Text(QLineEdit* edit, std::string TProject::*field, TEdits edits, TTextRule rule);
    void Check(QCheckBox* box, bool TProject::*field, TEdits edits);
    // The item index (a position list such as Left/Center/Right).
    void Index(QComboBox* combo, int TProject::*field, TEdits edits);
    // One of a fixed list of words, shown as the combo's items. A stored word outside the list shows
    // no selection and stays in the Project until another is picked.
    void Choice(QComboBox* combo, std::string TProject::*field, const std::vector<std::string>& words,
                TEdits edits);
    // A number; the box's range limits what can be typed. A stored value outside the range is shown
    // at the nearest end and stays in the Project until the box is edited.
    void Number(QSpinBox* spin, std::int32_t TProject::*field, TEdits edits);
    // A colour button: a click opens the colour picker on the button's colour; OK stores the picked
    // colour. Closing the picker sets Modified, chosen or not. picked runs after OK.
    void Color(TColorButton* button, TColor TProject::*field, std::function<void(TColor)> picked = {});

    // Runs after every edit of a bound field (after the change notification): typing tells a typed
    // text or number from a pick, a click or a chosen file; setsModified whether the edit set Modified.
    using TRecorder = std::function<void(bool typing, bool setsModified)>;
    void SetRecorder(TRecorder recorder) { m_recorder = std::move(recorder); }

    // Shows every bound field's value. Writes nothing into the Project and sets no Modified.
    void Load();
    // True while Load runs: handlers of the page that react to control signals can tell a shown
    // value from an edit.
    bool Loading() const { return m_loading; }

    // The control bound to the Project value at this address; nullptr when none of this binder's.
    QWidget* ControlOf(const void* value) const;

    // Puts a text chosen in a dialog (a browsed file) into edit, unless the code page cannot hold it;
    // then the author is told and the edit keeps its text. False when refused.
    bool SetChosenText(QLineEdit* edit, const QString& text);
    // The edit's text holds what its rule calls wrong (shown with its reason); false for edits
    // without a rule.
    static bool IsMarkedWrong(const QLineEdit* edit);
    // Tells the author in a message that a character cannot be stored (a chosen file name, a text a
    // program put in); merges refusals made in one go.
    void ReportRefused(const QString& character);

private:
    void StoreText(QLineEdit* edit, std::string TProject::*field, TEdits edits, const TTextRule& rule);
    void Changed(TEdits edits, bool typing = false);
    void ShowRefusedMessage();

    TProject& m_project;
    QWidget* m_page;
    std::function<void()> m_fieldChanged;
    TRecorder m_recorder;
    std::vector<std::function<void()>> m_loaders;
    std::vector<std::pair<const void*, QWidget*>> m_widgets; // the bound value's address, its control
    bool m_loading = false;
    bool m_choosing = false; // SetChosenText is putting a chosen text in
    QString m_refusedChar;
    bool m_refusalPending = false;
};

} // namespace tv
