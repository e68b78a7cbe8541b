#pragma once
// TwzDialog: the program's one message dialog. MessageDlg shows a markup message with an icon and a
// row of buttons and returns the result code of the pressed button (mrOk .. mrAll from
// core/MsgDlg.h). Escape or closing the window another way answers No where No is offered, else
// Cancel, else the only button: never "go ahead". InputQuery asks for one line.
//
// The one test seam for message answers: ScriptAnswers queues the next answers; a scripted call
// shows no window and is recorded in AskedMessages()/AskedTexts(). Plain message boxes go through it
// too (PlainMessage). The name InputQuery asks for is a file or folder name: it comes from
// TNameSeam (NameSeam.h) in tests.

#include "core/MsgDlg.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace tv {

class TwzDialogForm;

class TwzDialog final : public QObject {
    Q_OBJECT
public:
    // Set members without a button of their own; they still count when the buttons are spaced.
    static constexpr unsigned mbNoToAll = 512;
    static constexpr unsigned mbYesToAll = 1024;

    explicit TwzDialog(QObject* parent = nullptr);
    ~TwzDialog() override;

    // Window title; the layout overwrites it with the title of the dialog type.
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }

    // Titles by type: 0 confirmation, 1 custom, 2 error, 3 information, 4 warning. A list of fewer
    // than five lines is replaced by the program's alternative set of titles.
    QStringList Captions() const { return m_captions; }
    void setCaptions(const QStringList& captions);

    TMsgDlgType DialogType() const { return m_dialogType; }
    void setDialogType(TMsgDlgType type) { m_dialogType = type; }
    unsigned DialogButtons() const { return m_dialogButtons; }
    void setDialogButtons(unsigned buttons) { m_dialogButtons = buttons; }
    int HelpContextID() const { return m_helpContextID; }
    void setHelpContextID(int context) { m_helpContextID = context; }
    QString TextMsg() const { return m_textMsg; }
    void setTextMsg(const QString& text) { m_textMsg = text; }

    // text is markup; buttons a set of mb* bits. Returns 1..8; closed without a button: No, Cancel or
    // the only button, whichever the message offers first (Cancel when it offers none of them).
    int MessageDlg(const QString& text, TMsgDlgType type, int helpContext, unsigned buttons);
    // ANSI (Windows-1252) text, as core and build hold it.
    int MessageDlg(const std::string& ansiText, TMsgDlgType type, int helpContext, unsigned buttons);
    // A UTF-8 literal.
    int MessageDlg(const char* text, TMsgDlgType type, int helpContext, unsigned buttons);

    // Returns 1 for OK, 2 for Cancel, 0 when the window was closed without a button. On OK a
    // non-empty entry replaces value. A name scripted in TNameSeam answers without a window (a null
    // name: Cancel).
    int InputQuery(const QString& caption, const QString& prompt, QString& value);
    // ANSI strings. An entry the ANSI code page cannot hold is refused with an error message and
    // leaves value unchanged (the result is then 2).
    int InputQuery(const std::string& caption, const std::string& prompt, std::string& value);

    // The window MessageDlg/InputQuery would show, built and laid out but not shown; the
    // properties are left as they were.
    std::unique_ptr<TwzDialogForm> CreateMessageForm(const QString& text, TMsgDlgType type, int helpContext,
                                                     unsigned buttons, QWidget* parent = nullptr);
    std::unique_ptr<TwzDialogForm> CreateInputForm(const QString& caption, const QString& prompt,
                                                   const QString& value, QWidget* parent = nullptr);
    // The window for the current properties (TextMsg, DialogType, DialogButtons, HelpContextID).
    std::unique_ptr<TwzDialogForm> CreateForm(bool withEdit, QWidget* parent = nullptr) const;

    // A plain system message box (for the one message shown while the main window is still being
    // made); recorded instead when answers are scripted or unscripted calls refused.
    static void PlainMessage(QWidget* parent, const QString& title, const QString& text);

    // ---- test seam (shared by every TwzDialog) ----
    struct TAsked {
        QString text;    // the message or the prompt
        QString caption; // InputQuery's caption
        TMsgDlgType type = TMsgDlgType::mtInformation;
        unsigned buttons = 0;
        bool input = false; // an InputQuery refused for want of a scripted name
        bool plain = false; // a PlainMessage
        int result = 0;     // what the call returned
    };
    // The next calls return these results, one each, without a window.
    static void ScriptAnswers(std::vector<int> answers);
    static int ScriptedAnswersLeft();
    // What scripted (and refused) calls were asked, oldest first.
    static const std::vector<TAsked>& AskedMessages();
    static QStringList AskedTexts();
    // Forgets answers, entries and asked calls; turns RefuseUnscripted off.
    static void ClearScript();
    // On: a call that finds no scripted answer shows nothing and returns 2 (0 for InputQuery), and
    // is recorded; keeps a test from waiting on a window nobody answers.
    static void RefuseUnscripted(bool on);

signals:
    // The Help button was pressed (it does not close the window).
    void helpRequested(int context);

private:
    struct TSaved;
    int showForm(TwzDialogForm& form);

    QString m_caption;
    QStringList m_captions;
    TMsgDlgType m_dialogType = TMsgDlgType::mtInformation;
    unsigned m_dialogButtons = mbOK;
    int m_helpContextID = 0;
    QString m_textMsg = QStringLiteral("Message");
};

// The program's one message dialog (created on first use, owned by the application).
TwzDialog& wzDialog();

} // namespace tv
