// The converter program as a file manager's "Open with" starts it: the
// files named on the command line become the list's rows, a folder's media
// files too; --help and --version answer without a window. The program's
// check mode (VELMONT_CONVERT_AND_QUIT) converts them and closes the
// window the ordinary way, so what it leaves shows what the list held.

#include "PrivatePrograms.h"
#include "UiTestSupport.h"

#include "model/SettingsFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

using namespace velmont;

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void filesOnTheCommandLineBecomeRows() {
        if (!QFileInfo::exists(VELMONT_BIN_DIR "/velmont-converter"))
            QSKIP("velmont-converter has not been built");
        // Nothing left beside the build's programs is read.
        const test::PrivatePrograms programs{"velmont-converter", "Rendix"};
        QVERIFY(programs.Valid());
        const QString program = QString::fromStdString(programs.Path("velmont-converter"));
        QTemporaryDir work;
        const QDir folder(work.path());
        QVERIFY(MakeAudio(folder.filePath("a.mp3")));
        QVERIFY(MakeAudio(folder.filePath("b b.wav")));
        QVERIFY(folder.mkpath("in"));
        QVERIFY(MakeAudio(folder.filePath("in/c.wav")));
        QVERIFY(WriteText(folder.filePath("in/notes.txt"), "not media"));
        // The user's own settings give the output folder (format 0's).
        const QString output = folder.filePath("out");
        QVERIFY(folder.mkpath("config/velmont-converter"));
        QVERIFY(
            WriteText(folder.filePath("config/velmont-converter/param.ini"),
                      "<root><param><aac OutputDir=\"" + output.toUtf8() + "\"/></param></root>"));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
        environment.insert("VELMONT_CONVERT_AND_QUIT", "1");
        QProcess converter;
        converter.setProcessEnvironment(environment);
        converter.setWorkingDirectory(work.path());
        converter.setProcessChannelMode(QProcess::MergedChannels);
        // Relative names are taken from the folder the program starts in.
        converter.start(program, {"a.mp3", folder.filePath("b b.wav"), "in"});
        QVERIFY(converter.waitForFinished(120000));
        QVERIFY2(converter.exitCode() == 0, converter.readAll().constData());

        QVERIFY(QFileInfo::exists(folder.filePath("out/a.mp3")));
        QVERIFY(QFileInfo::exists(folder.filePath("out/b b.mp3")));
        QVERIFY(QFileInfo::exists(folder.filePath("out/c.mp3")));
        QVERIFY(!QFileInfo::exists(folder.filePath("out/notes.mp3")));
        QCOMPARE(QString::fromStdString(LoadOutputDirectoryFrom(
                     Std(folder.filePath("config/velmont-converter/record.ini")))),
                 output);

        // A file whose run failed is not a converted one.
        QVERIFY(WriteText(folder.filePath("broken.wav"), "this is no sound at all\n"));
        converter.start(program, {"broken.wav"});
        QVERIFY(converter.waitForFinished(120000));
        QCOMPARE(converter.exitCode(), 1);
    }

    void helpAndVersionPrintWithoutADisplay() {
        const QString program = QStringLiteral(VELMONT_BIN_DIR "/velmont-converter");
        if (!QFileInfo::exists(program))
            QSKIP("velmont-converter has not been built");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(name);
        const std::pair<QString, QString> cases[] = {{"--help", "Usage: velmont-converter"},
                                                     {"--version", "velmont-converter 1."}};
        for (const auto& [option, expected] : cases) {
            QProcess converter;
            converter.setProcessEnvironment(environment);
            converter.start(program, {"a.mp3", option});
            QVERIFY(converter.waitForFinished(10000));
            QCOMPARE(converter.exitCode(), 0);
            QVERIFY(QString::fromUtf8(converter.readAllStandardOutput()).startsWith(expected));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_main_startup.moc"
