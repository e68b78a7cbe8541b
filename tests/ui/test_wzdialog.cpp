// The message dialog: window layout, titles and icons by type, result codes of the real buttons,
// InputQuery, and the scripted-answer seam other tests rely on.
#include "UiTestSupport.h"

#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/MarkupText.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogFormUnit.h"
#include "ui/lib/wzDialogUnit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace tv;

namespace {

// Runs f on the modal window once the event loop of exec() shows it.
void whenModal(std::function<void(QWidget*)> f) {
    tvtest::OnNextModal<QWidget>(f);
}

void clickButton(QWidget* modal, const char* name) {
    auto* b = modal->findChild<TjdFlatButton*>(QLatin1String(name));
    QVERIFY2(b && b->isVisible(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class TestWzDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
    }
    void init() { tvtest::resetSeams(false); }

    void buttonSpacingAndPlacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<unsigned>("buttons");
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<QList<int>>("lefts");

        // "/ow{n}" makes a message exactly n pixels wide and 0 high.
        QTest::newRow("yes-no in 300") << "/ow{200}" << unsigned(mbYes | mbNo) << 300 << QList<int>{60, 160};
        QTest::newRow("tie rounds up to even") << "/ow{151}" << unsigned(mbOK) << 251 << QList<int>{86};
        QTest::newRow("tie rounds down to even") << "/ow{149}" << unsigned(mbOK) << 249 << QList<int>{84};
        QTest::newRow("widened for three")
            << "/ow{100}" << unsigned(mbYes | mbNo | mbCancel) << 340 << QList<int>{45, 130, 215};
        QTest::newRow("yes-to-all counts without a button")
            << "/ow{200}" << unsigned(mbYes | TwzDialog::mbYesToAll | TwzDialog::mbNoToAll) << 340
            << QList<int>{45};
        QTest::newRow("yes-to-all alone")
            << "/ow{200}" << unsigned(TwzDialog::mbYesToAll) << 300 << QList<int>{};
        QTest::newRow("all nine in their order")
            << "/ow{10}"
            << unsigned(mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll | mbHelp)
            << 1000 << QList<int>{60, 160, 260, 360, 460, 560, 660, 760, 860};
    }
    void buttonSpacingAndPlacement() {
        QFETCH(QString, text);
        QFETCH(unsigned, buttons);
        QFETCH(int, windowWidth);
        QFETCH(QList<int>, lefts);
        TwzDialog dialog;
        auto form = dialog.CreateMessageForm(text, TMsgDlgType::mtInformation, 0, buttons);
        QCOMPARE(form->WindowWidth(), windowWidth);
        QCOMPARE(form->WindowHeight(), 80);
        QList<int> seen;
        const unsigned order[] = {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp};
        for (unsigned bit : order) {
            TjdFlatButton* b = form->Button(bit);
            QCOMPARE(b->isHidden(), !(buttons & bit));
            if (buttons & bit) {
                seen << b->x();
                QCOMPARE(b->y(), form->WindowHeight() - 55);
                QCOMPARE(b->size(), QSize(65, 23));
                // Inside the client area.
                QVERIFY(b->geometry().right() < form->width());
                QVERIFY(b->geometry().bottom() < form->height());
            }
        }
        QCOMPARE(seen, lefts);
    }

    void messageSizeFollowsText() {
        TwzDialog dialog;
        auto form = dialog.CreateMessageForm("Script is not saved yet,/#Continue ?",
                                             TMsgDlgType::mtConfirmation, 0, mbYes | mbNo);
        const TDCLabel* text = form->dlgText();
        QCOMPARE(text->pos(), QPoint(50, 8));
        QCOMPARE(text->size(), text->sizeHint());
        QVERIFY(text->height() >= 2 * QFontMetrics(text->font()).height());
        QCOMPARE(form->WindowHeight(), text->height() + 80);
        QCOMPARE(form->WindowWidth(), std::max(text->width() + 100, 2 * 110 + 10));
        QVERIFY(form->editText()->isHidden());
        // The message ends above the buttons.
        QVERIFY(text->geometry().bottom() < form->Button(mbYes)->y());
    }

    void titlesIconsAndSoundsByType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<int>("sound");
        QTest::newRow("warning") << int(TMsgDlgType::mtWarning) << "Warning"
                                 << "expWarn" << int(TSystemSound::Exclamation);
        QTest::newRow("error") << int(TMsgDlgType::mtError) << "Error"
                               << "expError" << int(TSystemSound::Hand);
        QTest::newRow("information") << int(TMsgDlgType::mtInformation) << "Information"
                                     << "expInfo" << int(TSystemSound::Asterisk);
        QTest::newRow("confirmation") << int(TMsgDlgType::mtConfirmation) << "Confirmation"
                                      << "expConf" << int(TSystemSound::Question);
        QTest::newRow("custom") << int(TMsgDlgType::mtCustom) << ""
                                << "expInfo" << int(TSystemSound::Exclamation);
    }
    void titlesIconsAndSoundsByType() {
        QFETCH(int, type);
        QFETCH(QString, title);
        QFETCH(QString, icon);
        QFETCH(int, sound);
        TwzDialog dialog;
        dialog.setCaption("never shown");
        auto form = dialog.CreateMessageForm("Message", TMsgDlgType(type), 0, mbOK);
        QCOMPARE(form->windowTitle(), title);
        QCOMPARE(int(form->Sound()), sound);
        QStringList shown;
        for (const char* name : {"expWarn", "expError", "expInfo", "expConf"}) {
            auto* l = form->findChild<QLabel*>(QLatin1String(name));
            QVERIFY(l);
            QCOMPARE(l->geometry(), QRect(8, 4, 32, 32));
            if (!l->isHidden())
                shown << l->objectName();
        }
        QCOMPARE(shown, QStringList{icon});
        QVERIFY(!form->Icon(TMsgDlgType(type))->pixmap().isNull());
    }

    void captionsShortListIsReplaced() {
        TwzDialog dialog;
        dialog.setCaptions({"Frage", "", "Fehler", "Info", "Warnung", "extra"});
        QCOMPARE(dialog.Captions().size(), 6);
        QCOMPARE(dialog.CreateMessageForm("x", TMsgDlgType::mtError, 0, mbOK)->windowTitle(),
                 QString("Fehler"));
        dialog.setCaptions({"Frage", "Fehler"});
        QCOMPARE(dialog.Captions(), (QStringList{"Persetujuan", "", "Error", "Informasi", "Peringatan"}));
        QCOMPARE(dialog.CreateMessageForm("x", TMsgDlgType::mtWarning, 0, mbOK)->windowTitle(),
                 QString("Peringatan"));
    }

    void resultCodesOfTheRealButtons_data() {
        QTest::addColumn<unsigned>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("result");
        QTest::newRow("ok") << unsigned(mbOK) << "cmdOK" << 1;
        QTest::newRow("cancel") << unsigned(mbOK | mbCancel) << "cmdCancel" << 2;
        QTest::newRow("abort") << unsigned(mbAbort | mbRetry | mbIgnore) << "cmdAbort" << 3;
        QTest::newRow("retry") << unsigned(mbAbort | mbRetry | mbIgnore) << "cmdRetry" << 4;
        QTest::newRow("ignore") << unsigned(mbAbort | mbRetry | mbIgnore) << "cmdIgnore" << 5;
        QTest::newRow("yes") << unsigned(mbYes | mbNo) << "cmdYes" << 6;
        QTest::newRow("no") << unsigned(mbYes | mbNo) << "cmdNo" << 7;
        QTest::newRow("all") << unsigned(mbYes | mbAll) << "cmdAll" << 8;
    }
    void resultCodesOfTheRealButtons() {
        QFETCH(unsigned, buttons);
        QFETCH(QString, press);
        QFETCH(int, result);
        TwzDialog dialog;
        whenModal([press](QWidget* w) { clickButton(w, qPrintable(press)); });
        QCOMPARE(dialog.MessageDlg("Sure to delete selected key ?", TMsgDlgType::mtConfirmation, 0, buttons),
                 result);
        QVERIFY(TwzDialog::AskedMessages().empty());
    }

    void escapeAndClosingNeverGoAhead() {
        // No where No is offered, else Cancel, else the only button.
        TwzDialog dialog;
        whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(dialog.MessageDlg("Sure ?", TMsgDlgType::mtConfirmation, 0, mbYes | mbNo), int(mrNo));
        whenModal([](QWidget* w) { w->close(); });
        QCOMPARE(dialog.MessageDlg("Sure ?", TMsgDlgType::mtConfirmation, 0, mbYes | mbNo | mbCancel), int(mrNo));
        whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(dialog.MessageDlg("Go ?", TMsgDlgType::mtWarning, 0, mbOK | mbCancel), int(mrCancel));
        whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(dialog.MessageDlg("Done.", TMsgDlgType::mtInformation, 0, mbOK), int(mrOk));

        // Several buttons and none of them a way out: Escape and closing leave the question open.
        whenModal([](QWidget* w) {
            QTest::keyClick(w, Qt::Key_Escape);
            w->close();
            QVERIFY(w->isVisible());
            clickButton(w, "cmdAbort");
        });
        QCOMPARE(dialog.MessageDlg("Failed.", TMsgDlgType::mtError, 0, mbAbort | mbRetry | mbIgnore), int(mrAbort));

        // Help keeps the window open and reports its context; closing it then answers OK, the only
        // button that closes.
        QSignalSpy help(&dialog, &TwzDialog::helpRequested);
        whenModal([](QWidget* w) {
            clickButton(w, "cmdHelp");
            QVERIFY(w->isVisible());
            w->close();
        });
        QCOMPARE(dialog.MessageDlg("Need help ?", TMsgDlgType::mtInformation, 42, mbOK | mbHelp), int(mrOk));
        QCOMPARE(help.count(), 1);
        QCOMPARE(help.at(0).at(0).toInt(), 42);
    }

    void enterPressesTheFocusedButton() {
        // The first button in Tab order has the focus: No before Yes.
        TwzDialog dialog;
        whenModal([](QWidget* w) {
            QWidget* focused = w->focusWidget();
            QVERIFY(focused);
            QCOMPARE(focused->objectName(), QString("cmdNo"));
            QTest::keyClick(focused, Qt::Key_Return);
            if (w->isVisible())
                w->close();
        });
        QCOMPARE(dialog.MessageDlg("Sure to delete ALL keys ?", TMsgDlgType::mtConfirmation, 0, mbYes | mbNo),
                 7);
        // The underlined letters are shortcuts.
        whenModal([](QWidget* w) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w->focusWidget(), Qt::Key_Y, Qt::AltModifier);
            // A shortcut presses the button and releases it shortly after.
            if (!w->findChild<TjdFlatButton*>("cmdYes")->isDown())
                w->close(); // the shortcut did nothing: fail instead of waiting
        });
        QCOMPARE(dialog.MessageDlg("Sure to delete ALL keys ?", TMsgDlgType::mtConfirmation, 0, mbYes | mbNo),
                 6);
    }

    void messageDlgRestoresProperties() {
        TwzDialog dialog;
        dialog.setTextMsg("kept");
        dialog.setDialogType(TMsgDlgType::mtWarning);
        dialog.setDialogButtons(mbAbort);
        dialog.setHelpContextID(7);
        whenModal([](QWidget* w) { clickButton(w, "cmdOK"); });
        QCOMPARE(dialog.MessageDlg("other", TMsgDlgType::mtError, 3, mbOK), 1);
        whenModal([](QWidget* w) { clickButton(w, "cmdCancel"); });
        QString value;
        dialog.InputQuery("Create directory", "Name", value);
        QCOMPARE(dialog.TextMsg(), QString("kept"));
        QCOMPARE(dialog.DialogType(), TMsgDlgType::mtWarning);
        QCOMPARE(dialog.DialogButtons(), unsigned(mbAbort));
        QCOMPARE(dialog.HelpContextID(), 7);
    }

    void inputQueryLayoutAndAnswers() {
        TwzDialog dialog;
        auto form = dialog.CreateInputForm("Create directory", "Name", "New Folder");
        QCOMPARE(form->windowTitle(), QString("Create directory"));
        const QLineEdit* edit = form->editText();
        QVERIFY(!edit->isHidden());
        QCOMPARE(edit->text(), QString("New Folder"));
        QCOMPARE(edit->x(), 50);
        QCOMPARE(edit->y(), 8 + form->dlgText()->height() + 4);
        // A right margin inside the window's client area.
        QCOMPARE(edit->geometry().right() + 1, form->width() - 6);
        QCOMPARE(form->WindowHeight(), form->dlgText()->height() + 80 + edit->height());
        QVERIFY(edit->geometry().bottom() < form->Button(mbOK)->y());
        QVERIFY(!form->Button(mbOK)->isHidden() && !form->Button(mbCancel)->isHidden());

        auto typeAndPress = [](const QString& text, const char* button) {
            whenModal([text, button](QWidget* w) {
                auto* e = w->findChild<QLineEdit*>("editText");
                e->clear();
                QTest::keyClicks(e, text);
                if (button)
                    clickButton(w, button);
                else
                    QTest::keyClick(w, Qt::Key_Escape);
            });
        };
        QString value = "old";
        typeAndPress("Images", "cmdOK");
        QCOMPARE(dialog.InputQuery("Create directory", "Name", value), 1);
        QCOMPARE(value, QString("Images"));
        typeAndPress("", "cmdOK");
        QCOMPARE(dialog.InputQuery("Create directory", "Name", value), 1);
        QCOMPARE(value, QString("Images")); // an empty entry changes nothing
        typeAndPress("Other", "cmdCancel");
        QCOMPARE(dialog.InputQuery("Create directory", "Name", value), 2);
        QCOMPARE(value, QString("Images"));
        typeAndPress("Other", nullptr);
        QCOMPARE(dialog.InputQuery("Create directory", "Name", value), 0);
        QCOMPARE(value, QString("Images"));
        // Enter in the edit box is OK.
        whenModal([](QWidget* w) {
            auto* e = w->findChild<QLineEdit*>("editText");
            e->setText("Docs");
            QTest::keyClick(e, Qt::Key_Return);
        });
        QCOMPARE(dialog.InputQuery("Create directory", "Name", value), 1);
        QCOMPARE(value, QString("Docs"));
    }

    void scriptedAnswersShowNoWindow() {
        TwzDialog::ScriptAnswers({6, 7});
        TNameSeam::ScriptNames({"Setup"});
        QCOMPARE(TwzDialog::ScriptedAnswersLeft(), 2);
        QCOMPARE(wzDialog().MessageDlg("Script is not saved yet,/#Continue ?", TMsgDlgType::mtConfirmation, 0,
                                       mbYes | mbNo),
                 6);
        // ANSI text from core: é is byte 0xE9.
        QCOMPARE(
            wzDialog().MessageDlg(std::string("Caf\xE9 ?"), TMsgDlgType::mtConfirmation, 0, mbYes | mbNo), 7);
        QString value = "x";
        QCOMPARE(wzDialog().InputQuery("Create directory", "Name", value), 1);
        QCOMPARE(value, QString("Setup"));
        QCOMPARE(TwzDialog::AskedTexts(), (QStringList{"Script is not saved yet,/#Continue ?",
                                                       QString::fromUtf8("Caf\u00e9 ?")}));
        const auto& asked = TwzDialog::AskedMessages();
        QCOMPARE(asked[0].type, TMsgDlgType::mtConfirmation);
        QCOMPARE(asked[0].buttons, unsigned(mbYes | mbNo));
        QCOMPARE(asked[1].result, 7);
        // The name comes from the name seam, which keeps the question.
        QCOMPARE(TNameSeam::Asked().size(), size_t(1));
        QCOMPARE(TNameSeam::Asked()[0].title, QString("Create directory"));
        QCOMPARE(TNameSeam::Asked()[0].proposed, QString("x"));
        QCOMPARE(&wzDialog(), &wzDialog());

        // Without answers, refused calls return as if the window was closed.
        TwzDialog::RefuseUnscripted(true);
        QCOMPARE(wzDialog().MessageDlg("unanswered", TMsgDlgType::mtError, 0, mbOK), 2);
        QCOMPARE(wzDialog().InputQuery("c", "p", value), 0);
        QCOMPARE(value, QString("Setup"));
        QCOMPARE(TwzDialog::AskedMessages().size(), size_t(4));
        QVERIFY(TwzDialog::AskedMessages()[3].input);
    }

    void ansiInputQueryRefusesWhatAnsiCannotHold() {
        std::string value = "Data";
        TwzDialog::ScriptAnswers({1});
        TNameSeam::ScriptNames({QString::fromUtf8("Donn\u00e9es \u65e5")});
        QCOMPARE(wzDialog().InputQuery(std::string("Create directory"), std::string("Name"), value), 2);
        QCOMPARE(value, std::string("Data"));
        const auto& asked = TwzDialog::AskedMessages();
        QCOMPARE(asked.size(), size_t(1));
        QCOMPARE(asked[0].type, TMsgDlgType::mtError);
        QVERIFY(asked[0].text.contains(QString::fromUtf8("\u65e5")));

        TNameSeam::ScriptNames({QString::fromUtf8("Donn\u00e9es")});
        QCOMPARE(wzDialog().InputQuery(std::string("Create directory"), std::string("Name"), value), 1);
        QCOMPARE(value, std::string("Donn\xE9"
                                    "es"));
    }

    void messagesFitTheScreen() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        TwzDialog dialog;
        // A failed build's report: fifteen paths far wider than the screen.
        QString deep = "/home/author";
        while (deep.size() < 3 * area.width() / 5)
            deep += "/a-rather-long-folder-name";
        QString text = "Some files could not be copied:";
        QStringList paths;
        for (int i = 0; i < 15; ++i) {
            paths << deep + QString("/module%1.dll").arg(i);
            text += "/#" + MarkupLiteral(paths.last());
        }
        auto form = dialog.CreateMessageForm(text, TMsgDlgType::mtError, 0, mbOK);
        QVERIFY(form->WindowWidth() <= area.width());
        QVERIFY(form->WindowHeight() <= area.height());
        // Broken at separators, nothing lost.
        const QString shown = MarkupPlainText(form->dlgText()->Caption());
        QVERIFY(shown.count('\n') > 15);
        QCOMPARE(QString(shown).remove('\n'), QString("Some files could not be copied:" + paths.join("")));
        for (const QString& line : shown.split('\n'))
            QVERIFY2(line.endsWith('/') || line.endsWith(':') || line.endsWith(".dll"), qPrintable(line));
        QVERIFY(tvtest::saveShot(form.get(), "msg_wide"));

        // A message taller than the screen scrolls.
        QString tall = "Line 0";
        for (int i = 1; i < 200; ++i)
            tall += QString("/#Line %1").arg(i);
        auto tallForm = dialog.CreateMessageForm(tall, TMsgDlgType::mtWarning, 0, mbYes | mbNo);
        QVERIFY(tallForm->WindowHeight() <= area.height());
        auto* scroll = tallForm->findChild<QScrollArea*>("sbText");
        QVERIFY(scroll && !scroll->isHidden());
        QCOMPARE(scroll->widget(), static_cast<QWidget*>(tallForm->dlgText()));
        QVERIFY(tallForm->dlgText()->height() > scroll->height());
        QVERIFY(scroll->geometry().bottom() < tallForm->Button(mbYes)->y());

        // A small one stays as it was.
        auto small = dialog.CreateMessageForm("Done.", TMsgDlgType::mtInformation, 0, mbOK);
        QVERIFY(small->findChild<QScrollArea*>("sbText")->isHidden());
        QCOMPARE(small->dlgText()->Caption(), QString("Done."));
    }

    void screenshots() {
        TwzDialog dialog;
        struct Shot {
            const char* name;
            const char* text;
            TMsgDlgType type;
            unsigned buttons;
        };
        const Shot shots[] = {
            {"msg_warning", "This process will clear specified folder if already exists/#Continue ?",
             TMsgDlgType::mtWarning, mbYes | mbNo},
            {"msg_error", "That KEY already exist, use edit to modify", TMsgDlgType::mtError, mbOK},
            {"msg_information", "Script has some edited fields, /#please save before continue",
             TMsgDlgType::mtInformation, mbOK},
            {"msg_confirmation", "Script is not saved yet,/#Continue ?", TMsgDlgType::mtConfirmation,
             mbYes | mbNo},
            {"msg_custom", "/bDeployment/b0 finished./# /#Run the /c{clnavy}setup program/c{clblack} now ?",
             TMsgDlgType::mtCustom, mbYes | mbNo | mbCancel | mbHelp},
        };
        for (const Shot& s : shots) {
            auto form = dialog.CreateMessageForm(QString::fromUtf8(s.text), s.type, 0, s.buttons);
            QVERIFY(tvtest::saveShot(form.get(), s.name));
        }
        auto input = dialog.CreateInputForm("Create directory", "Name", "New Folder");
        QVERIFY(tvtest::saveShot(input.get(), "msg_inputquery"));
    }

    // A modal window the test waits for and that never opens fails the test instead of leaving the
    // check looking for it for ever.
    void onNextModalGivesUpWhenNoWindowOpens() {
        bool ran = false;
        tvtest::OnNextModal<QWidget>([&ran](QWidget*) { ran = true; });
        QEXPECT_FAIL("", "no window opens", Continue);
        for (int i = 0; i <= tvtest::kModalTries + 1; ++i)
            QCoreApplication::processEvents();
        QVERIFY(!ran);
    }
};

QTEST_MAIN(TestWzDialog)
#include "test_wzdialog.moc"
