// Files as the user has them: names taken as bytes, whatever their
// encoding; outputs planned at Go so clashes get free names, and files
// already in the output folder are overwritten, kept beside or skipped as
// the user answers once per session.

#include "MainDialogFixture.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>

#include <QLineEdit>
#include <cstdio>

using namespace velmont;

class MainOutputsTest : public QObject {
    Q_OBJECT

    QTemporaryDir program_;
    QTemporaryDir media_;
    FakeDesktop desktop_;

    std::string Media(const QString& name) const { return Std(media_.filePath(name)); }

  private slots:
    void aDroppedFileWhoseNameIsNotUtf8KeepsItsBytes() {
        const std::string name = Media("caf") + "\xE9.wav"; // Latin-1, not UTF-8
        QVERIFY(MakeAudio(media_.filePath("made.wav")));
        QCOMPARE(std::rename(Media("made.wav").c_str(), name.c_str()), 0);
        QMimeData data;
        data.setData(QStringLiteral("text/uri-list"),
                     "file://" + QByteArray::fromStdString(name).toPercentEncoding("/") + "\r\n");
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &drop);

        QVERIFY(WaitUntilAdded(dialog));
        QCOMPARE(dialog.Jobs().Count(), std::size_t(1));
        QCOMPARE(dialog.Jobs()[0].inputPath, name);
        QCOMPARE(dialog.Jobs()[0].duration, 1); // the probe found and read it
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("caf\xE9"));
    }

    void rowsOfOneBatchNeverWriteOverEachOtherOrASource() {
        for (const char* name : {"song.wav", "song.mp3"})
            QVERIFY(WriteText(media_.filePath(name), "not really sound\n"));
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.AddFiles({Media("song.wav"), Media("song.mp3")});
        QVERIFY(WaitUntilAdded(dialog));
        dialog.DirectoryBox()->setText(media_.path());
        dialog.OnGo();

        QCOMPARE(dialog.conversions.size(), std::size_t(1));
        QVERIFY(desktop_.messages.empty());
        const std::string first = dialog.Jobs()[0].outputName;
        const std::string second = dialog.Jobs()[1].outputName;
        QVERIFY(first != second);
        for (const std::string& name : {first, second}) {
            QVERIFY(name != "song"); // song.mp3 is a source of the batch
            QVERIFY(!QFileInfo::exists(media_.filePath(QString::fromStdString(name) + ".mp3")));
        }
        // The rows show the names that will be written.
        QCOMPARE(dialog.FileList()->GetItemText(0, MainDialog::kOutputColumn),
                 QString::fromStdString(first));
    }

    void existingOutputsAreAskedAboutOncePerSession() {
        QVERIFY(WriteText(media_.filePath("take.wav"), "not really sound\n"));
        QVERIFY(QDir().mkpath(media_.filePath("out")));
        QVERIFY(WriteText(media_.filePath("out/take.mp3"), "an earlier conversion\n"));
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.AddFiles({Media("take.wav")});
        QVERIFY(WaitUntilAdded(dialog));
        dialog.DirectoryBox()->setText(media_.filePath("out"));

        desktop_.messageAnswers = {MessageResult::Cancel};
        dialog.OnGo();
        QVERIFY(dialog.conversions.empty());

        desktop_.messageAnswers = {MessageResult::Skip};
        dialog.OnGo();
        QCOMPARE(desktop_.messages.size(), std::size_t(2));
        QCOMPARE(desktop_.messages.back().buttons, MessageButtons::OverwriteKeepBothSkip);
        QVERIFY(desktop_.messages.back().text.find("take.mp3") != std::string::npos);
        QVERIFY(dialog.conversions.empty()); // its only file was skipped

        dialog.OnGo(); // the answer is remembered
        QCOMPARE(desktop_.messages.size(), std::size_t(2));
        QCOMPARE(dialog.Jobs()[0].state, JobState::NotSelected);

        RecordingMainDialog keeping(desktop_, SetupIn(program_));
        keeping.AddFiles({Media("take.wav")});
        QVERIFY(WaitUntilAdded(keeping));
        keeping.DirectoryBox()->setText(media_.filePath("out"));
        desktop_.messageAnswers = {MessageResult::KeepBoth};
        keeping.OnGo();
        QCOMPARE(keeping.conversions.size(), std::size_t(1));
        QCOMPARE(keeping.Jobs()[0].outputName, std::string("take (2)"));
        QFile earlier(media_.filePath("out/take.mp3"));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("an earlier conversion\n"));
    }
};

QTEST_MAIN(MainOutputsTest)
#include "tst_main_outputs.moc"
