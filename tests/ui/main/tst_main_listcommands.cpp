// The commands on the file list: delete, move, play, tag, configure, go, and
// the list's notifications of a changed format or output name.

#include "MainDialogFixture.h"

#include "model/EncodingParams.h"
#include "ui/config/CConfigDlg.h"
#include "ui/skin/ImageButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

using namespace velmont;

namespace {

// Files the probe cannot find: adding them is instant and each row still
// has its own name, path and job.
QString Missing(const QString& name) {
    return "/nowhere/velmont-test/" + name;
}

void AddRows(MainDialog& dialog, const QStringList& names) {
    for (const QString& name : names)
        dialog.AddFileRow(Std(Missing(name)), dialog.FileList()->GetItemCount());
}

// As if the user had picked `format` in the row's combo.
void PickFormat(MainDialog& dialog, int row, const QString& format) {
    CXListCtrl* list = dialog.FileList();
    list->SetComboBox(row, MainDialog::kFormatColumn, format);
    list->SetModified(row, MainDialog::kFormatColumn, true);
    dialog.OnComboSelection(row, MainDialog::kFormatColumn);
}

// As if the user had typed `name` into the row's output name.
void TypeName(MainDialog& dialog, int row, const QString& name) {
    CXListCtrl* list = dialog.FileList();
    list->SetItemText(row, MainDialog::kOutputColumn, name);
    list->SetModified(row, MainDialog::kOutputColumn, true);
    dialog.OnEditEnd(row, MainDialog::kOutputColumn);
}

struct RowView {
    int check;
    QString path;
    QString name;
    QString duration;
    QString format;
    QString output;
    bool operator==(const RowView&) const = default;
};

RowView ViewOf(const MainDialog& dialog, int row) {
    const CXListCtrl* list = dialog.FileList();
    return {list->GetCheckbox(row, 0), list->GetItemToolTipText(row, 1), list->GetItemText(row, 1),
            list->GetItemText(row, 2), list->GetComboText(row, 3),       list->GetItemText(row, 4)};
}

} // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir program_;
    FakeDesktop desktop_;

    void VerifyNoFileSelectedMessage() {
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QCOMPARE(desktop_.messages[0].text, std::string("No File is selected !"));
        QCOMPARE(desktop_.messages[0].caption, std::string("Information"));
        QCOMPARE(desktop_.messages[0].icon, MessageIcon::Information);
    }

  private slots:
    void init() {
        desktop_ = FakeDesktop();
        ResetAllEncodingParams();
    }

    void commandsNeedingARowSayWhenNoneIsSelected_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("delete") << int(MainDialog::kDelId);
        QTest::newRow("down") << int(MainDialog::kDownId);
        QTest::newRow("up") << int(MainDialog::kUpId);
        QTest::newRow("play") << int(MainDialog::kPlayId);
        QTest::newRow("tag") << int(MainDialog::kTagId);
    }

    void commandsNeedingARowSayWhenNoneIsSelected() {
        QFETCH(int, button);
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"one.mp3", "two.mp3"});
        dialog.FileList()->clearSelection();
        dialog.Button(button)->click();
        VerifyNoFileSelectedMessage();
        QCOMPARE(dialog.FileList()->GetItemCount(), 2);
        QCOMPARE(dialog.Jobs()[0].inputPath, Std(Missing("one.mp3")));
        QVERIFY(desktop_.openedPaths.empty());
        QVERIFY(dialog.tagRequests.empty());
    }

    void deletingKeepsTheOthersTogetherAndSelectsTheNeighbour() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"a.mp3", "b.mp3", "c.mp3", "d.mp3"});
        dialog.FileList()->SetCheckbox(1, 0, 0);
        PickFormat(dialog, 1, "wav");
        const RowView b = ViewOf(dialog, 1);
        const JobItem bJob = dialog.Jobs()[1];
        dialog.FileList()->SetCurSel(0, true);
        dialog.OnDel(); // b c d, the former row 1 selected
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 0);
        QVERIFY(ViewOf(dialog, 0) == b); // its check, format and name moved up with it
        QCOMPARE(dialog.Jobs()[0], bJob);
        dialog.FileList()->SetCurSel(2, true);
        dialog.OnDel(); // b c, the row before selected
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 1);
        QCOMPARE(dialog.Jobs().Count(), std::size_t(2));
        QCOMPARE(dialog.Jobs()[0].inputPath, Std(Missing("b.mp3")));
        QCOMPARE(dialog.Jobs()[1].inputPath, Std(Missing("c.mp3")));
        dialog.OnDel();
        dialog.OnDel();
        QCOMPARE(dialog.FileList()->GetItemCount(), 0);
        QVERIFY(dialog.Jobs().Empty());
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), -1);
        QVERIFY(desktop_.messages.empty());
    }

    void movingKeepsEachFilesSettingsTogether() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"first.mp3", "second.mp3", "third.mp3"});
        // Give the first file its own check, format, name and tag.
        dialog.FileList()->SetCheckbox(0, 0, 0);
        PickFormat(dialog, 0, "wav");
        TypeName(dialog, 0, "opening");
        dialog.FileList()->SetCurSel(0, true);
        dialog.tagAnswer = TagTexts{"Title", "Artist", "Note", "Album", "4", "1999"};
        dialog.OnTag();
        const JobItem first = dialog.Jobs()[0];
        const JobItem second = dialog.Jobs()[1];
        const RowView firstRow = ViewOf(dialog, 0);
        const RowView secondRow = ViewOf(dialog, 1);
        QCOMPARE(first.title, std::string("Title"));

        dialog.OnDown();
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 1);
        QCOMPARE(dialog.Jobs()[1], first);
        QCOMPARE(dialog.Jobs()[0], second);
        QVERIFY(ViewOf(dialog, 1) == firstRow);
        QVERIFY(ViewOf(dialog, 0) == secondRow);
        // The combo cells stay combos over the same list.
        QVERIFY(dialog.FileList()->IsComboCell(0, 3) && dialog.FileList()->IsComboCell(1, 3));

        dialog.OnUp();
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 0);
        QVERIFY(ViewOf(dialog, 0) == firstRow);
        dialog.OnUp(); // past the top: nothing changes
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 0);
        QCOMPARE(dialog.Jobs()[0], first);
        dialog.FileList()->SetCurSel(2, true);
        dialog.OnDown(); // past the bottom
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 2);
        QCOMPARE(ViewOf(dialog, 2).name, QString("third.mp3"));
        dialog.FileList()->SetCurSel(0, true);

        // A tag edit after the moves reaches the moved file's job.
        dialog.tagAnswer = TagTexts{"New", "", "", "", "0", "0"};
        dialog.OnTag();
        QCOMPARE(dialog.tagRequests.back(), QString("opening"));
        QCOMPARE(dialog.Jobs()[0].title, std::string("New"));
        QVERIFY(desktop_.messages.empty());
    }

    void playOpensTheSourceAndReportsFailure() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"a.mp3", "b.mp3"});
        dialog.FileList()->SetCurSel(0, true);
        dialog.OnPlay();
        QCOMPARE(desktop_.openedPaths, std::vector<std::string>{Std(Missing("a.mp3"))});
        QVERIFY(desktop_.messages.empty());
        desktop_.openPathAnswer = false;
        dialog.OnPlay();
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QCOMPARE(desktop_.messages[0].text,
                 std::string("Can not play the file but it does not influence the conversion"));
        QCOMPARE(desktop_.messages[0].caption, std::string("Information"));
    }

    void tagDialogShowsTheJobAndCancelKeepsIt() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"song.mp3"});
        dialog.Jobs()[0].title = "Old";
        dialog.Jobs()[0].track = 3;
        dialog.FileList()->SetCurSel(0, true);

        dialog.tagAnswer.reset(); // Cancel
        dialog.OnTag();
        QCOMPARE(dialog.tagRequests, std::vector<QString>{"song"});
        QCOMPARE(dialog.tagTextsShown[0], (TagTexts{"Old", "", "", "", "3", "0"}));
        QCOMPARE(dialog.Jobs()[0].title, std::string("Old"));
    }

    void configOpensOnTheSelectedFormatOrMp3() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.OnConfig();
        AddRows(dialog, {"a.mp3", "b.mp3"});
        PickFormat(dialog, 1, "mov");
        dialog.FileList()->clearSelection();
        dialog.OnConfig();
        dialog.FileList()->SetCurSel(1, true);
        dialog.Button(MainDialog::kConfigId)->click();
        QCOMPARE(dialog.configRequests, (std::vector<FormatId>{7, 7, 17}));
        QVERIFY(desktop_.messages.empty());
    }

    void goHandsOverExactlyTheCheckedFiles() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"0.mp3", "1.mp3", "2.mp3", "3.mp3", "4.mp3"});
        for (int row : {0, 2, 4})
            dialog.FileList()->SetCheckbox(row, 0, 0);
        dialog.Jobs()[0].state = JobState::Converted;
        dialog.DirectoryBox()->setText("/srv/out");
        dialog.Button(MainDialog::kGoId)->click();

        QCOMPARE(dialog.conversions.size(), std::size_t(1));
        const ConversionRequest& request = dialog.conversions[0];
        QCOMPARE(request.paths,
                 (std::vector<std::string>{Std(Missing("1.mp3")), Std(Missing("3.mp3"))}));
        QCOMPARE(request.outputFolder, std::string("/srv/out"));
        QCOMPARE(request.jobs, &dialog.Jobs());
        QCOMPARE(request.engine, &dialog.Engine());
        const JobState states[] = {JobState::NotSelected, JobState::Waiting, JobState::NotSelected,
                                   JobState::Waiting, JobState::NotSelected};
        for (int row = 0; row < 5; ++row)
            QCOMPARE(dialog.Jobs()[std::size_t(row)].state, states[row]);
        for (FormatId id = 0; id < kFormatCount; ++id)
            QCOMPARE(GetEncodingParams(id)->OutputDir, std::string("/srv/out"));
        QVERIFY(desktop_.messages.empty());
    }

    void goWithoutCheckedFilesSaysSo() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.OnGo(); // empty list
        AddRows(dialog, {"a.mp3", "b.mp3"});
        dialog.Jobs()[1].state = JobState::Waiting;
        for (int row : {0, 1})
            dialog.FileList()->SetCheckbox(row, 0, 0);
        dialog.OnGo();
        QVERIFY(dialog.conversions.empty());
        QCOMPARE(desktop_.messages.size(), std::size_t(2));
        for (const FakeDesktop::Message& message : desktop_.messages) {
            QCOMPARE(message.text,
                     std::string("Please set the check status if you want to convert the file !"));
            QCOMPARE(message.caption, std::string("Information"));
        }
        QCOMPARE(dialog.Jobs()[1].state, JobState::NotSelected);
    }

    void goWithoutADirectorySaysSoAndFocusesTheBox() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        AddRows(dialog, {"a.mp3"});
        dialog.DirectoryBox()->clear();
        const std::string before = GetEncodingParams(3)->OutputDir;
        dialog.OnGo();
        QVERIFY(dialog.conversions.empty());
        QCOMPARE(desktop_.messages.size(), std::size_t(1));
        QCOMPARE(desktop_.messages[0].text, std::string("Please select output directory !"));
        QCOMPARE(dialog.Jobs()[0].state, JobState::Waiting);
        QCOMPARE(GetEncodingParams(3)->OutputDir, before);
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.DirectoryBox()));
        dialog.OnClose();
    }

    void comboChangesTheFormatOnlyForAKnownPick() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"a.mp3"});
        PickFormat(dialog, 0, "flac");
        QCOMPARE(dialog.Jobs()[0].formatId, 4);
        PickFormat(dialog, 0, "FLAC"); // not a name of the list
        QCOMPARE(dialog.Jobs()[0].formatId, 4);
        dialog.FileList()->SetModified(0, 3, false);
        dialog.FileList()->SetComboBox(0, 3, "nut");
        QCOMPARE(dialog.OnComboSelection(0, 3), 0); // not changed by the user
        QCOMPARE(dialog.Jobs()[0].formatId, 4);
    }

    void editedNamesAreCutAtTheFirstDot() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"a.mp3"});
        TypeName(dialog, 0, "live.final.cut");
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("live"));
        QCOMPARE(dialog.FileList()->GetItemText(0, 4), QString("live"));
        TypeName(dialog, 0, "  spaced name ");
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("  spaced name "));
        // Names stay inside the output folder.
        TypeName(dialog, 0, "sub/dir");
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("sub_dir"));
        // Nothing left of the name: the previous one stays.
        TypeName(dialog, 0, "");
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("sub_dir"));
        QCOMPARE(dialog.FileList()->GetItemText(0, 4), QString("sub_dir"));
        TypeName(dialog, 0, "../../etc/x");
        QCOMPARE(dialog.Jobs()[0].outputName, std::string("sub_dir"));
    }

    // The real dialogs behind the hooks get what the commands hand them.
    void realTagDialogStoresTheTypedTrack() {
        MainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"song.mp3"});
        dialog.FileList()->SetCurSel(0, true);
        QString caption;
        QTimer::singleShot(0, [&caption] {
            auto* tag = qobject_cast<CTagDlg*>(QApplication::activeModalWidget());
            if (!tag)
                return;
            caption = tag->windowTitle();
            tag->TrackEdit()->setText("12abc");
            tag->accept();
        });
        dialog.OnTag();
        QCOMPARE(caption, QString("ID3 Tag - song"));
        QCOMPARE(dialog.Jobs()[0].track, 12);
    }

    void realConfigDialogOpensOnMp3WithoutSelection() {
        MainDialog dialog(desktop_, SetupIn(program_));
        int shown = -1;
        QTimer::singleShot(0, [&shown] {
            auto* config = qobject_cast<CConfigDlg*>(QApplication::activeModalWidget());
            if (!config)
                return;
            shown = config->GetFormatId();
            config->reject();
        });
        dialog.OnConfig();
        QCOMPARE(shown, int(kFormatMp3));
    }
};

QTEST_MAIN(ListCommandsTest)
#include "tst_main_listcommands.moc"
