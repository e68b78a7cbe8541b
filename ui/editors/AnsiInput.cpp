#include "ui/editors/AnsiInput.h"

#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "ui/lib/wzDialogUnit.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QValidator>

namespace tv {

namespace {

class TAnsiOnly final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const std::string utf8 = input.toStdString();
        if (Utf8ToAnsi(utf8))
            return Acceptable;
        ReportNotAnsi(QString::fromStdString(FirstUnencodable(utf8)));
        return Invalid;
    }
};

QString g_refused;
bool g_pending = false;

} // namespace

void KeepAnsi(QLineEdit* edit) {
    edit->setValidator(new TAnsiOnly(edit));
}

void ReportNotAnsi(const QString& character) {
    g_refused = character;
    if (g_pending)
        return;
    g_pending = true;
    QMetaObject::invokeMethod(
        qApp,
        [] {
            g_pending = false;
            wzDialog().MessageDlg(QString("The character \"%1\" cannot be used here:/#the project keeps its "
                                          "texts in the Windows-1252 character set.")
                                      .arg(g_refused),
                                  TMsgDlgType::mtError, 0, mbOK);
        },
        Qt::QueuedConnection);
}

} // namespace tv
