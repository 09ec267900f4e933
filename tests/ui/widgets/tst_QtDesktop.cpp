#include "ui/widgets/QtDesktop.h"

#include <QDir>
#include <QTest>

using namespace velmont;

// Only the parts of the real desktop that open nothing: no box, no dialog,
// no application and never a power-off.
class QtDesktopTest : public QObject {
    Q_OBJECT

  private slots:
    void filterListBecomesQtFilterText() {
        const std::vector<FileFilter> filters{
            {"Audio Files", {"*.mp3", "*.wav"}},
            {"Flac files(*.flac;*.fla)", {"*.flac", "*.fla"}},
            {"All Files(*.*)", {"*.*"}},
        };
        QCOMPARE(
            QtFilterString(filters),
            std::string("Audio Files (*.mp3 *.wav);;Flac files(*.flac *.fla);;All Files(*.*)"));
        QCOMPARE(QtFilterString({}), std::string());
    }

    void nothingToOpenIsRefused() {
        QtDesktop desktop;
        QVERIFY(!desktop.OpenPath(""));
        QVERIFY(!desktop.OpenUrl(""));
        // A help page that is not there is reported, not opened.
        QVERIFY(!desktop.ShowHelp(QDir::tempPath().toStdString() + "/velmont-no-such-help.html"));
    }
};

QTEST_MAIN(QtDesktopTest)
#include "tst_QtDesktop.moc"
