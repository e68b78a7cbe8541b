#include "ui/main/MessageText.h"

#include "core/TextCodec.h"
#include "ui/lib/wzDialogUnit.h"

#include <QByteArray>
#include <QStringDecoder>

namespace tv {

QString MessageToQString(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError())
        return text;
    return QString::fromStdString(AnsiToUtf8(bytes));
}

int ShowMessage(const std::string& text, TMsgDlgType type, unsigned buttons) {
    return wzDialog().MessageDlg(MessageToQString(text), type, 0, buttons);
}

} // namespace tv
