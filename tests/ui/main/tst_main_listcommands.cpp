// The commands on the file list: delete, move, play, tag, configure, go, and
// the list's notifications of a changed format or output name.

#include "MainDialogFixture.h"

#include "model/EncodingParams.h"
#include "ui/skin/ImageButton.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
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

// As if the user had picked `text` in the row's format combo or typed it as
// the output name.
void Edit(MainDialog& dialog, int row, int column, const QString& text) {
    CXListCtrl* list = dialog.FileList();
    column == MainDialog::kFormatColumn ? void(list->SetComboBox(row, column, text))
                                        : void(list->SetItemText(row, column, text));
    list->SetModified(row, column, true);
    column == MainDialog::kFormatColumn ? void(dialog.OnComboSelection(row, column))
                                        : void(dialog.OnEditEnd(row, column));
}

// Check, path, format, name, duration and output name as the row shows them.
QStringList ViewOf(const MainDialog& dialog, int row) {
    const CXListCtrl* list = dialog.FileList();
    QStringList cells{QString::number(list->GetCheckbox(row, 0)), list->GetItemToolTipText(row, 1),
                      list->GetComboText(row, 3)};
    for (int column : {1, 2, 4})
        cells << list->GetItemText(row, column);
    return cells;
}

} // namespace

class ListCommandsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir program_;
    FakeDesktop desktop_;

    // The one message the last command gave.
    std::string OnlyMessage() const {
        return desktop_.messages.size() == 1 ? desktop_.messages[0].text : "none or several";
    }

  private slots:
    void init() { desktop_ = FakeDesktop(); }

    void commandsNeedingARowSayWhenNoneIsSelected() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"one.mp3", "two.mp3"});
        dialog.FileList()->clearSelection();
        for (int button : {MainDialog::kDelId, MainDialog::kDownId, MainDialog::kUpId,
                           MainDialog::kPlayId, MainDialog::kTagId}) {
            desktop_.messages.clear();
            dialog.Button(button)->click();
            QVERIFY2(OnlyMessage() == "No File is selected !", qPrintable(QString::number(button)));
        }
        QCOMPARE(dialog.Jobs()[0].inputPath, Std(Missing("one.mp3")));
        QVERIFY(desktop_.openedPaths.empty() && dialog.tagRequests.empty());
    }

    void rowsMoveAndDeleteWithTheirSettings() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"first.mp3", "second.mp3", "third.mp3"});
        // Give the first file its own check, format, name and tag.
        dialog.FileList()->SetCheckbox(0, 0, 0);
        Edit(dialog, 0, MainDialog::kFormatColumn, "wav");
        Edit(dialog, 0, MainDialog::kOutputColumn, "opening");
        dialog.FileList()->SetCurSel(0, true);
        dialog.tagAnswer = TagTexts{"Title", "Artist", "Note", "Album", "4", "1999"};
        dialog.OnTag();
        const JobItem first = dialog.Jobs()[0];
        const QStringList firstRow = ViewOf(dialog, 0);

        dialog.OnUp(); // past the top: nothing changes
        dialog.OnDown();
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 1);
        QCOMPARE(dialog.Jobs()[1], first);
        QCOMPARE(ViewOf(dialog, 1), firstRow);
        // The combo cells stay combos over the same list.
        QVERIFY(dialog.FileList()->IsComboCell(0, 3) && dialog.FileList()->IsComboCell(1, 3));
        dialog.OnDown();
        dialog.OnDown(); // past the bottom
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 2);
        QCOMPARE(ViewOf(dialog, 2), firstRow);
        // A tag edit after the moves reaches the moved file's job.
        dialog.tagAnswer = TagTexts{"New", "", "", "", "0", "0"};
        dialog.OnTag();
        QCOMPARE(dialog.tagRequests.back(), QString("opening"));
        QCOMPARE(dialog.Jobs()[2].title, std::string("New"));

        // second third first: a deleted row's neighbour above is selected, at the
        // top the one that takes its place; the others keep their settings.
        dialog.FileList()->SetCurSel(1, true);
        dialog.OnDel();
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 0);
        QCOMPARE(ViewOf(dialog, 1), firstRow);
        QCOMPARE(dialog.Jobs()[1].title, std::string("New"));
        dialog.OnDel();
        QCOMPARE(dialog.FileList()->GetFirstSelectedItem(), 0);
        dialog.OnDel();
        QVERIFY(dialog.Jobs().Empty() && dialog.FileList()->GetItemCount() == 0);
    }

    void playTagAndConfigActOnTheSelectedRow() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        dialog.OnConfig(); // no rows: mp3
        AddRows(dialog, {"a.mp3", "song.mp3"});
        Edit(dialog, 1, MainDialog::kFormatColumn, "mov");
        dialog.FileList()->SetCurSel(1, true);
        dialog.Button(MainDialog::kConfigId)->click();
        QCOMPARE(dialog.configRequests, (std::vector<FormatId>{kFormatMp3, 17}));

        dialog.Jobs()[1].title = "Old";
        dialog.Jobs()[1].track = 3;
        dialog.tagAnswer.reset(); // Cancel
        dialog.OnTag();
        QCOMPARE(dialog.tagRequests, std::vector<QString>{"song"});
        QCOMPARE(dialog.tagTextsShown[0], (TagTexts{"Old", "", "", "", "3", "0"}));
        QCOMPARE(dialog.Jobs()[1].title, std::string("Old"));

        dialog.OnPlay();
        QCOMPARE(desktop_.openedPaths, std::vector<std::string>{Std(Missing("song.mp3"))});
        desktop_.openPathAnswer = false;
        dialog.OnPlay();
        QCOMPARE(OnlyMessage(), "Can not play the file but it does not influence the conversion");
        // Without a browser the help cannot open: the user is told.
        desktop_.helpAnswer = false;
        dialog.Button(MainDialog::kHelpId)->click();
        QCOMPARE(desktop_.helpRequests.size(), std::size_t(1));
        QVERIFY(desktop_.messages.back().text.find("help could not be opened") !=
                std::string::npos);
    }

    void goNeedsCheckedFilesAndAFolderThenHandsOverTheCheckedOnes() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        AddRows(dialog, {"0.mp3", "1.mp3", "2.mp3", "3.mp3"});
        dialog.Jobs()[1].state = JobState::Waiting;
        for (int row : {0, 1, 2, 3})
            dialog.FileList()->SetCheckbox(row, 0, 0);
        dialog.OnGo();
        QCOMPARE(OnlyMessage(), "Please set the check status if you want to convert the file !");
        QCOMPARE(dialog.Jobs()[1].state, JobState::NotSelected);

        desktop_.messages.clear();
        for (int row : {1, 3})
            dialog.FileList()->SetCheckbox(row, 0, 1);
        dialog.DirectoryBox()->clear();
        dialog.OnGo();
        QCOMPARE(OnlyMessage(), std::string("Please select output directory !"));
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.DirectoryBox()));

        dialog.Jobs()[0].state = JobState::Converted;
        dialog.DirectoryBox()->setText("/srv/out");
        dialog.Button(MainDialog::kGoId)->click();
        QCOMPARE(dialog.conversions.size(), std::size_t(1)); // neither refused Go started one
        QCOMPARE(dialog.conversions[0].paths,
                 (std::vector<std::string>{Std(Missing("1.mp3")), Std(Missing("3.mp3"))}));
        QCOMPARE(dialog.Jobs()[0].state, JobState::NotSelected);
        for (FormatId id = 0; id < kFormatCount; ++id)
            QCOMPARE(dialog.Settings().GetEncodingParams(id)->outputDir, std::string("/srv/out"));
        dialog.OnClose();
    }

    // A format changes only for a known pick made by the user; names are cut
    // at the first dot and stay inside the output folder, and with nothing
    // left the previous name stays.
    void listEditsReachTheJobOnlyWhenValid() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"a.mp3"});
        Edit(dialog, 0, MainDialog::kFormatColumn, "flac");
        Edit(dialog, 0, MainDialog::kFormatColumn, "FLAC"); // not a name of the list
        dialog.FileList()->SetModified(0, 3, false);
        dialog.FileList()->SetComboBox(0, 3, "nut");
        QCOMPARE(dialog.OnComboSelection(0, 3), 0); // not changed by the user
        QCOMPARE(dialog.Jobs()[0].formatId, 4);

        const std::pair<QString, std::string> names[] = {{"live.final.cut", "live"},

                                                         {"sub/dir", "sub_dir"},
                                                         {"", "sub_dir"},
                                                         {"../../etc/x", "sub_dir"}};
        for (const auto& [typed, kept] : names) {
            Edit(dialog, 0, MainDialog::kOutputColumn, typed);
            QCOMPARE(dialog.Jobs()[0].outputName, kept);
            QCOMPARE(Std(dialog.FileList()->GetItemText(0, 4)), kept);
        }
    }

    // Ctrl and Shift clicks select several rows; a format picked on one of
    // them and Remove act on all; the menu checks, unchecks and clears.
    void severalRowsAtOnce() {
        RecordingMainDialog dialog(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(dialog));
        AddRows(dialog, {"0.mp3", "1.mp3", "2.mp3", "3.mp3", "4.mp3"});
        CXListCtrl* list = dialog.FileList();
        const auto click = [list](int row, Qt::KeyboardModifiers keys) {
            const QRect cell = list->visualRect(list->model()->index(row, MainDialog::kNameColumn));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, cell.center());
        };
        click(1, Qt::NoModifier);
        click(3, Qt::ShiftModifier);
        click(2, Qt::ControlModifier);
        QCOMPARE(list->GetSelectedItems(), (std::vector<int>{1, 3}));
        // A plain click on the combo of a selected row keeps the selection.
        const QRect combo = list->visualRect(list->model()->index(3, MainDialog::kFormatColumn));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, combo.center());
        QCOMPARE(list->GetSelectedItems(), (std::vector<int>{1, 3}));
        list->closePersistentEditor(list->currentItem());
        Edit(dialog, 3, MainDialog::kFormatColumn, "ogg");
        QCOMPARE(list->GetComboText(1, MainDialog::kFormatColumn), QString("ogg"));
        QCOMPARE(dialog.Jobs()[1].formatId, dialog.Jobs()[3].formatId);
        QCOMPARE(dialog.Jobs()[2].formatId, kFormatMp3);

        dialog.OnDel();
        QCOMPARE(ViewOf(dialog, 1)[1], Missing("2.mp3"));
        QCOMPARE(dialog.Jobs().Count(), std::size_t(3));
        QCOMPARE(list->GetSelectedItems(), std::vector<int>{0});

        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list->GetSelectedItems().size(), std::size_t(3));
        QMenu* menu = dialog.CreateListMenu();
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions[0]->text() + actions[1]->text() + actions[3]->text(),
                 QString("Check allUncheck allClear the list"));
        actions[1]->trigger();
        QVERIFY(list->GetCheckbox(2, 0) == 0 && !dialog.Jobs()[0].checked);
        actions[0]->trigger();
        QVERIFY(list->GetCheckbox(1, 0) == 1 && dialog.Jobs()[2].checked);
        actions[3]->trigger();
        QVERIFY(dialog.Jobs().Empty() && list->GetItemCount() == 0);
        QVERIFY(!dialog.CreateListMenu()->actions()[3]->isEnabled());
        dialog.OnClose();
    }

    // The real tag dialog gets the file's name and hands back what was typed.
    void realTagDialogStoresTheTypedTrack() {
        MainDialog dialog(desktop_, SetupIn(program_));
        AddRows(dialog, {"song.mp3"});
        dialog.FileList()->SetCurSel(0, true);
        QString caption;
        QTimer::singleShot(0, [&caption] {
            if (auto* tag = qobject_cast<CTagDlg*>(QApplication::activeModalWidget())) {
                caption = tag->windowTitle();
                tag->TrackEdit()->setText("12abc");
                tag->accept();
            }
        });
        dialog.OnTag();
        QCOMPARE(caption, QString("ID3 Tag - song"));
        QCOMPARE(dialog.Jobs()[0].track, 12);
    }
};

QTEST_MAIN(ListCommandsTest)
#include "tst_main_listcommands.moc"
