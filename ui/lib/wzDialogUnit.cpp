#include "ui/lib/wzDialogUnit.h"

#include "core/TextCodec.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogFormUnit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <deque>

namespace tv {

namespace {

// Made when a dialog object is, so that they follow the translator installed at start.
QStringList DefaultCaptions() {
    return {TwzDialog::tr("Confirmation"), QString(), TwzDialog::tr("Error"), TwzDialog::tr("Information"),
            TwzDialog::tr("Warning")};
}
const QStringList kShortListCaptions{QStringLiteral("Persetujuan"), QString(), QStringLiteral("Error"),
                                     QStringLiteral("Informasi"), QStringLiteral("Peringatan")};

struct TScript {
    std::deque<int> answers;
    std::vector<TwzDialog::TAsked> asked;
    bool refuseUnscripted = false;
};

TScript& script() {
    static TScript s;
    return s;
}

QString fromAnsi(const std::string& s) {
    return QString::fromStdString(AnsiToUtf8(s));
}

} // namespace

// The four properties a call changes, put back when it ends (also when it throws).
struct TwzDialog::TSaved {
    explicit TSaved(TwzDialog& d)
        : dialog(d), text(d.m_textMsg), type(d.m_dialogType), buttons(d.m_dialogButtons),
          help(d.m_helpContextID) {}
    ~TSaved() {
        dialog.m_textMsg = text;
        dialog.m_dialogType = type;
        dialog.m_dialogButtons = buttons;
        dialog.m_helpContextID = help;
    }
    TwzDialog& dialog;
    QString text;
    TMsgDlgType type;
    unsigned buttons;
    int help;
};

TwzDialog::TwzDialog(QObject* parent) : QObject(parent), m_captions(DefaultCaptions()) {
    setObjectName(QStringLiteral("wzDialog"));
}

TwzDialog::~TwzDialog() = default;

void TwzDialog::setCaptions(const QStringList& captions) {
    m_captions = captions.size() < 5 ? kShortListCaptions : captions;
}

std::unique_ptr<TwzDialogForm> TwzDialog::CreateForm(bool withEdit, QWidget* parent) const {
    auto form = std::make_unique<TwzDialogForm>(parent);
    form->LayoutMessage(m_textMsg, m_dialogType, m_dialogButtons, m_helpContextID, m_caption, m_captions,
                        withEdit);
    return form;
}

std::unique_ptr<TwzDialogForm> TwzDialog::CreateMessageForm(const QString& text, TMsgDlgType type,
                                                            int helpContext, unsigned buttons,
                                                            QWidget* parent) {
    TSaved saved(*this);
    m_textMsg = text;
    m_dialogType = type;
    m_helpContextID = helpContext;
    m_dialogButtons = buttons;
    return CreateForm(false, parent);
}

std::unique_ptr<TwzDialogForm> TwzDialog::CreateInputForm(const QString& caption, const QString& prompt,
                                                          const QString& value, QWidget* parent) {
    TSaved saved(*this);
    m_dialogType = TMsgDlgType::mtCustom;
    m_dialogButtons = mbOK | mbCancel;
    if (!prompt.isEmpty())
        m_textMsg = prompt;
    auto form = CreateForm(true, parent);
    if (!caption.isEmpty())
        form->setWindowTitle(caption);
    form->editText()->setText(value);
    form->editText()->selectAll();
    return form;
}

int TwzDialog::showForm(TwzDialogForm& form) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        QPoint pos = area.center() - QPoint(form.width() / 2, form.height() / 2);
        // Never above or left of the free area, where the title bar could not be reached.
        pos.setX(std::max(pos.x(), area.left()));
        pos.setY(std::max(pos.y(), area.top()));
        form.move(pos);
    }
    connect(&form, &TwzDialogForm::helpRequested, this, &TwzDialog::helpRequested);
    PlaySystemSound(form.Sound());
    return form.exec();
}

int TwzDialog::MessageDlg(const QString& text, TMsgDlgType type, int helpContext, unsigned buttons) {
    TScript& s = script();
    if (!s.answers.empty() || s.refuseUnscripted) {
        int result = mrCancel;
        if (!s.answers.empty()) {
            result = s.answers.front();
            s.answers.pop_front();
        } else {
            qWarning("TwzDialog: unscripted message refused: %s", qPrintable(text));
        }
        s.asked.push_back(TAsked{text, QString(), type, buttons, false, false, result});
        return result;
    }
    auto form = CreateMessageForm(text, type, helpContext, buttons, QApplication::activeWindow());
    const int modal = showForm(*form);
    if (modal == QDialog::Accepted && form->ResultCode() != mrNone)
        return form->ResultCode();
    // Closed without a button: never "go ahead".
    return form->EscapeResult() != mrNone ? form->EscapeResult() : int(mrCancel);
}

int TwzDialog::MessageDlg(const std::string& ansiText, TMsgDlgType type, int helpContext, unsigned buttons) {
    return MessageDlg(fromAnsi(ansiText), type, helpContext, buttons);
}

int TwzDialog::MessageDlg(const char* text, TMsgDlgType type, int helpContext, unsigned buttons) {
    return MessageDlg(QString::fromUtf8(text), type, helpContext, buttons);
}

int TwzDialog::InputQuery(const QString& caption, const QString& prompt, QString& value) {
    if (const auto scripted = TNameSeam::Take({QStringLiteral("InputQuery"), caption, prompt, value})) {
        if (scripted->isNull())
            return mrCancel;
        if (!scripted->isEmpty())
            value = *scripted;
        return mrOk;
    }
    TScript& s = script();
    if (s.refuseUnscripted) {
        qWarning("TwzDialog: unscripted input query refused: %s", qPrintable(prompt));
        s.asked.push_back(TAsked{prompt, caption, TMsgDlgType::mtCustom, mbOK | mbCancel, true, false, mrNone});
        return mrNone;
    }
    auto form = CreateInputForm(caption, prompt, value, QApplication::activeWindow());
    showForm(*form);
    const int result = form->ResultCode();
    if (result == mrOk && !form->editText()->text().isEmpty())
        value = form->editText()->text();
    return result;
}

int TwzDialog::InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    QString entry = fromAnsi(value);
    const int result = InputQuery(fromAnsi(caption), fromAnsi(prompt), entry);
    if (result != mrOk)
        return result;
    const std::string utf8 = entry.toStdString();
    const std::optional<std::string> ansi = Utf8ToAnsi(utf8);
    if (!ansi) {
        MessageDlg(tr("The character \"%1\" cannot be stored,/#please use another one")
                       .arg(QString::fromStdString(FirstUnencodable(utf8))),
                   TMsgDlgType::mtError, 0, mbOK);
        return mrCancel;
    }
    value = *ansi;
    return result;
}

void TwzDialog::ScriptAnswers(std::vector<int> answers) {
    script().answers.insert(script().answers.end(), answers.begin(), answers.end());
}

void TwzDialog::PlainMessage(QWidget* parent, const QString& title, const QString& text) {
    TScript& s = script();
    if (!s.answers.empty() || s.refuseUnscripted) {
        s.asked.push_back(TAsked{text, title, TMsgDlgType::mtWarning, mbOK, false, true, mrOk});
        return;
    }
    QMessageBox::warning(parent, title, text);
}

int TwzDialog::ScriptedAnswersLeft() {
    return int(script().answers.size());
}

const std::vector<TwzDialog::TAsked>& TwzDialog::AskedMessages() {
    return script().asked;
}

QStringList TwzDialog::AskedTexts() {
    QStringList out;
    for (const TAsked& a : script().asked)
        out << a.text;
    return out;
}

void TwzDialog::ClearScript() {
    script() = TScript{};
}

void TwzDialog::RefuseUnscripted(bool on) {
    script().refuseUnscripted = on;
}

TwzDialog& wzDialog() {
    static QPointer<TwzDialog> instance;
    if (!instance)
        instance = new TwzDialog(qApp);
    return *instance;
}

} // namespace tv
