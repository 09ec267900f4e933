#include "model/JobItem.h"
#include "ui/config/CTagDlg.h"

#include <QLineEdit>
#include <QtTest>

#include <climits>

using namespace velmont;

class TagDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void captionNamesTheFile() {
        CTagDlg dialog("song", TagTexts{});
        QCOMPARE(dialog.windowTitle(), QString("ID3 Tag - song"));
        QCOMPARE(dialog.size(), QSize(330, 340));
    }

    void boxesShowTheJobsTexts() {
        JobItem job;
        job.title = "Title";
        job.author = "Artist";
        job.comment = "Comment";
        job.album = "Album";
        job.year = 1999;
        CTagDlg dialog("song", TagTextsFromJob(job));
        QCOMPARE(dialog.TitleEdit()->text(), QString("Title"));
        QCOMPARE(dialog.AuthorEdit()->text(), QString("Artist"));
        QCOMPARE(dialog.CommentEdit()->text(), QString("Comment"));
        QCOMPARE(dialog.AlbumEdit()->text(), QString("Album"));
        QCOMPARE(dialog.TrackEdit()->text(), QString("0"));
        QCOMPARE(dialog.YearEdit()->text(), QString("1999"));
    }

    void okReadsTheBoxesBack() {
        JobItem job;
        job.title = "Old title";
        job.track = 3;
        CTagDlg dialog("song", TagTextsFromJob(job));
        dialog.TitleEdit()->clear();
        dialog.AuthorEdit()->setText(QString::fromUtf8("Bj\u00f6rk"));
        dialog.TrackEdit()->setText("12a");
        dialog.YearEdit()->setText("year");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        StoreTagTexts(dialog.Texts(), job);
        QCOMPARE(job.title, std::string());
        QCOMPARE(job.author, std::string("Bj\xc3\xb6rk"));
        QCOMPARE(job.track, 12);
        QCOMPARE(job.year, 0);
    }

    void cancelKeepsTheGivenTexts() {
        TagTexts texts;
        texts.title = "Kept";
        CTagDlg dialog("song", texts);
        dialog.TitleEdit()->setText("Changed");
        dialog.reject();
        QCOMPARE(dialog.Texts(), texts);
    }

    void numbersBeyondTheIntRangeAreClamped() {
        TagTexts texts;
        texts.track = " -7";
        texts.year = "99999999999";
        JobItem job;
        StoreTagTexts(texts, job);
        QCOMPARE(job.track, -7);
        QCOMPARE(job.year, INT_MAX);
    }
};

QTEST_MAIN(TagDialogTest)
#include "tst_tagdlg.moc"
