#include "model/JobItem.h"
#include "ui/config/CTagDlg.h"

#include <QLineEdit>
#include <QtTest>

#include <climits>

using namespace velmont;

class TagDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void captionNamesTheFileAndBoxesShowTheJob() {
        JobItem job;
        job.title = "Title";
        job.author = "Artist";
        job.comment = "Comment";
        job.album = "Album";
        job.year = 1999;
        CTagDlg dialog("song", TagTextsFromJob(job));
        QCOMPARE(dialog.windowTitle(), QString("ID3 Tag - song"));
        QCOMPARE(dialog.size(), QSize(330, 340));
        const QLineEdit* boxes[] = {dialog.TitleEdit(), dialog.AuthorEdit(), dialog.CommentEdit(),
                                    dialog.AlbumEdit(), dialog.TrackEdit(),  dialog.YearEdit()};
        const char* texts[] = {"Title", "Artist", "Comment", "Album", "0", "1999"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(boxes[i]->text(), QString(texts[i]));
    }

    void okReadsTheBoxesBackAndCancelKeepsTheTexts() {
        JobItem job;
        job.title = "Old title";
        CTagDlg dialog("song", TagTextsFromJob(job));
        dialog.TitleEdit()->clear();
        dialog.AuthorEdit()->setText(QString::fromUtf8("Bj\u00f6rk"));
        dialog.TrackEdit()->setText("12a");
        dialog.YearEdit()->setText("99999999999");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        StoreTagTexts(dialog.Texts(), job);
        QCOMPARE(job.title, std::string());
        QCOMPARE(job.author, std::string("Bj\xc3\xb6rk"));
        QCOMPARE(job.track, 12);
        QCOMPARE(job.year, INT_MAX); // clamped, not wrapped

        const TagTexts given{"Kept", "", "", "", "1", "2"};
        CTagDlg cancelled("song", given);
        cancelled.TitleEdit()->setText("Changed");
        cancelled.reject();
        QCOMPARE(cancelled.Texts(), given);
    }
};

QTEST_MAIN(TagDialogTest)
#include "tst_tagdlg.moc"
