#include "PrivateDesktopBus.h"
#include "ui/widgets/QtDesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QTest>
#include <QUrl>

using namespace velmont;

// Takes the file addresses the desktop would open.
class OpenedUrls : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void Open(const QUrl& url) { urls << url; }
};

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

    // Against a fake notification server that clicks "Open Folder" at once.
    void notificationIsSentAndItsActionOpensTheFolder() {
        PrivateDesktopBus bus;
        QVERIFY(bus.Start("open-folder"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
        OpenedUrls opened;
        QDesktopServices::setUrlHandler("file", &opened, "Open");

        QtDesktop desktop;
        desktop.Notify("12 files converted, 1 failed", "/tmp/out <&> here");
        QTRY_COMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile("/tmp/out <&> here")});
        QCOMPARE(bus.Log(), QStringList{"notify Velmont Media Converter|12 files converted, 1 "
                                        "failed|/tmp/out &lt;&amp;&gt; here|default,Open "
                                        "Folder,open-folder,Open Folder|velmont-converter"});
        QDesktopServices::unsetUrlHandler("file");
    }
};

QTEST_MAIN(QtDesktopTest)
#include "tst_QtDesktop.moc"
