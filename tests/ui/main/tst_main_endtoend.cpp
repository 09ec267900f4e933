// The whole road through the real main window and the real conversion
// dialog and encoder: add generated files, pick formats, Go, wait, and find
// every output where the user asked for it.

#include "MainDialogFixture.h"

#include "convert/ProbeMediaFile.h"
#include "ui/convert/CConvertDlg.h"
#include "ui/skin/ImageButton.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace velmont;

namespace {

const QString kRendix = QStringLiteral(VELMONT_BIN_DIR "/Rendix");

// What the conversion dialog showed when its batch had ended.
struct BatchSeen {
    bool seen = false;
    std::vector<int> progress;
    bool stopEnabled = true;
};

// Waits for the modal conversion dialog, lets its batch run to the end,
// notes what it shows and closes it with Cancel.
void CloseConversionWhenDone(BatchSeen& result) {
    auto* timer = new QTimer;
    timer->setInterval(50);
    QObject::connect(timer, &QTimer::timeout, [timer, &result] {
        auto* dialog = qobject_cast<CConvertDlg*>(QApplication::activeModalWidget());
        if (!dialog || dialog->BatchActive())
            return;
        result.seen = true;
        for (int row = 0; row < dialog->List()->GetItemCount(); ++row)
            result.progress.push_back(dialog->List()->GetProgress(row, 1));
        result.stopEnabled = dialog->StopButton()->isEnabled();
        timer->stop();
        timer->deleteLater();
        dialog->CancelButton()->click();
    });
    timer->start();
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

  private slots:
    void convertsCheckedFilesIntoTheOutputFolder() {
        if (!QFileInfo::exists(kRendix))
            QSKIP("Rendix has not been built");
        // The encoder is copied, so stray-encoder cleaning only ever sees
        // the processes of this test's own program folder.
        QTemporaryDir program;
        QTemporaryDir work;
        QVERIFY(QFile::copy(kRendix, program.filePath("Rendix")));
        QVERIFY(MakeAudio(work.filePath("tone.wav")));
        QVERIFY(MakeVideo(work.filePath("clip.mp4")));
        QVERIFY(MakeAudio(work.filePath("skipped.wav")));

        FakeDesktop desktop;
        desktop.openFilesAnswer = {DialogOutcome::Chosen,
                                   {Std(work.filePath("tone.wav")), Std(work.filePath("clip.mp4")),
                                    Std(work.filePath("skipped.wav"))}};
        MainDialog dialog(desktop, SetupIn(program));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.OnAdd();
        QVERIFY(WaitUntilAdded(dialog));
        QCOMPARE(dialog.FileList()->GetItemCount(), 3);
        // tone.wav to ogg, clip.mp4 stays mp4, skipped.wav unchecked.
        CXListCtrl* list = dialog.FileList();
        list->SetComboBox(0, MainDialog::kFormatColumn, "ogg");
        list->SetModified(0, MainDialog::kFormatColumn, true);
        dialog.OnComboSelection(0, MainDialog::kFormatColumn);
        list->SetCheckbox(2, MainDialog::kCheckColumn, 0);
        const QString output = work.filePath("out");
        dialog.DirectoryBox()->setText(output);

        BatchSeen batch;
        CloseConversionWhenDone(batch);
        dialog.Button(MainDialog::kGoId)->click();

        QVERIFY(batch.seen);
        QCOMPARE(batch.progress, (std::vector<int>{100, 100}));
        QVERIFY(!batch.stopEnabled);
        QVERIFY(desktop.messages.empty());
        QCOMPARE(dialog.Jobs()[0].state, JobState::Converted);
        QCOMPARE(dialog.Jobs()[1].state, JobState::Converted);
        QCOMPARE(dialog.Jobs()[2].state, JobState::NotSelected);

        JobItem ogg;
        QVERIFY(ProbeMediaFile(Std(output + "/tone.ogg"), ogg));
        QVERIFY(ogg.hasAudio && !ogg.hasVideo);
        QVERIFY(ogg.duration >= 0 && ogg.duration <= 2);
        JobItem mp4;
        QVERIFY(ProbeMediaFile(Std(output + "/clip.mp4"), mp4));
        QVERIFY(mp4.hasVideo);
        QVERIFY(!QFileInfo::exists(output + "/skipped.mp3"));
        dialog.OnClose();
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_main_endtoend.moc"
