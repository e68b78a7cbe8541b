// The window's German: every text of the sources has a finished translation that keeps the
// placeholders and markup of its source, and with the translator installed the window and the
// messages core and deploy hand it read German.
#include "UiTestSupport.h"

#include "core/ProjectFile.h"
#include "deploy/ScriptImport.h"

#include "ui/lib/HelpWindow.h"
#include "ui/lib/wzWizardTree.h"
#include "ui/main/MainUnit.h"
#include "ui/main/MessageText.h"
#include "ui/main/Translations.h"
#include "ui/main/WizardPage.h"
#include "ui/pages/StartPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>

#include <algorithm>

using namespace tv;

namespace {

const QString kCommitted = QStringLiteral(TAMVELOX_SOURCE_DIR "/translations/tamvelox_de.ts");

struct TMessage {
    QString source;
    QString translation;
    QString type; // "", "unfinished", "vanished", "obsolete"
};

// context + "\n" + source -> message
QMap<QString, TMessage> ReadTs(const QString& path) {
    QMap<QString, TMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TMessage m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            m = TMessage();
        } else if (xml.name() == u"source") {
            m.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            m.type = xml.attributes().value("type").toString();
            m.translation = xml.readElementText();
            messages.insert(context + "\n" + m.source, m);
        }
    }
    return messages;
}

// What a translation must keep of its source: the placeholders and every markup token.
QStringList Tokens(const QString& text) {
    static const QRegularExpression token(
        QStringLiteral("%[1-9]|/(?:#|\\{|\\}|[a-z]{1,2}\\{[^}]*\\}|[bius]0?)"));
    QStringList found;
    for (auto it = token.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations final : public QObject {
    Q_OBJECT

private slots:
    void init() { tvtest::resetSeams(); }
    void cleanup() { tvtest::resetSeams(false); }

    void everyTextOfTheSourcesHasAFinishedGermanTranslation() {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.ts");
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(TAMVELOX_LUPDATE_PATH),
                      {"-silent", "-locations", "none", "-I", TAMVELOX_SOURCE_DIR, TAMVELOX_SOURCE_DIR "/ui",
                       "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(-1));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());

        const auto wanted = ReadTs(fresh);
        const auto committed = ReadTs(kCommitted);
        QVERIFY(wanted.size() > 300);
        QStringList missing;
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
            const auto found = committed.constFind(it.key());
            if (found == committed.cend() || !found->type.isEmpty() || found->translation.isEmpty())
                missing << QString(it.key()).replace(QChar('\n'), QStringLiteral(": "));
        }
        QVERIFY2(missing.isEmpty(), qPrintable("not translated (run scripts/update-translations, then "
                                               "translate):\n" +
                                               missing.join('\n')));
        // Nothing left over that the sources no longer hold.
        for (auto it = committed.cbegin(); it != committed.cend(); ++it)
            QVERIFY2(wanted.contains(it.key()), qPrintable("no longer in the sources: " + it->source));
    }

    void aTranslationKeepsThePlaceholdersAndMarkupOfItsSource() {
        const auto committed = ReadTs(kCommitted);
        QVERIFY(!committed.isEmpty());
        for (const TMessage& m : committed)
            QVERIFY2(Tokens(m.source) == Tokens(m.translation),
                     qPrintable(m.source + "\n  " + m.translation + "\n  keeps " +
                                Tokens(m.source).join(' ') + "\n  has   " + Tokens(m.translation).join(' ')));
        // The check sees what it should.
        QCOMPARE(Tokens("/bBuild/b0 %1 and/or 95/98/#/c{clnavy}x/ow{44}"),
                 QStringList({"%1", "/#", "/b", "/b0", "/c{clnavy}", "/ow{44}"}));
    }

    // Last: the translator stays installed for the rest of the run.
    void withTheGermanTranslatorTheWindowAndItsMessagesReadGerman() {
        const QString clear =
            "This process will clear the folder /{/tmp/%2 x/} if it already exists/#Continue ?";
        QCOMPARE(TranslatedMessage(clear), clear); // English: as it came

        QVERIFY(InstallTranslators(QLocale(QLocale::German, QLocale::Germany)));
        TMain w;
        auto* start = w.Page<TStartPage>();
        QCOMPARE(start->Heading()->text(), QString("Willkommen bei Tamrin Installer Velox!"));
        QCOMPARE(start->findChild<QGroupBox*>("grAppInfo")->title(), QString("Anwendung"));
        QCOMPARE(w.findChild<QPushButton*>("btWizNext")->text(), QString("&Weiter >>"));
        // Qt's own texts (its file dialogs) follow when the system has their translation.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));

        // The messages of core and deploy: the wording translated, the path and the count kept.
        QCOMPARE(
            TranslatedMessage(clear),
            QString("Dabei wird der Ordner /{/tmp/%2 x/} geleert, falls er schon existiert/#Fortfahren?"));
        QString list = "The project cannot be built:";
        for (int i = 0; i < 17; ++i)
            list += "/#/{missing " + QString::number(i) + "/}";
        QCOMPARE(TranslatedMessage(list + "/#... and 2 more"),
                 "Das Projekt kann nicht erstellt werden:" + list.mid(list.indexOf("/#")) +
                     "/#… und 2 weitere");
        QCOMPARE(TranslatedMessage("/im{3}/oh{4} Creating Deployment Folder"),
                 QString("/im{3}/oh{4} Bereitstellungsordner anlegen"));
        // Check's findings, a line each: every line in German, with its reason, and what the project
        // holds kept as it is.
        QCOMPARE(TranslatedMessage("Errors/#/{Source file \"/p/a b.exe\" does not exist./}/#/{File \"a=b.txt\" "
                                   "(row 3 of the files): The name holds \"=\": the setup reads only the text "
                                   "before it./}"),
                 QString("Errors/#/{Quelldatei \"/p/a b.exe\" existiert nicht./}/#/{Datei \"a=b.txt\" (Zeile 3 "
                         "der Dateien): Der Name enthält „=“: das Setup liest nur den Text davor./}"));
        // What an import cannot keep: every kind of line it lists reads German.
        TEngineFiles f;
        f.ScriptPath = "/setups/setup.TZN";
        f.Script = "[Config]\r\nImagePath=setup\r\nExeName=other\r\n[Custom]\r\nKey=1\r\n";
        f.ImageFound = true;
        f.ImageRoot = "/setups/setup";
        f.Presetup = "/setups/setup/Presetup";
        f.Data = "/setups/setup/Data";
        f.Settings = "[Display]\r\nDialogPosition=5,1\r\n[Display]\r\nMainWindow=1\r\n";
        std::string install = "[CopyFiles]\r\nFiles_InstallPath=%InstallPath%\r\n"
                              "[Files_InstallPath]\r\ngone.dll=gone.dll\r\n[RunApp]\r\n";
        for (int i = 0; i <= kMaxTableRows; ++i)
            install += "RunAfter" + std::to_string(i) + "=\"x.exe\",\"\",\"\",1,\"\",0\r\n";
        f.Install = install;
        f.PresetupFiles = {"TZNS.INI", "APP.INS", "notes.doc"};
        f.DataFiles = {"stray.txt"};
        const std::vector<std::string> losses = ImportEngineFiles(f).Losses;
        QVERIFY(losses.size() >= 7);
        for (const std::string& loss : losses)
            QVERIFY2(TranslatedMessage(QString::fromStdString(loss)) != QString::fromStdString(loss),
                     loss.c_str());
        QCOMPARE(
            TranslatedMessage("TZNS.INI [Display]: \"DialogPosition=5,1\" becomes \"DialogPosition=2,1\"."),
            QString("TZNS.INI [Display]: \"DialogPosition=5,1\" wird zu \"DialogPosition=2,1\"."));
        // The manual follows the window: its German sections, named by their English files.
        THelpWindow help;
        help.ShowTopic("files.md");
        QCOMPARE(help.Topic(), QString("files.md"));
        QCOMPARE(help.findChild<QTextBrowser*>("tbManual")->source().path(), QString("files.de.md"));
        // A text the window does not know stays as it came.
        QCOMPARE(TranslatedMessage("Something new/#happened"), QString("Something new/#happened"));
    }

    // `make screenshots`: every page and the system editors in German, where longer words would
    // show a clipped layout. Runs after the German window test, with its translator.
    void germanScreenshots() {
        if (qEnvironmentVariableIsEmpty("TAMVELOX_SCREENSHOT_DIR"))
            QSKIP("screenshots only");
        TMain w({TAMVELOX_SOURCE_DIR "/examples/demo/demo.tvx"});
        w.show();
        QCoreApplication::processEvents();
        auto* wiz = w.findChild<TwzWizardTree*>("wiz");
        for (int i = 0; i < TMain::kPageCount; ++i) {
            QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(i).center());
            QVERIFY(tvtest::saveShot(&w, QString("de_main_page%1").arg(i)));
        }
        QTest::mouseClick(wiz, Qt::LeftButton, {}, wiz->ItemRect(4).center());
        const auto shootEditor = [&](const char* button, const QString& name) {
            bool opened = false;
            tvtest::OnNextModal<QDialog>([&](QDialog* e) {
                opened = true;
                QVERIFY(tvtest::saveShot(e, name));
                e->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
                QVERIFY(tvtest::saveShot(e, name + "_info"));
                e->reject();
            });
            w.findChild<QAbstractButton*>(button)->click();
            QVERIFY2(opened, button);
        };
        shootEditor("jdFlatButton7", "de_system_regedit");
        w.findChild<QTabWidget*>("pcSystem")->setCurrentIndex(1);
        shootEditor("jdFlatButton2", "de_system_iniedit");
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_translations.moc"
