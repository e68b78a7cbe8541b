// The two appearance pages: which edits mark the project as changed, the title font previews (also
// while a size is half typed), the group switches, the font and colour pickers, the static bitmap
// list, the state shown after loading, and a round trip through the main window and the console tool.
#include "UiTestSupport.h"

#include "core/FontSpec.h"
#include "core/MsgDlg.h"
#include "core/Project.h"
#include "deploy/ScriptWriter.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/ColorViewUnit.h"
#include "ui/editors/FontViewUnit.h"
#include "ui/editors/SetupPreview.h"
#include "ui/editors/StaticBMPUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzLabelUnit.h"
#include "ui/main/ColorButton.h"
#include "ui/main/FieldBinder.h"
#include "ui/main/MainUnit.h"
#include "ui/pages/DialogPage.h"
#include "ui/pages/MainWindowPage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

using namespace tv;
using tvtest::OnNextModal;
using tvtest::ReadFile;
using tvtest::Retype;
using tvtest::WriteBitmap;

namespace {

template <class Page> struct Fixture {
    TProject project;
    QWidget host;
    Page* page = nullptr;

    Fixture() {
        host.setFont(DialogFont());
        host.setFixedSize(410, 327);
        page = new Page(project, &host);
        page->setGeometry(0, 0, 410, 327);
        host.show();
    }
    template <class W = QWidget> W* get(const char* name) {
        auto* w = page->template findChild<W*>(name);
        if (!w)
            qWarning("no control %s", name);
        return w;
    }
};

struct TCloseAtEnd {
    QDialog* dialog;
    ~TCloseAtEnd() {
        if (dialog->isVisible())
            dialog->done(2);
    }
};

} // namespace

class TestAppearancePages final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        InstallFontSubstitutes();
        QVERIFY(m_dir.isValid());
    }
    void init() { tvtest::resetSeams(true); }

    void editsSetModifiedOrNot_data() {
        QTest::addColumn<int>("pageNo");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("setsModified");
        for (const char* n : {"cbMainWindow", "cbMainTitle", "cbMainTitleShadow", "cbMainShowAppName",
                              "edMainBackBMP", "edMainTitleFont"})
            QTest::newRow(n) << 1 << QString(n) << true;
        for (const char* n : {"edDialogFont", "cbShowDialogTitle", "cbDialogTitleShadow", "edDialogTitleFont",
                              "cbDlgReadme", "cbDlgWelcome", "cbDlgLicense", "cbDlgPath", "cbDlgProgramGroup",
                              "cbDlgStart", "cbDlgFinal", "edTznsBMP"})
            QTest::newRow(n) << 2 << QString(n) << true;
        for (const char* n : {"cbDlgH", "cbDlgV"})
            QTest::newRow(n) << 2 << QString(n) << false;
    }
    void editsSetModifiedOrNot() {
        QFETCH(int, pageNo);
        QFETCH(QString, name);
        QFETCH(bool, setsModified);
        Fixture<TMainWindowPage> one;
        Fixture<TDialogPage> two;
        TProject& project = pageNo == 1 ? one.project : two.project;
        const TProject before = project;
        QWidget* w = pageNo == 1 ? one.get(qPrintable(name)) : two.get(qPrintable(name));
        QVERIFY(w);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            QTest::keyClicks(edit, name.startsWith("edDialogFont") ? "0" : "1");
            QVERIFY(edit->text().endsWith(name.startsWith("edDialogFont") ? "0" : "1"));
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QTest::keyClick(combo, Qt::Key_Up);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            QTest::keyClick(box, Qt::Key_Space);
        }
        QCOMPARE(project.Modified, setsModified);
        if (name == "cbDlgH") {
            QCOMPARE(project.DialogPosX, 1);
        } else if (name == "cbDlgV") {
            QCOMPARE(project.DialogPosY, 1);
        } else {
            QVERIFY2(project.MainShow != before.MainShow || project.MainTitle != before.MainTitle ||
                         project.MainTitleShadow != before.MainTitleShadow ||
                         project.MainBGAppTitle != before.MainBGAppTitle || project.MainBGBitmap == "1" ||
                         project.MainTitleFont != before.MainTitleFont || project.DialogFont == "Tahoma, 80" ||
                         project.DialogTitle != before.DialogTitle ||
                         project.DialogTitleFontShadow != before.DialogTitleFontShadow ||
                         project.DialogTitleFont != before.DialogTitleFont ||
                         project.DialogsText() != before.DialogsText() || project.DialogFinal != before.DialogFinal ||
                         project.DialogTitleBMP == "1",
                     "the edit did not reach the Project");
        }
    }

    void titleFontPreviewFollowsTheText() {
        Fixture<TMainWindowPage> fx;
        auto* edit = fx.get<QLineEdit>("edMainTitleFont");
        auto* preview = fx.get<TwzLabel>("lbMainTitle");
        QCOMPARE(preview->text(), QString("Title"));
        QCOMPARE(preview->size(), QSize(85, 45));
        const auto shown = [&](const QString& text) {
            Retype(edit, text);
            return std::make_tuple(preview->font().family(), preview->font().pointSize(), preview->font().bold(),
                                   preview->font().italic(), preview->font().underline(),
                                   FromQColor(preview->palette().color(QPalette::WindowText)));
        };
        const auto byDefault = shown("Times New Roman, 20, $000000, B");
        QCOMPARE(byDefault, std::make_tuple(QString("Times New Roman"), 20, true, false, false, TColor(0)));
        QCOMPARE(shown("Times New Roman,20,$00000000,B"), byDefault);
        QCOMPARE(shown("Arial,10,$000000,bui"), std::make_tuple(QString("Arial"), 10, false, false, false, TColor(0)));
        QCOMPARE(shown("Arial,10,$000000,IB"), std::make_tuple(QString("Arial"), 10, true, true, false, TColor(0)));
        QCOMPARE(shown("Arial,12,red,"), std::make_tuple(QString("Arial"), 12, false, false, false, TColor(0)));
        QCOMPARE(shown("Arial,12,$FF"), std::make_tuple(QString("Arial"), 12, false, false, false, TColor(0xFF)));
        QVERIFY(!TFieldBinder::IsMarkedWrong(edit));

        // The shadow box and colour: shadow style and colour follow at once.
        auto* shadow = fx.get<QCheckBox>("cbMainTitleShadow");
        QCOMPARE(preview->TextStyle(), TwzLabel::tsShadow);
        shadow->click();
        QCOMPARE(preview->TextStyle(), TwzLabel::tsNone);
        shadow->click();
        OnNextModal<TColorView>([](TColorView* picker) {
            picker->SetSelectedColor(0x000000FF);
            picker->done(mrOk);
        });
        QTest::mouseClick(fx.get<TColorButton>("btMainTitleShadow"), Qt::LeftButton);
        QCOMPARE(preview->ShadowColor(), QColor(Qt::red));
        QCOMPARE(fx.project.MainTitleShadowColor, TColor(0xFF));
    }

    void halfTypedSizeIsMarkedBesideTheField() {
        Fixture<TDialogPage> fx;
        auto* edit = fx.get<QLineEdit>("edDialogTitleFont");
        auto* preview = fx.get<TwzLabel>("lbDialogTitle");
        Retype(edit, "Arial,14,$FF,I");
        fx.project.Modified = false;
        QSignalSpy edited(fx.page, &TWizardPage::projectEdited);

        Retype(edit, "Liberation Sans,");
        QCOMPARE(edit->text(), QString("Liberation Sans,"));
        QVERIFY(TFieldBinder::IsMarkedWrong(edit));
        QCOMPARE(edit->toolTip(), QString("'' is not a valid integer value"));
        QCOMPARE(preview->font().family(), QString("Liberation Sans")); // the face is taken
        QCOMPARE(preview->font().pointSize(), 14);                      // the rest stays
        QVERIFY(preview->font().italic());
        QVERIFY(!fx.project.Modified);
        QVERIFY(edited.isEmpty());
        QVERIFY(TwzDialog::AskedTexts().isEmpty()); // no message per key

        // The picker refuses the text with the message, and does not open.
        QTest::mouseClick(fx.get<QToolButton>("edDialogTitleFontBtn"), Qt::LeftButton);
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{"'' is not a valid integer value"});

        QTest::keyClicks(edit, "16,$0,B");
        QVERIFY(!TFieldBinder::IsMarkedWrong(edit));
        QCOMPARE(preview->font().pointSize(), 16);
        QVERIFY(fx.project.Modified);
        QCOMPARE(fx.project.DialogTitleFont, std::string("Liberation Sans,16,$0,B"));
    }

    void fontPickersReturnTheirFont() {
        Fixture<TDialogPage> fx;
        OnNextModal<TFontView>([](TFontView* picker) {
            TCloseAtEnd closing{picker};
            QCOMPARE(picker->GetFontSpec(), QString("Times New Roman,20,$00000000,B"));
            picker->SetFontSpec("Arial,10,$000000FF,BU");
            tvtest::saveShot(picker, "appearance_fontview");
            picker->done(mrOk);
        });
        QTest::mouseClick(fx.get<QToolButton>("edDialogTitleFontBtn"), Qt::LeftButton);
        QCOMPARE(fx.get<QLineEdit>("edDialogTitleFont")->text(), QString("Arial,10,$000000FF,BU"));
        QCOMPARE(fx.project.DialogTitleFont, std::string("Arial,10,$000000FF,BU"));
        QVERIFY(fx.get<TwzLabel>("lbDialogTitle")->font().underline());

        // The dialog font: a chooser that starts from face and size and gives them back. It opens on
        // the face even where this computer lacks it, and a plain OK keeps that face.
        auto* dialogFont = fx.get<QLineEdit>("edDialogFont");
        QCOMPARE(dialogFont->text(), QString("Tahoma, 8"));
        OnNextModal<TFontView>([](TFontView* picker) {
            TCloseAtEnd closing{picker};
            QCOMPARE(picker->objectName(), QString("FontDialog1"));
            QCOMPARE(picker->GetFaceAndSize(), QString("Tahoma,8"));
            QCOMPARE(picker->findChild<QTreeWidget*>("lbFonts")->currentItem()->text(0), QString("Tahoma"));
            tvtest::saveShot(picker, "appearance_dialogfont");
            QTest::mouseClick(picker->findChild<QWidget*>("doOK"), Qt::LeftButton);
        });
        QTest::mouseClick(fx.get<QToolButton>("edDialogFontBtn"), Qt::LeftButton);
        QCOMPARE(dialogFont->text(), QString("Tahoma,8"));
        QCOMPARE(fx.project.DialogFont, std::string("Tahoma,8"));
        OnNextModal<TFontView>([](TFontView* picker) {
            TCloseAtEnd closing{picker};
            auto* list = picker->findChild<QTreeWidget*>("lbFonts");
            // A face of every Windows: listed whatever this computer has.
            const QList<QTreeWidgetItem*> rows = list->findItems("Verdana", Qt::MatchExactly);
            QCOMPARE(rows.size(), 1);
            list->scrollToItem(rows[0]);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(rows[0]).center());
            QLineEdit* size = picker->findChild<QComboBox*>("cbFontSize")->lineEdit();
            size->setFocus();
            size->selectAll();
            tvtest::TypeText(size, "12");
            QTest::mouseClick(picker->findChild<QWidget*>("doOK"), Qt::LeftButton);
        });
        QTest::mouseClick(fx.get<QToolButton>("edDialogFontBtn"), Qt::LeftButton);
        QCOMPARE(fx.project.DialogFont, std::string("Verdana,12"));

        // The title font likewise keeps a face this computer lacks.
        Retype(fx.get<QLineEdit>("edDialogTitleFont"), "Tahoma,8,$00000000,");
        OnNextModal<TFontView>([](TFontView* picker) {
            TCloseAtEnd closing{picker};
            QCOMPARE(picker->findChild<QTreeWidget*>("lbFonts")->currentItem()->text(0), QString("Tahoma"));
            QTest::mouseClick(picker->findChild<QWidget*>("doOK"), Qt::LeftButton);
        });
        QTest::mouseClick(fx.get<QToolButton>("edDialogTitleFontBtn"), Qt::LeftButton);
        QCOMPARE(fx.project.DialogTitleFont, std::string("Tahoma,8,$00000000,"));

        Retype(dialogFont, "Tahoma,x");
        QTest::mouseClick(fx.get<QToolButton>("edDialogFontBtn"), Qt::LeftButton);
        QCOMPARE(TwzDialog::AskedTexts(), QStringList{"'x' is not a valid integer value"});
    }

    void colourPickerCancelStillMarksTheProject() {
        Fixture<TMainWindowPage> fx;
        for (const char* name : {"btGradientTop", "btGradientBot", "btMainTitleShadow"}) {
            fx.project.Modified = false;
            auto* button = fx.get<TColorButton>(name);
            const TColor before = button->Color();
            OnNextModal<TColorView>([name](TColorView* picker) {
                picker->SetSelectedColor(0x00123456);
                if (QString(name) == "btGradientTop")
                    tvtest::saveShot(picker, "appearance_colorview");
                picker->done(mrCancel);
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(button->Color(), before);
            QVERIFY(fx.project.Modified);
        }
        QCOMPARE(fx.project.MainGradientTop, TColor(0x00FF0000));
    }

    void groupsFollowTheirBoxes() {
        Fixture<TMainWindowPage> fx;
        auto* main = fx.get<QCheckBox>("cbMainWindow");
        auto* title = fx.get<QCheckBox>("cbMainTitle");
        QWidget* inner[] = {fx.get("grMainTitle"), fx.get("grBackground"), fx.get("lvStaticBMP"),
                            fx.get("edMainTitleFont"), title};
        title->click();
        QVERIFY(!fx.get("grMainTitle")->isEnabled());
        QVERIFY(title->isEnabled());
        main->click();
        for (QWidget* w : inner)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        main->click();
        QVERIFY(fx.get("grBackground")->isEnabled());
        QVERIFY(title->isEnabled());
        QVERIFY(!fx.get("grMainTitle")->isEnabled()); // still following its own box
        title->click();
        QVERIFY(fx.get("grMainTitle")->isEnabled());

        Fixture<TDialogPage> two;
        two.get<QCheckBox>("cbShowDialogTitle")->click();
        QVERIFY(!two.get("grShowDialogTitle")->isEnabled());
        QVERIFY(!two.project.DialogTitle);
    }

    void loadShowsTheDependentState() {
        Fixture<TMainWindowPage> one;
        Fixture<TDialogPage> two;
        for (TProject* p : {&one.project, &two.project}) {
            p->MainShow = false;
            p->MainTitle = false;
            p->MainTitleFont = "Arial,30,$0000FF00,I";
            p->MainTitleShadow = false;
            p->DialogTitle = false;
            p->DialogTitleFont = "Arial,9,$000000,U";
            p->DialogTitleFontShadowColor = 0x000000FF;
            p->DialogPosX = 0;
            p->DialogPosY = 1;
            p->StaticBitmaps = {{"logo.bmp", "1,2,3", "$00FF00FF"}};
            p->Modified = false;
        }
        one.page->LoadFromProject();
        two.page->LoadFromProject();
        QVERIFY(!one.project.Modified && !two.project.Modified);
        QVERIFY(!one.get("grMainWindow")->isEnabled());
        QVERIFY(!one.get("grMainTitle")->isEnabled());
        auto* mainPreview = one.get<TwzLabel>("lbMainTitle");
        QCOMPARE(mainPreview->font().pointSize(), 30);
        QVERIFY(mainPreview->font().italic());
        QCOMPARE(mainPreview->TextStyle(), TwzLabel::tsNone);
        QCOMPARE(one.get<QTableView>("lvStaticBMP")->model()->rowCount(), 1);
        QCOMPARE(one.get<QTableView>("lvStaticBMP")->model()->index(0, 1).data().toString(), QString("1,2,3"));
        QVERIFY(!two.get("grShowDialogTitle")->isEnabled());
        QCOMPARE(two.get<TwzLabel>("lbDialogTitle")->ShadowColor(), QColor(Qt::red));
        QVERIFY(two.get<TwzLabel>("lbDialogTitle")->font().underline());
        QCOMPARE(two.get<QComboBox>("cbDlgH")->currentText(), QString("Left"));
        QCOMPARE(two.get<QComboBox>("cbDlgV")->currentText(), QString("Center"));
    }

    void staticBitmapsAreAddedEditedAndRemoved() {
        Fixture<TMainWindowPage> fx;
        fx.project.FileName = Path("proj/My.tvx").toStdString();
        QVERIFY(QDir().mkpath(Path("proj")));
        const QString file = WriteBitmap(Path("proj/logo.bmp"), 40, 20, Qt::yellow, Qt::white);
        auto* list = fx.get<QTableView>("lvStaticBMP");
        QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QString("Bitmap"));
        QCOMPARE(list->columnWidth(2), 70);

        // Removing with nothing selected still counts as a change.
        fx.project.Modified = false;
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton14"), Qt::LeftButton);
        QVERIFY(fx.project.Modified);

        fx.project.Modified = false;
        fx.project.AppName = "My Application";
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            QCOMPARE(e->X(), 0);
            QCOMPARE(e->Origin(), 0);
            QVERIFY(e->Transparent());
            QCOMPARE(e->Title()->text(), QString("My Application"));
            QCOMPARE(e->palette().color(QPalette::Window), ToQColor(fx.project.MainGradientTop));
            TNameSeam::ScriptNames({file});
            e->PopupMenu()->findChild<QAction*>("mnSelectBitmap")->trigger();
            QTest::keyClick(e->Picture(), Qt::Key_Right, Qt::ShiftModifier);
            QTest::keyClick(e->Picture(), Qt::Key_Down);
            e->PopupMenu()->findChild<QAction*>("mnSet")->trigger();
        });
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton12"), Qt::LeftButton);
        QVERIFY(fx.project.Modified);
        QCOMPARE(fx.project.StaticBitmaps.size(), size_t(1));
        // Inside the project's folder: kept by a relative name.
        QCOMPARE(QString::fromStdString(fx.project.StaticBitmaps[0].File), QFileInfo(file).fileName());
        QCOMPARE(fx.project.StaticBitmaps[0].Coord, std::string("10,1,0"));
        QCOMPARE(fx.project.StaticBitmaps[0].Transparency, std::string("$00FFFFFF"));
        QCOMPARE(list->model()->index(0, 2).data().toString(), QString("$00FFFFFF"));
        QCOMPARE(fx.page->SelectedBitmap(), 0);

        // Edit: a relative name is read beside the project; the row's placement is where it opens.
        fx.project.StaticBitmaps[0] = {"logo.bmp", "10,20,3", ""};
        fx.page->LoadFromProject();
        list->selectRow(0);
        fx.project.Modified = false;
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            const QSize c = e->ClientSize();
            QCOMPARE(e->Picture()->size(), QSize(40, 20));
            QCOMPARE(e->Picture()->pos(), QPoint(c.width() - 50, c.height() - 40));
            QVERIFY(!e->Transparent());
            QVERIFY(TwzDialog::AskedTexts().isEmpty());
            e->PopupMenu()->findChild<QAction*>("mnOrigin0")->trigger();
            e->PopupMenu()->findChild<QAction*>("mnSet")->trigger();
        });
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton13"), Qt::LeftButton);
        QCOMPARE(fx.project.StaticBitmaps[0].Coord, std::string("10,20,0"));
        QCOMPARE(fx.project.StaticBitmaps[0].File, std::string("logo.bmp"));
        QVERIFY(fx.project.Modified);

        // Closing without "Set" changes nothing.
        fx.project.Modified = false;
        OnNextModal<TStaticBMP>([](TStaticBMP* e) { QTest::keyClick(e, Qt::Key_Escape); });
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton13"), Qt::LeftButton);
        QVERIFY(!fx.project.Modified);

        list->selectRow(0);
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton14"), Qt::LeftButton);
        QVERIFY(fx.project.StaticBitmaps.empty());
        QCOMPARE(list->model()->rowCount(), 0);

        // A full list takes no more and says so.
        fx.project.StaticBitmaps.assign(kMaxStaticBitmaps, TStaticBitmap{"x.bmp", "0,0,0", ""});
        fx.page->LoadFromProject();
        fx.project.Modified = false;
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton12"), Qt::LeftButton);
        QCOMPARE(fx.project.StaticBitmaps.size(), size_t(kMaxStaticBitmaps));
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("99"));
        QVERIFY(!fx.project.Modified);
    }

    // Editing a row never loses what it holds: an unreadable file ends the edit with the row as it
    // was, another bitmap keeps the row's distances, and the title shows as the setup will show it.
    void staticBitmapEditKeepsTheRow() {
        Fixture<TMainWindowPage> fx;
        fx.project.FileName = Path("keep/My.tvx").toStdString();
        QVERIFY(QDir().mkpath(Path("keep")));
        QVERIFY(tvtest::WriteFile(Path("keep/junk.bmp"), "not a bitmap"));
        QVERIFY(!WriteBitmap(Path("keep/wide.bmp"), 100, 50, Qt::red, Qt::red).isEmpty());
        const QString small = WriteBitmap(Path("keep/small.bmp"), 30, 10, Qt::blue, Qt::white);
        auto& rows = fx.project.StaticBitmaps;
        rows = {{"junk.bmp", "5,6,3", "$00123456"}, {"wide.bmp", "10,20,3", "$00FF00FF"}};
        fx.project.AppName = "Shown";
        fx.project.MainTitle = true;
        fx.project.MainBGAppTitle = false;
        fx.page->LoadFromProject();
        auto* list = fx.get<QTableView>("lvStaticBMP");
        fx.project.Modified = false;

        list->selectRow(0);
        TwzDialog::ScriptAnswers({mrOk});
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            QCoreApplication::sendPostedEvents();
            QVERIFY(!e->isVisible());
        });
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton13"), Qt::LeftButton);
        QCOMPARE(TwzDialog::AskedTexts().size(), 1);
        QVERIFY(TwzDialog::AskedTexts()[0].contains("junk.bmp"));
        QCOMPARE(rows[0].File, std::string("junk.bmp"));
        QCOMPARE(rows[0].Coord, std::string("5,6,3"));
        QCOMPARE(rows[0].Transparency, std::string("$00123456"));
        QVERIFY(!fx.project.Modified);

        list->selectRow(1);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            // The setup shows the title by the Title switch alone.
            QVERIFY(e->Title()->isVisible());
            TNameSeam::ScriptNames({small});
            e->PopupMenu()->findChild<QAction*>("mnSelectBitmap")->trigger();
            e->PopupMenu()->findChild<QAction*>("mnSet")->trigger();
        });
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton13"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(rows[1].File), QFileInfo(small).fileName()); // beside the project
        QCOMPARE(rows[1].Coord, std::string("10,20,3"));
        QCOMPARE(rows[1].Transparency, std::string("$00FFFFFF"));
        QVERIFY(fx.project.Modified);

        fx.project.MainTitle = false;
        fx.project.MainBGAppTitle = true;
        list->selectRow(1);
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            QVERIFY(!e->Title()->isVisible());
            QTest::keyClick(e, Qt::Key_Escape);
        });
        QTest::mouseClick(fx.get<QAbstractButton>("jdFlatButton13"), Qt::LeftButton);
    }

    void dialogPreviewStandsWhereTheSetupPutsIt() {
        Fixture<TDialogPage> fx;
        QVERIFY(!WriteBitmap(Path("title.bmp"), 120, 280, QColor(0, 128, 128), Qt::white).isEmpty());
        fx.project.DialogTitleBMP = Path("title.bmp").toStdString();
        fx.project.AppName = "My Application";
        fx.get<QComboBox>("cbDlgH")->setCurrentIndex(0);
        fx.get<QComboBox>("cbDlgV")->setCurrentIndex(1);
        OnNextModal<TSetupPreview>([](TSetupPreview* preview) {
            TCloseAtEnd closing{preview};
            const QRect r = preview->DialogRect(preview->size());
            QCOMPARE(r.left(), TSetupPreview::kScreenMargin);
            QCOMPARE(r.center().y(), preview->rect().center().y());
            tvtest::saveShot(preview, "appearance_dialog_preview");
            QTest::keyClick(preview, Qt::Key_Escape);
            QVERIFY(!preview->isVisible());
        });
        QTest::mouseClick(fx.get<QPushButton>("btDialogPreview"), Qt::LeftButton);
    }

    // Settings made in the window are saved as the console tool saves the same project, and a build
    // writes them into the setup's settings file.
    void roundTripThroughTheWindow() {
        QVERIFY(QDir().mkpath(Path("rt")));
        const QString bmp = WriteBitmap(Path("rt/logo.bmp"), 30, 30, Qt::blue, Qt::magenta);
        tvtest::resetSeams(true);
        TMain w;
        w.show();
        QCoreApplication::processEvents();
        Retype(w.findChild<QLineEdit*>("edMiscDeployment"), Path("rt/deploy"));
        auto* one = w.Page<TMainWindowPage>();
        auto* two = w.Page<TDialogPage>();
        QVERIFY(one && two);
        Retype(one->findChild<QLineEdit*>("edMainTitleFont"), "Arial,24,$000000FF,BI");
        one->findChild<QCheckBox*>("cbMainShowAppName")->click();
        OnNextModal<TColorView>([](TColorView* picker) {
            picker->SetSelectedColor(0x00336699);
            picker->done(mrOk);
        });
        one->findChild<TColorButton*>("btGradientBot")->click();
        OnNextModal<TStaticBMP>([&](TStaticBMP* e) {
            TCloseAtEnd closing{e};
            TNameSeam::ScriptNames({bmp});
            e->PopupMenu()->findChild<QAction*>("mnSelectBitmap")->trigger();
            QTest::keyClick(e->Picture(), Qt::Key_Down);
            e->PopupMenu()->findChild<QAction*>("mnSet")->trigger();
        });
        one->findChild<QAbstractButton*>("jdFlatButton12")->click();
        Retype(two->findChild<QLineEdit*>("edDialogFont"), "Verdana,9");
        two->findChild<QCheckBox*>("cbDlgLicense")->click();
        two->findChild<QComboBox*>("cbDlgH")->setCurrentIndex(1);
        QVERIFY(w.Project().Modified);

        const QString fromWindow = Path("rt/window.tvx");
        TNameSeam::ScriptNames({fromWindow});
        w.findChild<QAbstractButton*>("btSave")->click();
        QVERIFY(!w.Project().Modified);
#ifdef TAMVELOX_CLI_PATH
        const QString cli = TAMVELOX_CLI_PATH;
        const QString fromCli = Path("rt/cli.tvx");
        QCOMPARE(QProcess::execute(cli, {"save", fromWindow, fromCli}), 0);
        QCOMPARE(ReadFile(fromCli), ReadFile(fromWindow));
#endif
        const QByteArray saved = ReadFile(fromWindow);
        QVERIFY(saved.contains("Title.Font=Arial,24,$000000FF,BI"));
        QVERIFY(saved.contains("BG.GradientBot=$00336699"));
        QVERIFY(saved.contains("Font=Verdana,9"));
        QVERIFY(saved.contains("DialogPosX=1"));

        QVERIFY(QDir().mkpath(Path("rt/Presetup")));
        WriteSettingsFile(w.Project(), Path("rt/Presetup").toStdString());
        const QByteArray settings = ReadFile(Path("rt/Presetup/TZNS.INI"));
        QVERIFY(settings.contains("MainTitleFont=Arial,24,$000000FF,BI"));
        QVERIFY(settings.contains("GradientBottomColor=$00336699"));
        QVERIFY(settings.contains("DialogPosition=1,2"));
        QVERIFY(settings.contains("Bitmap.01=logo.bmp,0,1,0,$00FF00FF"));
        QVERIFY(!settings.contains("DLG_LICENSE,"));

        // Screenshots: both pages with what was set, and the editor over the setup's screen.
        if (!qEnvironmentVariableIsEmpty("TAMVELOX_SCREENSHOT_DIR")) {
            auto* pages = w.findChild<QStackedWidget*>("wizPages");
            pages->setCurrentWidget(one);
            tvtest::saveShot(&w, "appearance_page1");
            pages->setCurrentWidget(two);
            tvtest::saveShot(&w, "appearance_page2");
            pages->setCurrentWidget(one);
            one->findChild<QTableView*>("lvStaticBMP")->selectRow(0);
            OnNextModal<TStaticBMP>([](TStaticBMP* e) {
                TCloseAtEnd closing{e};
                tvtest::saveShot(e, "appearance_staticbmp_editor");
            });
            one->findChild<QAbstractButton*>("jdFlatButton13")->click();
        }
    }
};

QTEST_MAIN(TestAppearancePages)
#include "test_appearancepages.moc"
