// The compiler output view as it first shows: sideways scrolling only for lines wider than the view.
#include "UiTestSupport.h"

#include "ui/pages/CompilerOutputUnit.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <string>

using namespace tv;

class TestCompilerOutput final : public QObject {
    Q_OBJECT

private:
    // Whether the view shows its horizontal and vertical scroll bars the moment it opens (as it is
    // first painted), over a parent window as on the Build page.
    static std::pair<bool, bool> BarsAtFirstShow(const std::string& output) {
        QWidget main;
        main.resize(600, 400);
        main.show();
        TCompilerOutputForm view(output, &main);
        view.show();
        QPlainTextEdit* text = view.Output();
        return {text->horizontalScrollBar()->isVisible(), text->verticalScrollBar()->isVisible()};
    }

private slots:
    void sidewaysScrollingOnlyForLongLines() {
        std::string shortLines;
        for (int i = 1; i <= 80; ++i)
            shortLines += "line " + std::to_string(i) + " to stdout\n";
        QCOMPARE(BarsAtFirstShow(shortLines), std::make_pair(false, true));
        QCOMPARE(BarsAtFirstShow("made setup.exe\n"), std::make_pair(false, false));
        QCOMPARE(BarsAtFirstShow(""), std::make_pair(false, false));
        QCOMPARE(BarsAtFirstShow("error: " + std::string(300, 'x') + "\n"), std::make_pair(true, false));
    }
};

int main(int argc, char** argv) {
    tvtest::isolateEnvironment();
    QApplication app(argc, argv);
    TestCompilerOutput test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_compileroutput.moc"
