#pragma once
// Project texts are Windows-1252 byte strings: a character the code page cannot hold is refused
// where it is typed. The binder uses this for bound fields; dialogs whose texts end up in the
// project use GuardCodePage on their edits.

#include <QString>
#include <QValidator>

#include <functional>

class QLineEdit;

namespace tv {

// Refuses any text holding a character the project's code page cannot store and says which one.
class TAnsiValidator final : public QValidator {
public:
    TAnsiValidator(std::function<void(const QString&)> onRefused, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<void(const QString&)> m_onRefused;
};

// The message that names a refused character.
QString CodePageRefusal(const QString& character);

// Refuses typed characters outside the code page in edit; the message comes once the key press or
// paste is over, one for all refusals made in one go.
void GuardCodePage(QLineEdit* edit);

} // namespace tv
