// The converter program starts as a user starts it and keeps its window up
// until closed.

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void programStartsAndStaysUp() {
        const QString program = QStringLiteral(VELMONT_BIN_DIR "/velmont-converter");
        if (!QFileInfo::exists(program))
            QSKIP("velmont-converter has not been built");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess converter;
        converter.setProcessEnvironment(environment);
        converter.setProcessChannelMode(QProcess::MergedChannels);
        // Arguments are not the program's business: one is simply ignored.
        converter.start(program, {"ignored-argument.mp3"});
        QVERIFY(converter.waitForStarted(10000));
        QVERIFY2(!converter.waitForFinished(2000), converter.readAll().constData());
        QCOMPARE(converter.state(), QProcess::Running);
        converter.kill();
        QVERIFY(converter.waitForFinished(10000));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_main_startup.moc"
