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
    // reading and saving projects, importing engine scripts
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The project does not keep everything the engine files hold:%1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Cannot write file %1: %2"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Cannot make the backup %1 of %2: %3"),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "%1 is not a project file: it has none of the sections [Start], [Main_Window] and [Dialog]"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Cannot open %1: engine scripts cannot be read here."),
    // the build's refusals, and why a chosen file or folder entry was not added
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The deployment folder is not set."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The project has not been saved to a file yet."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The project file name %1 gives no project name (it starts with \".\")."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The project file name %1 holds characters the installer script cannot name."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The destination %1 of %2 climbs out of its folder with \"..\"."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 lies inside the image folder %2, which the build clears."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "%1 is the installer script or setup program, which the build deletes."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The image folder %1 is taken by something that is not a folder."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The image folder %1 cannot be read (%2), so the build cannot tell whether it may clear it."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The folder %1 exists and was not made by a build (it has no Presetup/TZNS.INI); the build would "
        "clear it. Empty or remove it, or choose another deployment folder or project file name."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "its name holds \"|\", which the project cannot store"),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "its name holds a line break or another control character, which the project cannot store"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "its name holds %1, which the Windows-1252 character set of the project cannot hold"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is a link to nothing"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "its name begins with \".\""),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is a link to a folder"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the folder cannot be read"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the name is empty"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the name holds \"=\": the setup reads only the text before it"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "the name begins with \";\": the setup reads the line as a comment"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "the name begins with \"[\": the setup may read the line as a section"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the name begins or ends with a blank, which the setup drops"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the name holds a control character, which breaks its line"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Could not create the folder %1."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Could not remove the link %1."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Could not remove the old %1."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Could not copy %1: %2."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The folder %1 leads out of the image folder through a link; nothing was copied into it."),
    // Check's findings, and the reasons inside them
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Source file %1 does not exist."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Readme %1 does not exist."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Licence %1 does not exist."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Title bitmap %1 does not exist."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Static bitmap %1 does not exist."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Source file %1 cannot be copied: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Readme %1 cannot be copied: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Licence %1 cannot be copied: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Title bitmap %1 cannot be copied: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Static bitmap %1 cannot be copied: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Source file %1 cannot be installed under its name: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Static bitmap %1 cannot be installed under its name: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Title bitmap %1 is no bitmap the setup can show: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Background bitmap %1 is no bitmap the setup can show: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Static bitmap %1 is no bitmap the setup can show: %2."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "its name %1 holds a \"\\\", which a Windows file name cannot hold"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is a folder"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is a FIFO, not a regular file"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is a device, not a regular file"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is a socket, not a regular file"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it is not a regular file"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "File %1 (row %2 of the files): %3."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Shortcut %1 (row %2 of the shortcuts): %3."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The name is empty"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The name holds \"=\": the setup reads only the text before it"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The name begins with \";\": the setup reads the line as a comment"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The name begins with \"[\": the setup may read the line as a section"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The name begins or ends with a blank, which the setup drops"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The name holds a control character, which breaks its line"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Registry key to add %1, line %2: %3."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Registry key to remove %1, line %2: %3."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "INI change %1, line %2: %3."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The line holds a control character, which breaks it"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "No \"=\" between the parameter name and its value"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The parameter name before \"=\" is empty"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "No type after the value: add ,0 (string), ,1 (numeric) or ,2 (binary)"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 is no type (0, 1 or 2); a comma in the value ends the value"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 is no type: 0 (string), 1 (numeric) or 2 (binary)"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "Too many commas: the line is name=value,type,flags and the value may hold no comma"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "A numeric value is a whole number, not %1"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "A binary value is two-digit hexadecimal bytes separated by blanks, such as 07 A5 3E"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it cannot be opened"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the file is empty"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it does not begin as a BMP file does"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the file ends inside its header"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "its header is of an unknown kind"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "its header gives no picture size"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "it has %1 bits per pixel"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "its pixels are stored in a way the setup does not read"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "its pixel data lies outside the file"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "the file is cut short: its pixel data ends early"),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "Program %1 run %2: its Application %3 holds a double quote, which ends the column early."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "Program %1 run %2: its Arguments %3 holds a double quote, which ends the column early."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "Program %1 run %2: its Working Directory %3 holds a double quote, which ends the column early."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "Program %1 run %2: its Message %3 holds a double quote, which ends the column early."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Program %1 run %2 is not among the files installed to %3."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "before installation"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "after installation"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "before uninstallation"),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "after uninstallation"),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "Shortcut %1: its Arguments %2 holds a comma, which the setup reads as the end of the column."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "Shortcut %1: its Working Directory %2 holds a comma, which the "
                                           "setup reads as the end of the column."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "Shortcut %1: the setup places it in %2; the sub-folder of its group %3 is dropped."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The installation folder is %1: its rest %2 does not begin with "
                                           "\"\\\", so it joins the folder's name."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The main window's title font %1 is not on every Windows system; "
                                           "where it is missing, the setup shows another font."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The dialog title font %1 is not on every Windows system; where "
                                           "it is missing, the setup shows another font."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The dialog font %1 is not on every Windows system; where it is "
                                           "missing, the setup shows another font."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "Registry key to add %1 has no values; the setup only creates the key."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "%1 and %2 are both written to %3; only one of them can be there."),
    // what an engine script's import cannot keep; the looser wordings after the others
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1: the section [%2] appears twice; only the first is read."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The path %1 holds characters the project's code page cannot hold; such paths are kept "
                      "as they are and will not name their files."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The static bitmap %1 is not in the image folder's Presetup."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The image folder has no Presetup/%1: the project lacks everything it would hold."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The image folder %1 that the script names does not exist: the "
                                           "project holds only what the script itself holds."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "%1 is no engine script: it names no image folder ([Config] ImagePath)."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "APP.INS lists %1, which is not in the image folder's Data: its row names a missing file."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The engine files hold %1 files; a project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "The engine files hold %1 shortcuts; a project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The engine files hold %1 registry keys to add; a project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The engine files hold %1 registry keys to delete; a project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The engine files hold %1 INI file sections; a project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "The engine files hold %1 static bitmaps; a project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The engine files hold %1 programs run before installation; a "
                                           "project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The engine files hold %1 programs run after installation; a "
                                           "project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The engine files hold %1 programs run before uninstallation; a "
                                           "project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "The engine files hold %1 programs run after uninstallation; a "
                                           "project holds %2, so the last %3 are left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages",
                      "Data/%1 is in the image folder, but APP.INS does not list it: it is left out."),
    QT_TRANSLATE_NOOP(
        "tv::TCoreMessages",
        "Presetup/%1 is in the image folder, but nothing the project keeps names it: it is left out."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 [%2]: %3 becomes %4."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1 [%2]: %3 is not kept."),
    QT_TRANSLATE_NOOP("tv::TCoreMessages", "%1; nothing of it is kept."),
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

// A message of lines (a list of findings, refusals or files): each line is translated on its own,
// the text of a literal line inside its literal marks. "/#" inside a literal is text, not a break.
static QString TranslatedLines(const QString& text) {
    QStringList lines;
    QString line;
    bool literal = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == '/' && next == '{')
            literal = true;
        else if (c == '/' && next == '}')
            literal = false;
        else if (!literal && c == '/' && next == '#') {
            lines << line;
            line.clear();
            ++i;
            continue;
        }
        line += c;
    }
    lines << line;
    for (QString& l : lines) {
        if (l.startsWith(QLatin1String("/{")) && l.endsWith(QLatin1String("/}")) && l.size() >= 4)
            l = QStringLiteral("/{") + TranslatedMessage(l.mid(2, l.size() - 4)) + QStringLiteral("/}");
        else if (lines.size() > 1)
            l = TranslatedMessage(l);
    }
    return lines.join(QStringLiteral("/#"));
}

QString TranslatedMessage(const QString& text) {
    QString result = text;
    bool matched = false;
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
        matched = true;
        break;
    }
    if (!matched && (text.contains(QLatin1String("/#")) || text.startsWith(QLatin1String("/{"))))
        result = TranslatedLines(text);
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
