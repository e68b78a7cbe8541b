// The about box: version, system and memory texts, its layout rules and the contact links.
#include "TamveloxVersion.h"
#include "UiTestSupport.h"
#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/DCVersionInfo.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzAboutFormUnit.h"
#include "ui/lib/wzLabelUnit.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

using tv::TDCLabel;
using tv::TDCVersionInfo;
using tv::TVersionData;
using tv::TwzAboutForm;
using tv::TwzLabel;

namespace {

TVersionData sampleData(const QString& author = QStringLiteral("me@tv.example.org")) {
    TVersionData d;
    d.Valid = true;
    d.Major = 1;
    d.Minor = 1;
    d.Release = 1;
    d.Build = 96;
    d.Strings = {{"InternalName", "Tamvelox"},
                 {"LegalCopyright", "Copyright (c) 2026 Example"},
                 {"CompanyName", "https://tamvelox.example.org/"},
                 {"Author", author}};
    return d;
}

template <typename T> T* child(QWidget& form, const char* name) {
    T* w = form.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

// The program's about text as the main window writes it.
const QString kNotes = QStringLiteral("Tamvelox is a wizard-style script generator for Tamrin Installer 1.6/#"
                                      "Some features of Tamrin Installer are not yet supported/#"
                                      "in this version, for more info see readme file./# /#"
                                      "For detail information refer to Tamrin Installer docs./#"
                                      "  Tamrin Installer - /c{clblue}https://engine.example.org/c{clblack}/#"
                                      "  Copyright (c) 2026 Example Engine Author/#"
                                      "  Email: engine@example.org");

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        tvtest::isolateEnvironment();
        tv::InstallFontSubstitutes();
    }

    void versionTexts() {
        QCOMPARE(TDCVersionInfo(sampleData()).VersionText(), QStringLiteral("Version 1.1 (Build 1.96)"));

        // A file without a version block: zeros and empty values.
        const TDCVersionInfo none(QCoreApplication::applicationFilePath() + QStringLiteral(".missing"));
        QVERIFY(!none.HasVersionInfo());
        QCOMPARE(none.VersionText(), QStringLiteral("Version 0.0 (Build 0.0)"));
        QCOMPARE(none.StringValue(QStringLiteral("InternalName")), QString());

        // This program: the version it was built as.
        const TDCVersionInfo self = TDCVersionInfo::ThisProgram();
        QVERIFY(self.HasVersionInfo());
        QCOMPARE(self.VersionText(), QStringLiteral("Version %1.%2 (Build %3.0)")
                                         .arg(TAMVELOX_VERSION_MAJOR)
                                         .arg(TAMVELOX_VERSION_MINOR)
                                         .arg(TAMVELOX_VERSION_PATCH));
        QCOMPARE(self.StringValue(QStringLiteral("InternalName")), QStringLiteral("Tamvelox"));
        QVERIFY(self.StringValue(QStringLiteral("CompanyName")).startsWith(QStringLiteral("https://")));
        QVERIFY(self.StringValue(QStringLiteral("Author")).contains(QLatin1Char('@')));
    }

    void systemText() {
        tv::TOsVersion xp{QStringLiteral("Windows"),       QStringLiteral("NT"), 5, 1, 2600,
                          QStringLiteral("Service Pack 2")};
        QCOMPARE(TDCVersionInfo::FormatOsText(xp),
                 QStringLiteral("Windows NT 5. 1 (Build 2600: Service Pack 2)"));
        tv::TOsVersion me{QStringLiteral("Windows"), QStringLiteral("98"), 4, 90, 3000, QStringLiteral("  ")};
        QCOMPARE(TDCVersionInfo::FormatOsText(me), QStringLiteral("Windows 98 4.90 (Build 3000)"));

        // The running system, in the same shape.
        const tv::TOsVersion os = TDCVersionInfo::CurrentOsVersion();
        QVERIFY(!os.Family.isEmpty());
        QVERIFY(os.Major > 0);
        static const QRegularExpression shape(
            QStringLiteral("^\\S+ \\S+ \\d+\\.[ \\d]\\d+ \\(Build \\d+(: .+)?\\)$"));
        QVERIFY2(shape.match(TDCVersionInfo::OSText()).hasMatch(), qPrintable(TDCVersionInfo::OSText()));
    }

    void memoryText() {
        QCOMPARE(TDCVersionInfo::FormatMemory(16318748, QLocale::c()), QStringLiteral("16,318,748 KB"));
        QCOMPARE(TDCVersionInfo::FormatMemory(999, QLocale::c()), QStringLiteral("999 KB"));
        QCOMPARE(TDCVersionInfo::FormatMemory(1000, QLocale::c()), QStringLiteral("1,000 KB"));
        QCOMPARE(TDCVersionInfo::FormatMemory(0, QLocale::c()), QStringLiteral("0 KB"));
        QCOMPARE(TDCVersionInfo::FormatMemory(16318748, QLocale(QLocale::German, QLocale::Germany)),
                 QStringLiteral("16.318.748 KB"));

        // The machine's own size, as the kernel reports it.
        QFile meminfo(QStringLiteral("/proc/meminfo"));
        if (!meminfo.open(QIODevice::ReadOnly))
            QSKIP("no /proc/meminfo here");
        static const QRegularExpression total(QStringLiteral("MemTotal:\\s+(\\d+) kB"));
        const auto m = total.match(QString::fromLatin1(meminfo.readAll()));
        QVERIFY(m.hasMatch());
        QCOMPARE(TDCVersionInfo::TotalMemoryKB(), m.captured(1).toULongLong());
    }

    void textsOfTheForm() {
        TwzAboutForm form{TDCVersionInfo(sampleData())};
        form.LayoutForm();
        QCOMPARE(child<TDCLabel>(form, "lbProjectInfo")->Caption(),
                 QStringLiteral("Tamvelox /b0/s{8}/c{clgray}Version 1.1 (Build 1.96)"));
        QCOMPARE(child<QLabel>(form, "lbCopyright")->text(), QStringLiteral("Copyright (c) 2026 Example"));
        QCOMPARE(child<TwzLabel>(form, "lbCompanyURL")->text(),
                 QStringLiteral("Internet: https://tamvelox.example.org/"));
        QCOMPARE(child<TwzLabel>(form, "lbCompanyEmail")->text(),
                 QStringLiteral("Author: me@tv.example.org"));
        QCOMPARE(form.windowTitle(), QStringLiteral("About"));

        // The memory size right-aligned in 39 places after the label text.
        const QString memory = child<TDCLabel>(form, "lbMemoryInfo")->Caption();
        const QString mem = TDCVersionInfo::TotalMemoryText();
        QVERIFY2(memory.startsWith(QStringLiteral("Total memory ")), qPrintable(memory));
        QVERIFY(memory.endsWith(QStringLiteral(": ") + QString(39 - mem.size(), QLatin1Char(' ')) + mem));
        QVERIFY(child<TDCLabel>(form, "lbSystemInfo")->Caption().contains(TDCVersionInfo::OSText()));

        // Without any version values: the zeros and nothing after the prefixes.
        TwzAboutForm empty{TDCVersionInfo(TVersionData{})};
        empty.LayoutForm();
        QCOMPARE(child<TDCLabel>(empty, "lbProjectInfo")->Caption(),
                 QStringLiteral(" /b0/s{8}/c{clgray}Version 0.0 (Build 0.0)"));
        QCOMPARE(child<QLabel>(empty, "lbCopyright")->text(), QString());
        QCOMPARE(child<TwzLabel>(empty, "lbCompanyURL")->text(), QStringLiteral("Internet: "));
        QCOMPARE(child<TwzLabel>(empty, "lbCompanyEmail")->text(), QStringLiteral("Author: "));
    }

    void layout() {
        TwzAboutForm form{TDCVersionInfo(sampleData())};
        auto* panel = child<QWidget>(form, "panelBot");
        auto* ok = child<tv::TjdFlatButton>(form, "btOK");
        auto* support = child<TwzLabel>(form, "lbSupport");

        // The system texts differ between machines; short ones leave the width to the rules.
        child<TDCLabel>(form, "lbSystemInfo")->setCaption(QStringLiteral("Linux x86_64 6. 1 (Build 0)"));
        child<TDCLabel>(form, "lbMemoryInfo")->setCaption(QStringLiteral("Total memory Linux: 1,024 KB"));

        // A short text keeps the bottom panel at its 280 pixels, right under the text.
        form.Notes()->setCaption(QStringLiteral("Short."));
        form.LayoutForm();
        QCOMPARE(panel->width(), 280);
        QCOMPARE(panel->height(), 81);
        QCOMPARE(panel->y(), form.Notes()->y() + form.Notes()->height());
        QCOMPARE(ok->geometry(), QRect(280 - 75 - 4, 50, 75, 23));
        QVERIFY(!support->isVisibleTo(&form));
        QCOMPARE(child<QFrame>(form, "lineTop")->width(), 272);
        QCOMPARE(child<QFrame>(form, "lineBot")->width(), 272);
        QCOMPARE(form.size(), QSize(panel->x() + 280 + 6, panel->y() + 81));

        // A long text widens the window with it; a support address shows its line.
        form.Notes()->setCaption(kNotes);
        form.setSupportAddress(QStringLiteral("help@tv.example.org"));
        form.LayoutForm();
        QVERIFY(form.Notes()->width() > 280);
        QCOMPARE(panel->width(), form.Notes()->width() + 12);
        QCOMPARE(panel->height(), 95);
        QCOMPARE(ok->y(), 62);
        QCOMPARE(ok->x(), panel->width() - 75 - 4);
        QVERIFY(support->isVisibleTo(&form));
        QCOMPARE(support->text(), QStringLiteral("Support: help@tv.example.org"));
        QCOMPARE(form.size(), QSize(panel->x() + panel->width() + 6, panel->y() + 95));
        QVERIFY(form.Notes()->geometry().bottom() < panel->y());

        // A contact line too long for the 280 pixels widens the panel instead of running under
        // the button.
        TwzAboutForm wide(
            TDCVersionInfo(sampleData(QStringLiteral("a.very.long.author.address@tamvelox.example.org"))));
        wide.LayoutForm();
        auto* email = child<TwzLabel>(wide, "lbCompanyEmail");
        auto* wideOk = child<tv::TjdFlatButton>(wide, "btOK");
        QVERIFY(!email->geometry().intersects(wideOk->geometry()));
        QVERIFY(wideOk->geometry().right() < child<QWidget>(wide, "panelBot")->width());
        for (const char* name : {"lbSystemInfo", "lbMemoryInfo"}) {
            QWidget* info = child<QWidget>(wide, name);
            QVERIFY(info->geometry().right() < wide.width() - child<QWidget>(wide, "panelBot")->x());
        }
    }

    void links() {
        // The default opener reaches forms created after it is set (the main window's about box).
        QList<QUrl> opened;
        TwzAboutForm::setDefaultUrlOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        TwzAboutForm form{TDCVersionInfo(sampleData())};
        TwzAboutForm::setDefaultUrlOpener(nullptr);
        form.setSupportAddress(QStringLiteral("help@tv.example.org"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        auto* url = child<TwzLabel>(form, "lbCompanyURL");
        auto* mail = child<TwzLabel>(form, "lbCompanyEmail");
        auto* support = child<TwzLabel>(form, "lbSupport");
        QCOMPARE(url->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(url, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(mail, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(support, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(url, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(opened, QList<QUrl>({QUrl(QStringLiteral("https://tamvelox.example.org/")),
                                      QUrl(QStringLiteral("mailto:me@tv.example.org")),
                                      QUrl(QStringLiteral("mailto:help@tv.example.org"))}));

        // Inactive links open nothing.
        form.setLinksActive(false);
        QTest::mouseClick(url, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opened.size(), 3);

        // Hovering turns a link blue and leaving turns it back.
        const QColor normal = url->palette().color(QPalette::WindowText);
        QCOMPARE(normal, QColor(164, 149, 128));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(url, &enter);
        QCOMPARE(url->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(url, &leave);
        QCOMPARE(url->palette().color(QPalette::WindowText), normal);

        // OK closes the box with result 1.
        QTest::mouseClick(child<tv::TjdFlatButton>(form, "btOK"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), 1);
    }

    void screenshot() {
        TwzAboutForm form;
        form.Notes()->setCaption(kNotes);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(tvtest::saveShot(&form, QStringLiteral("about")));
        form.setSupportAddress(QStringLiteral("support@tamvelox.example.org"));
        form.LayoutForm();
        QVERIFY(tvtest::saveShot(&form, QStringLiteral("about_support")));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
