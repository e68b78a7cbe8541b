#include "ui/main/MessageText.h"

#include "ui/lib/wzDialogUnit.h"

namespace tv {

QString MessageToQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

int ShowMessage(const std::string& text, TMsgDlgType type, unsigned buttons) {
    return ShowMessage(MessageToQString(text), type, buttons);
}

int ShowMessage(const QString& text, TMsgDlgType type, unsigned buttons) {
    return wzDialog().MessageDlg(text, type, 0, buttons);
}

} // namespace tv
