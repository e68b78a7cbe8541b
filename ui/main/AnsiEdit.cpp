#include "ui/main/AnsiEdit.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "ui/lib/wzDialogUnit.h"

#include <QApplication>
#include <QLineEdit>

namespace tv {

TAnsiValidator::TAnsiValidator(std::function<void(const QString&)> onRefused, QObject* parent)
    : QValidator(parent), m_onRefused(std::move(onRefused)) {}

QValidator::State TAnsiValidator::validate(QString& input, int&) const {
    const std::string utf8 = input.toStdString();
    if (Utf8ToAnsi(utf8))
        return Acceptable;
    m_onRefused(QString::fromStdString(FirstUnencodable(utf8)));
    return Invalid;
}

QString CodePageRefusal(const QString& character) {
    return QString("The character \"%1\" cannot be used here:/#the project keeps its "
                   "texts in the Windows-1252 character set.")
        .arg(character);
}

void GuardCodePage(QLineEdit* edit) {
    edit->setValidator(new TAnsiValidator(
        [](const QString& ch) {
            static bool pending = false;
            static QString refused;
            refused = ch;
            if (pending)
                return;
            pending = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    pending = false;
                    wzDialog().MessageDlg(CodePageRefusal(refused), TMsgDlgType::mtError, 0, mbOK);
                },
                Qt::QueuedConnection);
        },
        edit));
}

} // namespace tv
