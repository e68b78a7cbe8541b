#include "ui/main/MessageText.h"

#include "ui/lib/wzDialogUnit.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace tv {

namespace {

// The fixed wordings of the messages and progress texts core and deploy hand to the window. They
// stay English there (the console prints them, scripts read them); the window shows them in the
// user's language. A text not listed here is shown as it came.
const char* const kContext = "tv::TCoreMessages";
const char* const kKnownTexts[] = {
    // document commands
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Script is not saved yet,/#Continue ?"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Can not set .TVX extension to Tamrin Installer Velox"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "Deployment folder may not blank,/#setup will be build in that folder"),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The project is saved in %1, its paths were taken from %2. These paths can name the same "
        "files relative to the project's folder:%3/#Rewrite them so that they keep naming the same "
        "files ?"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The project is saved in %1. These paths can name the same files relative to the "
                      "project's folder:%2/#Rewrite them so that they keep naming the same files ?"),
    // build
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Script has some edited fields, /#please save before continue"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Can not delete %1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The setup will not do exactly what the project says:%1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The project cannot be built:%1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "This process will clear the folder %1 if it already exists/#Continue ?"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The build is not complete:%1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "/im{%1}/oh{4} Creating Deployment Folder"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "/im{%1}/oh{4} Copying presetup && data files"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "/im{%1}/oh{4} Building TZNS ini file"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "/im{%1}/oh{4} Building installation files"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "/im{%1}/oh{4} Building Tamrin Installer setup"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "/im{%1}/oh{4} Compiling Tamrin Installer setup"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Copying \"%1\"...\""),
    // compile
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1/#/#Show the compiler output ?"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "There is no installer script to compile yet:/#build the project first."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Cannot open the folder %1 of the installer script."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "No compiler could be started for %1:/#%2"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The compiler did not make the setup program %1."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Run \"%1\" ?"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "No program could be started for %1:/#%2"),
    // the registry editor's value types
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "0 - String "),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "1 - Numeric"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "2 - Binary"),
    // counts, last: their wording is the loosest (a rebuild's count of kept files first)
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "1 file, %1, %2 unchanged"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 files, %2, %3 unchanged"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "1 file, %1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 files, %2"),
};
// The count a long list ends with (core/MsgDlg.h), wherever it stands in a message.
const char* const kMoreItems = QT_TRANSLATE_NOOP("tv::TCoreMessages", "/#... and %1 more");

struct TKnownText {
    const char* English;
    QRegularExpression Pattern; // the whole text, each %n captured
    std::vector<int> Order;     // the placeholder number of each capture
};

QRegularExpression PatternOf(const QString& english, std::vector<int>* order) {
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    QString pattern;
    int at = 0;
    for (auto it = placeholder.globalMatch(english); it.hasNext();) {
        const auto m = it.next();
        pattern +=
            QRegularExpression::escape(english.mid(at, m.capturedStart() - at)) + QStringLiteral("(.*)");
        if (order)
            order->push_back(m.captured(1).toInt());
        at = m.capturedEnd();
    }
    pattern += QRegularExpression::escape(english.mid(at));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<TKnownText>& KnownTexts() {
    static const std::vector<TKnownText> texts = [] {
        std::vector<TKnownText> list;
        for (const char* english : kKnownTexts) {
            TKnownText t{english, {}, {}};
            t.Pattern = PatternOf(QString::fromUtf8(english), &t.Order);
            list.push_back(std::move(t));
        }
        return list;
    }();
    return texts;
}

// Puts args into the placeholders of format in one pass, so that a "%2" inside an argument (a
// path) stays as it is.
QString Fill(const QString& format, const QStringList& args) {
    QString out;
    for (int i = 0; i < format.size(); ++i) {
        const int n = i + 1 < format.size() ? format[i + 1].digitValue() : -1;
        if (format[i] == '%' && n >= 1 && n <= args.size()) {
            out += args[n - 1];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

} // namespace

QString MessageToQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString TranslatedMessage(const QString& text) {
    QString result = text;
    for (const TKnownText& known : KnownTexts()) {
        const auto m = known.Pattern.match(text);
        if (!m.hasMatch())
            continue;
        const QString translated = QCoreApplication::translate(kContext, known.English);
        QStringList args;
        for (std::size_t i = 0; i < known.Order.size(); ++i) {
            const int n = known.Order[i];
            if (args.size() < n)
                args.resize(n);
            // A message may hold another one ("... /#/#Show the compiler output ?").
            args[n - 1] = TranslatedMessage(m.captured(int(i) + 1));
        }
        result = Fill(translated, args);
        break;
    }
    static const QRegularExpression more(QStringLiteral("/#\\.\\.\\. and (\\d+) more(?=/#|$)"));
    for (auto m = more.match(result); m.hasMatch(); m = more.match(result, m.capturedStart() + 1)) {
        const QString counted = QCoreApplication::translate(kContext, kMoreItems).arg(m.captured(1));
        result.replace(m.capturedStart(), m.capturedLength(), counted);
    }
    return result;
}

int ShowMessage(const std::string& text, TMsgDlgType type, unsigned buttons) {
    return ShowMessage(TranslatedMessage(MessageToQString(text)), type, buttons);
}

int ShowMessage(const QString& text, TMsgDlgType type, unsigned buttons) {
    return wzDialog().MessageDlg(text, type, 0, buttons);
}

} // namespace tv
