#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "UiTestSupport.h"
#include "core/MsgDlg.h"
#include "deploy/ProjectCheck.h"
#include "ui/editors/ColorShape.h"
#include "ui/editors/FontViewUnit.h"
#include "ui/lib/wzDialogUnit.h"

using namespace tv;

namespace {

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos) {
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

QColor SampleTextColor(const TFontView& view) {
    return view.findChild<QLabel*>("lbSample")->palette().color(QPalette::WindowText);
}

} // namespace

class TestFontView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tvtest::isolateEnvironment(); }
    void init() {
        TwzDialog::ClearScript();
        TwzDialog::RefuseUnscripted(true);
    }

    void startsAsTimesBold20() {
        TFontView view;
        QCOMPARE(view.windowTitle(), QString("Font Selection"));
        QCOMPARE(view.GetFontSpec(), QString("Times New Roman,20,$00000000,B"));
        QCOMPARE(view.findChild<QComboBox*>("cbFontSize")->currentText(), QString("20"));
        QCOMPARE(view.findChild<QLabel*>("lbSample")->text(), QString("Sample Text"));
        QVERIFY(view.findChild<QToolButton*>("btBold")->isChecked());
    }

    void specRoundTrips() {
        TFontView view;
        QVERIFY(view.SetFontSpec("Tahoma,8,$00000000,"));
        QCOMPARE(view.GetFontSpec(), QString("Tahoma,8,$00000000,"));
        QVERIFY(!view.SampleFont().bold());
        QVERIFY(!view.findChild<QToolButton*>("btBold")->isChecked());

        QVERIFY(view.SetFontSpec("Times New Roman, 20, $000000, B"));
        QCOMPARE(view.GetFontSpec(), QString("Times New Roman,20,$00000000,B"));

        // An uninstalled face is kept by name; the size box follows the sample.
        QVERIFY(view.SetFontSpec("No Such Face 7,13,$00FF0000,IBU"));
        QCOMPARE(view.GetFontSpec(), QString("No Such Face 7,13,$00FF0000,BIU"));
        QCOMPARE(view.SampleFont().family(), QString("No Such Face 7"));
        QCOMPARE(view.findChild<QComboBox*>("cbFontSize")->currentText(), QString("13"));
    }

    void redBoldUnderlined() {
        TFontView view;
        QVERIFY(view.SetFontSpec("Arial,10,$000000FF,BU"));
        const QFont f = view.SampleFont();
        QCOMPARE(f.family(), QString("Arial"));
        QCOMPARE(f.pointSize(), 10);
        QVERIFY(f.bold() && f.underline() && !f.italic());
        QCOMPARE(view.findChild<QLabel*>("lbSample")->font(), f);
        QCOMPARE(SampleTextColor(view), QColor(Qt::red));
        QVERIFY(view.findChild<QToolButton*>("btBold")->isChecked());
        QVERIFY(!view.findChild<QToolButton*>("btItalic")->isChecked());
        QVERIFY(view.findChild<QToolButton*>("btUnderline")->isChecked());
    }

    void oddSpecs() {
        TFontView view;
        QVERIFY(view.SetFontSpec("Arial,10,$000000FF,I"));
        const QString before = view.GetFontSpec();
        // Two or five fields leave the sample alone.
        QVERIFY(view.SetFontSpec("Courier,12"));
        QVERIFY(view.SetFontSpec("Courier,12,$0,B,U"));
        QVERIFY(view.SetFontSpec(""));
        QCOMPARE(view.GetFontSpec(), before);
        // Three fields: no styles. Letters in the face do not count, nor do lower-case ones.
        QVERIFY(view.SetFontSpec("Book,9,$FF"));
        QCOMPARE(view.GetFontSpec(), QString("Book,9,$000000FF,"));
        QVERIFY(view.SetFontSpec("BIU Sans,9,green,biu"));
        QCOMPARE(view.GetFontSpec(), QString("BIU Sans,9,$00000000,"));
        // A size that is not a number is refused with the integer message.
        QString error;
        QVERIFY(!view.SetFontSpec("Arial,big,$0,B", &error));
        QCOMPARE(error, QString("'big' is not a valid integer value"));
        QCOMPARE(view.Font().Size, 9);
    }

    void fontListShowsEachFaceInItself() {
        TFontView view;
        view.FillFonts();
        auto* list = view.findChild<QTreeWidget*>("lbFonts");
        QVERIFY(list->topLevelItemCount() > 0);
        QStringList names;
        bool hostFonts = false; // below the separator every face is this computer's own
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            if (item->flags() == Qt::NoItemFlags) {
                hostFonts = true;
                continue;
            }
            if (hostFonts)
                QCOMPARE(item->font(0).family(), item->text(0));
            names << item->text(0);
        }
        QVERIFY(hostFonts);
        QVERIFY(names.contains("Liberation Sans"));

        // Clicking a row takes its face; size, colour and styles stay.
        QVERIFY(view.SetFontSpec("Arial,14,$00008000,I"));
        const int row = names.indexOf("Liberation Sans") + 1; // past the separator
        QTreeWidgetItem* item = list->topLevelItem(row);
        QCOMPARE(item->text(0), QString("Liberation Sans"));
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(view.GetFontSpec(), QString("Liberation Sans,14,$00008000,I"));
        // ... also when that row is the current one already.
        QVERIFY(view.SetFontSpec("Arial,14,$00008000,I"));
        list->setCurrentItem(item);
        QVERIFY(view.SetFontSpec("Arial,14,$00008000,I") && view.Font().Face == "Arial");
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(view.Font().Face, std::string("Liberation Sans"));
    }

    // The faces every Windows has come first, in the order Check knows them, each drawn in itself
    // when this computer has it, else in its stand-in here; then, under a row that cannot be chosen,
    // this computer's other fonts. The order does not hang on the locale: names without regard to
    // case, then by code points; a bracket sorts like any other character.
    void fontListOrderIsTheSameEverywhere() {
        TFontView view;
        const QFont plain = view.font();
        view.FillFonts({"Nimbus Sans Narrow Bold", "zeta", "Nimbus Sans Narrow [UKWN]", "DejaVu Sans",
                        QString::fromUtf8("\u00C4rger"), "bitstream", "Bitstream", "B", "Liberation Sans",
                        "Liberation Serif", "Liberation Mono", "verdana"});
        auto* list = view.findChild<QTreeWidget*>("lbFonts");
        QStringList names;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            names << list->topLevelItem(i)->text(0);
        QStringList windows;
        for (const std::string& face : CommonWindowsFonts())
            windows << QString::fromStdString(face);
        QCOMPARE(names.mid(0, windows.size()), windows);
        QCOMPARE(names.mid(windows.size() + 1),
                 QStringList({"B", "Bitstream", "bitstream", "DejaVu Sans", "Liberation Mono",
                              "Liberation Sans", "Liberation Serif", "Nimbus Sans Narrow [UKWN]",
                              "Nimbus Sans Narrow Bold", "zeta", QString::fromUtf8("\u00C4rger")}));
        QTreeWidgetItem* separator = list->topLevelItem(windows.size());
        QCOMPARE(separator->flags(), Qt::NoItemFlags);

        auto drawnIn = [&](const char* face) {
            return list->topLevelItem(windows.indexOf(face))->font(0).family();
        };
        QCOMPARE(drawnIn("Arial"), QString("Liberation Sans"));
        QCOMPARE(drawnIn("Times New Roman"), QString("Liberation Serif"));
        QCOMPARE(drawnIn("Courier New"), QString("Liberation Mono"));
        QCOMPARE(drawnIn("Verdana"), QString("Verdana")); // this computer has it
        QCOMPARE(drawnIn("Impact"), plain.family());      // no stand-in: the list's own face
        QVERIFY(list->topLevelItem(windows.indexOf("Arial"))->toolTip(0).contains("Liberation Sans"));

        // The keyboard steps over the separator.
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(windows.size() - 1));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentItem()->text(0), QString("B"));
        QCOMPARE(view.Font().Face, std::string("B"));
    }

    // The window opens on the face it is given, whether this computer has it or not, and a plain
    // OK hands that face back.
    void opensOnTheCurrentFace() {
        const QStringList host = {"DejaVu Sans", "Liberation Sans"};
        auto current = [](TFontView& view) {
            QTreeWidgetItem* item = view.findChild<QTreeWidget*>("lbFonts")->currentItem();
            return item && item->isSelected() ? item->text(0) : QString();
        };
        for (const QString& described :
             {QString("Tahoma,8,$00000000,"), QString("Comic Neue,9,$00000000,B")}) {
            TFontView view;
            QVERIFY(view.SetFontSpec(described));
            view.FillFonts(host);
            QCOMPARE(current(view), described.section(',', 0, 0));
            view.show();
            QTest::mouseClick(view.findChild<QWidget*>("doOK"), Qt::LeftButton);
            QCOMPARE(view.result(), int(mrOk));
            QCOMPARE(view.GetFontSpec(), described);
        }

        // A face outside both groups has a row of its own at the top while it is the sample's.
        TFontView view;
        view.FillFonts(host);
        const int rows = view.findChild<QTreeWidget*>("lbFonts")->topLevelItemCount();
        QVERIFY(view.SetFontSpec("Comic Neue,9,$00000000,"));
        QCOMPARE(view.findChild<QTreeWidget*>("lbFonts")->topLevelItemCount(), rows + 1);
        QVERIFY(view.SetFontSpec("arial,9,$00000000,"));
        QCOMPARE(current(view), QString("Arial"));
        QCOMPARE(view.findChild<QTreeWidget*>("lbFonts")->topLevelItemCount(), rows);
        QCOMPARE(view.GetFontSpec(), QString("arial,9,$00000000,")); // as written until a row is clicked

        // The dialog font: face and size only.
        TFontView dialogFont(nullptr, TFontViewKind::FaceAndSize);
        dialogFont.SetFaceAndSize("Tahoma", 8);
        dialogFont.FillFonts(host);
        QCOMPARE(current(dialogFont), QString("Tahoma"));
        QVERIFY(dialogFont.findChild<QWidget*>("clColors")->isHidden());
        QVERIFY(dialogFont.findChild<QWidget*>("btBold")->isHidden());
        QVERIFY(!dialogFont.SampleFont().bold());
        QCOMPARE(dialogFont.GetFaceAndSize(), QString("Tahoma,8"));
        dialogFont.findChild<QComboBox*>("cbFontSize")->setEditText("10");
        QCOMPARE(dialogFont.GetFaceAndSize(), QString("Tahoma,10"));
    }

    void stylesColoursAndSpectrum() {
        TFontView view;
        QVERIFY(view.SetFontSpec("Arial,10,$00000000,"));
        QTest::mouseClick(view.findChild<QToolButton*>("btItalic"), Qt::LeftButton);
        QTest::mouseClick(view.findChild<QToolButton*>("btUnderline"), Qt::LeftButton);
        QCOMPARE(view.GetFontSpec(), QString("Arial,10,$00000000,IU"));
        QTest::mouseClick(view.findChild<QToolButton*>("btUnderline"), Qt::LeftButton);
        QVERIFY(!view.SampleFont().underline());

        QTest::mouseClick(view.findChild<TColorShape*>("Shape6"), Qt::LeftButton); // navy
        QCOMPARE(view.SampleColor(), TColor(0x00800000));
        QCOMPARE(SampleTextColor(view), QColor(0, 0, 0x80));

        auto* spectrum = view.findChild<TColorSpectrum*>("clColors");
        SendMouse(spectrum, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {10, 10});
        SendMouse(spectrum, QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {200, 20});
        SendMouse(spectrum, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {200, 20});
        QCOMPARE(view.SampleColor(), TColor(0x00800000));
        SendMouse(spectrum, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {10, 10});
        SendMouse(spectrum, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {299, 49});
        QCOMPARE(view.SampleColor(), TColor(0x00FFFFFF));
        SendMouse(spectrum, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {299, 49});
        SendMouse(spectrum, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {0, 49});
        QCOMPARE(view.GetFontSpec(), QString("Arial,10,$00FFFFFF,I"));
    }

    void sizeBox() {
        TFontView view;
        auto* size = view.findChild<QComboBox*>("cbFontSize");
        size->setCurrentIndex(size->findText("36"));
        QCOMPARE(view.Font().Size, 36);
        size->setEditText("15");
        QCOMPARE(view.SampleFont().pointSize(), 15);
        QVERIFY(TwzDialog::AskedTexts().isEmpty());

        // Text that is no integer is reported; the sample keeps its size.
        TwzDialog::ScriptAnswers({mrOk});
        size->setEditText("15x");
        QCOMPARE(view.Font().Size, 15);
        QCOMPARE(TwzDialog::AskedTexts(), QStringList("'15x' is not a valid integer value"));
        QCOMPARE(TwzDialog::AskedMessages().back().type, TMsgDlgType::mtError);
    }

    void screenshot() {
        TFontView view;
        QVERIFY(view.SetFontSpec("Times New Roman, 20, $000000, B"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(tvtest::saveShot(&view, "fontview"));

        TFontView dialogFont(nullptr, TFontViewKind::FaceAndSize);
        dialogFont.SetFaceAndSize("Tahoma", 8);
        dialogFont.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialogFont));
        QVERIFY(tvtest::saveShot(&dialogFont, "fontview_dialogfont"));
    }
};

QTEST_MAIN(TestFontView)
#include "test_fontview.moc"
