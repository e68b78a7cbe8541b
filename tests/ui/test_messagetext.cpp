// Messages reach the window as UTF-8: a host path in a folder whose name Windows-1252 cannot hold
// and a project value in the code page both show as they are meant.
#include "UiTestSupport.h"

#include "core/ProjectFile.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/main/MainUnit.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv;

class TestMessageText final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_Dir;
    std::unique_ptr<TMain> m_Main;
    const QString m_Folder = QString::fromUtf8("\xD0\x96\xD1\x83\xD0\xBA"); // Cyrillic "Zhuk"

    QString Path(const QString& name) const { return m_Dir.filePath(m_Folder + "/" + name); }

    void Open(const QStringList& arguments) {
        m_Main.reset();
        tvtest::resetSeams(true);
        m_Main = std::make_unique<TMain>(arguments);
        m_Main->show();
        QCoreApplication::processEvents(); // the queued start-up
    }

private slots:
    void init() { QVERIFY(QDir(m_Dir.path()).mkpath(m_Folder)); }
    void cleanup() {
        m_Main.reset();
        tvtest::resetSeams(false);
    }

    void aHostPathOutsideTheCodePageIsShownAsItIs() {
        const QString notes = Path("notes.tvx");
        {
            QFile f(notes);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Other]\r\na=1\r\n");
        }
        TwzDialog::ScriptAnswers({mrOk});
        Open({notes});
        const QStringList texts = TwzDialog::AskedTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(notes + " is not a project file"), qPrintable(texts[0]));
    }

    void aProjectValueIsConvertedWhereItEntersTheMessage() {
        TProject p;
        NewProject(p, "/data");
        p.MiscDeployment = Path("deploy").toStdString();
        TFileRecord f;
        f.FileName = "app.exe";
        f.FilePath = "%InstallPath%\\..\\Caf\xE9"; // the code page's e acute
        p.tbFiles.Append(f);
        // The file's own name cannot name the installer script: a second refusal, naming a host file.
        const QString file = Path(m_Folder + ".tvx");
        SaveProject(p, file.toStdString());

        TwzDialog::ScriptAnswers({mrYes, mrOk});
        Open({file});
        QVERIFY(!m_Main->Project().Modified);
        QPushButton* build = m_Main->findChild<QPushButton*>("btBuild");
        QVERIFY(build);
        build->click();
        const QStringList texts = TwzDialog::AskedTexts();
        QCOMPARE(texts.size(), 2);
        // One message holding both: neither part may spoil the other.
        QVERIFY2(texts[1].contains(QString::fromUtf8("\"%InstallPath%\\..\\Caf\xC3\xA9\"")),
                 qPrintable(texts[1]));
        QVERIFY2(texts[1].contains("\"" + m_Folder + ".tvx\""), qPrintable(texts[1]));
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestMessageText test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_messagetext.moc"
