#include "ui/main/FieldBinder.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"
#include "ui/editors/ColorViewUnit.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/ColorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QValidator>

#include <algorithm>

namespace tv {

namespace {

// Refuses any text holding a character the project's code page cannot store, and says which one.
class TAnsiValidator final : public QValidator {
public:
    TAnsiValidator(std::function<void(const QString&)> onRefused, QObject* parent)
        : QValidator(parent), m_onRefused(std::move(onRefused)) {}

    State validate(QString& input, int&) const override {
        const std::string utf8 = input.toStdString();
        if (Utf8ToAnsi(utf8))
            return Acceptable;
        m_onRefused(QString::fromStdString(FirstUnencodable(utf8)));
        return Invalid;
    }

private:
    std::function<void(const QString&)> m_onRefused;
};

QString FromAnsi(const std::string& ansi) {
    return QString::fromStdString(AnsiToUtf8(ansi));
}

} // namespace

TFieldBinder::TFieldBinder(TProject& project, QWidget* page, std::function<void()> fieldChanged)
    : QObject(page), m_project(project), m_page(page), m_fieldChanged(std::move(fieldChanged)) {}

void TFieldBinder::Changed(TEdits edits, bool typing) {
    const bool setsModified = edits == TEdits::SetModified;
    if (setsModified && m_fieldChanged)
        m_fieldChanged();
    if (m_recorder)
        m_recorder(typing, setsModified);
}

void TFieldBinder::Text(QLineEdit* edit, std::string TProject::*field, TEdits edits) {
    Text(edit, field, edits, TTextRule());
}

void TFieldBinder::Text(QLineEdit* edit, std::string TProject::*field, TEdits edits, TTextRule rule) {
    // A refused key is shown beside the box, not in a window per keystroke.
    edit->setValidator(new TAnsiValidator([edit](const QString& ch) { ShowRefused(edit, ch); }, edit));
    connect(edit, &QLineEdit::textChanged, this,
            [this, edit, field, edits, rule] { StoreText(edit, field, edits, rule); });
    m_loaders.push_back([this, edit, field] { edit->setText(FromAnsi(m_project.*field)); });
    m_widgets.push_back({&(m_project.*field), edit});
}

void TFieldBinder::StoreText(QLineEdit* edit, std::string TProject::*field, TEdits edits,
                             const TTextRule& rule) {
    const QString text = edit->text();
    if (!m_loading) {
        const std::string utf8 = text.toStdString();
        const auto ansi = Utf8ToAnsi(utf8);
        if (!ansi) {
            // Only a programmatic setText gets here (typing is stopped by the validator): put the
            // stored value back rather than keep a text the Project cannot hold.
            ReportRefused(QString::fromStdString(FirstUnencodable(utf8)));
            m_loading = true;
            edit->setText(FromAnsi(m_project.*field));
            m_loading = false;
            return;
        }
        m_project.*field = *ansi;
    }
    const QString reason = rule ? rule(text) : QString();
    if (rule)
        MarkRuleProblem(edit, reason);
    // A wrong text sets no Modified, but it is in the Project: it is an edit all the same.
    if (!m_loading)
        Changed(reason.isEmpty() ? edits : TEdits::KeepModified, !m_choosing);
}

void TFieldBinder::Check(QCheckBox* box, bool TProject::*field, TEdits edits) {
    connect(box, &QCheckBox::toggled, this, [this, field, edits](bool on) {
        if (m_loading)
            return;
        m_project.*field = on;
        Changed(edits);
    });
    m_loaders.push_back([this, box, field] { box->setChecked(m_project.*field); });
    m_widgets.push_back({&(m_project.*field), box});
}

void TFieldBinder::Index(QComboBox* combo, int TProject::*field, TEdits edits) {
    connect(combo, &QComboBox::currentIndexChanged, this, [this, field, edits](int index) {
        if (m_loading || index < 0)
            return;
        m_project.*field = index;
        Changed(edits);
    });
    m_widgets.push_back({&(m_project.*field), combo});
    m_loaders.push_back([this, combo, field] {
        const int index = m_project.*field;
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    });
}

void TFieldBinder::Choice(QComboBox* combo, std::string TProject::*field,
                          const std::vector<std::string>& words, TEdits edits) {
    combo->clear();
    for (const std::string& w : words)
        combo->addItem(FromAnsi(w));
    connect(combo, &QComboBox::currentIndexChanged, this, [this, field, words, edits](int index) {
        if (m_loading || index < 0)
            return;
        m_project.*field = words[static_cast<std::size_t>(index)];
        Changed(edits);
    });
    m_widgets.push_back({&(m_project.*field), combo});
    m_loaders.push_back([this, combo, field, words] {
        const auto it = std::find(words.begin(), words.end(), m_project.*field);
        combo->setCurrentIndex(it == words.end() ? -1 : int(it - words.begin()));
    });
}

void TFieldBinder::Number(QSpinBox* spin, std::int32_t TProject::*field, TEdits edits) {
    connect(spin, &QSpinBox::valueChanged, this, [this, field, edits](int value) {
        if (m_loading)
            return;
        m_project.*field = value;
        Changed(edits, true);
    });
    m_loaders.push_back([this, spin, field] { spin->setValue(m_project.*field); });
    m_widgets.push_back({&(m_project.*field), spin});
}

void TFieldBinder::Color(TColorButton* button, TColor TProject::*field, std::function<void(TColor)> picked) {
    connect(button, &TColorButton::clicked, this, [this, button, field, picked] {
        bool chosen = false;
        {
            TColorView picker(m_page->window());
            picker.SetSelectedColor(button->Color());
            if (picker.exec() == mrOk) {
                button->SetColor(picker.SelectedColor());
                m_project.*field = button->Color();
                chosen = true;
            }
        }
        if (chosen && picked)
            picked(button->Color());
        // Closing the picker counts as an edit, chosen or not.
        Changed(TEdits::SetModified);
    });
    m_loaders.push_back([this, button, field] { button->SetColor(m_project.*field); });
    m_widgets.push_back({&(m_project.*field), button});
}

void TFieldBinder::Load() {
    const bool wasLoading = m_loading;
    m_loading = true;
    for (const auto& load : m_loaders)
        load();
    m_loading = wasLoading;
}

QWidget* TFieldBinder::ControlOf(const void* value) const {
    for (const auto& [bound, widget] : m_widgets)
        if (bound == value)
            return widget;
    return nullptr;
}

bool TFieldBinder::SetChosenText(QLineEdit* edit, const QString& text) {
    const std::string utf8 = text.toStdString();
    if (!Utf8ToAnsi(utf8)) {
        ReportRefused(QString::fromStdString(FirstUnencodable(utf8)));
        return false;
    }
    m_choosing = true;
    edit->setText(text);
    m_choosing = false;
    return true;
}

bool TFieldBinder::IsMarkedWrong(const QLineEdit* edit) {
    return !RuleProblem(edit).isEmpty();
}

void TFieldBinder::ReportRefused(const QString& character) {
    m_refusedChar = character;
    if (m_refusalPending)
        return;
    // Shown once the key press or paste that caused it is over, never from inside the edit.
    m_refusalPending = true;
    QMetaObject::invokeMethod(this, &TFieldBinder::ShowRefusedMessage, Qt::QueuedConnection);
}

void TFieldBinder::ShowRefusedMessage() {
    m_refusalPending = false;
    wzDialog().MessageDlg(
        QCoreApplication::translate("tv::TFieldBinder",
                                    "The character \"%1\" cannot be used here:/#the project keeps its "
                                    "texts in the Windows-1252 character set.")
            .arg(m_refusedChar),
        TMsgDlgType::mtError, 0, mbOK);
}

} // namespace tv
