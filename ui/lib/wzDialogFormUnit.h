#pragma once
// TwzDialogForm: the modal window behind TwzDialog's messages and input queries: an icon, a markup
// message, an optional edit box and a row of flat buttons. Built and laid out by TwzDialog; tests
// and screenshots may build and lay it out without showing it.

#include "core/MsgDlg.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QScrollArea;

namespace tv {

class TDCLabel;
class TjdFlatButton;

enum class TSystemSound { None, Exclamation, Hand, Asterisk, Question };

class TwzDialogForm final : public QDialog {
    Q_OBJECT
public:
    // The layout figures are window sizes that include a dialog frame of this size on each side and
    // a caption of this height; the client area is what is left of them.
    static constexpr int kFrame = 3;
    static constexpr int kCaption = 19;

    explicit TwzDialogForm(QWidget* parent = nullptr);

    // Places the message, icon, title and buttons. buttons is a set of mb* bits (TwzDialog's
    // mbNoToAll/mbYesToAll included); captions holds the five titles by type.
    void LayoutMessage(const QString& text, TMsgDlgType type, unsigned buttons, int helpContext,
                       const QString& caption, const QStringList& captions, bool withEdit);

    // The result code of the button that was pressed; 0 while none was.
    int ResultCode() const { return m_resultCode; }
    // What Escape or closing the window answers: No where No is offered, else Cancel, else the only
    // button; 0 when none of these applies (then Escape does nothing). An input query's Escape
    // closes it without a button (0).
    int EscapeResult() const;

    // Escape, and closing the window another way, never go ahead: they answer EscapeResult().
    void reject() override;
    int HelpContext() const { return m_helpContext; }
    // The sound the dialog type asks for (played by TwzDialog when the window is shown).
    TSystemSound Sound() const { return m_sound; }

    // Window size of the layout (client area plus the nominal frame and caption).
    int WindowWidth() const { return width() + 2 * kFrame; }
    int WindowHeight() const { return height() + 2 * kFrame + kCaption; }

    TDCLabel* dlgText() const { return m_dlgText; }
    QLineEdit* editText() const { return m_editText; }
    QLabel* Icon(TMsgDlgType type) const;
    // The button of one mb* bit; nullptr for bits without a button.
    TjdFlatButton* Button(unsigned bit) const;

signals:
    void helpRequested(int context);

private:
    TjdFlatButton* addButton(const char* name, const QString& text, int result);
    void buttonClicked(int result);

    QWidget* m_panel = nullptr;
    QWidget* m_strip = nullptr;
    QLabel* m_expWarn = nullptr;
    QLabel* m_expError = nullptr;
    QLabel* m_expInfo = nullptr;
    QLabel* m_expConf = nullptr;
    TDCLabel* m_dlgText = nullptr;
    QScrollArea* m_scroll = nullptr; // holds dlgText when the message is larger than the screen
    QLineEdit* m_editText = nullptr;
    TjdFlatButton* m_cmdAbort = nullptr;
    TjdFlatButton* m_cmdOK = nullptr;
    TjdFlatButton* m_cmdCancel = nullptr;
    TjdFlatButton* m_cmdNo = nullptr;
    TjdFlatButton* m_cmdRetry = nullptr;
    TjdFlatButton* m_cmdYes = nullptr;
    TjdFlatButton* m_cmdAll = nullptr;
    TjdFlatButton* m_cmdHelp = nullptr;
    TjdFlatButton* m_cmdIgnore = nullptr;
    int m_resultCode = 0;
    int m_helpContext = 0;
    bool m_withEdit = false;
    TSystemSound m_sound = TSystemSound::None;
};

// The 32x32 message icons, drawn at run time.
QPixmap MessageIcon(TMsgDlgType type);

// Plays (or, where the platform has no such sounds, beeps for) a system sound.
void PlaySystemSound(TSystemSound sound);

} // namespace tv
