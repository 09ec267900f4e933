#include "UiTestSupport.h"
#include "ui/widgets/CXListCtrl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>

using velmont::CXListCtrl;

namespace {

// A list shaped like the main window's file list: check box, format combo,
// output name edit; shown, true once it can take input.
bool ShowFileList(CXListCtrl& list, int rows) {
    list.InsertColumn(0, "", 30);
    list.InsertColumn(1, "Output Format", 120);
    list.InsertColumn(2, "Output File Name", 160);
    for (int row = 0; row < rows; ++row) {
        list.InsertItem(row, "");
        list.SetCheckbox(row, 0, 1);
        list.SetComboBox(row, 1, true, QStringList{"aac", "aiff", "amr", "mp3", "mp4"}, 8, 3,
                         false);
        list.SetItemText(row, 2, QStringLiteral("file%1").arg(row));
        list.SetEdit(row, 2);
    }
    list.resize(500, 200);
    return velmont::ShowExposed(list);
}

} // namespace

class CXListCtrlTest : public QObject {
    Q_OBJECT

  private slots:
    // Cells outside the list are refused or ignored, never a crash; progress
    // stays within 0 to 100; the empty text is drawn only without rows.
    void refusesCellsOutsideClampsProgressAndDrawsTheEmptyText() {
        CXListCtrl list;
        list.InsertColumn(0, "Progress", 100);
        list.resize(300, 150);
        const QImage bare = list.grab().toImage();
        list.SetEmptyText("Please <+Add> files to convert");
        QVERIFY(list.grab().toImage() != bare);
        QCOMPARE(list.InsertItem(-1, "x"), -1);
        QCOMPARE(list.InsertItem(99, "a.wav"), 0); // past the end appends
        const QImage withRow = list.grab().toImage();
        list.SetEmptyText("");
        QCOMPARE(list.grab().toImage(), withRow);

        QVERIFY(!list.DeleteItem(1) && !list.SetItemText(1, 0, QString("x")));
        QVERIFY(!list.SetItemText(0, 1, QString("x")) && !list.SetEdit(0, 5));
        list.UpdateProgress(7, 0, 50);
        list.SetBold(7, 0, true);
        QVERIFY(list.SetProgress(0, 0));
        list.UpdateProgress(0, 0, 140);
        QCOMPARE(list.GetProgress(0, 0), 100);
        list.UpdateProgress(0, 0, -5);
        QCOMPARE(list.GetProgress(0, 0), 0);
    }

    // A click toggles a check box, opens a combo in place and, doubled,
    // an edit; only a user's pick or finished edit marks a cell and tells.
    void userEditsMarkTheCellAndNotify() {
        CXListCtrl list;
        QVERIFY(ShowFileList(list, 40));
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(list.model()->index(0, 0));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect indicator =
            list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
        for (int expected : {0, 1}) {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, indicator.center());
            QCOMPARE(list.GetCheckbox(0, 0), expected);
        }

        QSignalSpy picks(&list, &CXListCtrl::comboSelection);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.model()->index(1, 1)).center());
        auto* combo = list.viewport()->findChild<QComboBox*>();
        QVERIFY(combo);
        combo->hidePopup();
        combo->setCurrentIndex(4);
        emit combo->activated(4);
        QCOMPARE(picks.takeFirst(), (QVariantList{1, 1}));
        QCOMPARE(list.GetComboText(1, 1), QString("mp4"));
        QVERIFY(list.SetComboBox(0, 1, QString("aac"))); // shown, not picked
        QCOMPARE(list.GetModified(1, 1) + list.GetModified(0, 1), 1);
        // Browsing without a pick, then focus leaving the editor (which commits
        // it, as the delegate does on focus-out), is no pick.
        list.edit(list.model()->index(2, 1));
        combo = list.viewport()->findChild<QComboBox*>();
        QVERIFY(combo);
        combo->hidePopup();
        combo->setCurrentIndex(0);
        emit list.itemDelegate()->commitData(combo);
        QVERIFY(picks.isEmpty());
        QCOMPARE(list.GetComboText(2, 1), QString("mp3"));

        QSignalSpy edits(&list, &CXListCtrl::editEnd);
        const QPoint centre = list.visualRect(list.model()->index(1, 2)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        auto* edit = list.viewport()->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClicks(edit, "song.final");
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(edits.count(), 1);
        QCOMPARE(edits.takeFirst(), (QVariantList{1, 2}));
        QCOMPARE(list.GetItemText(1, 2), QString("song.final"));
        QCOMPARE(list.GetModified(1, 2) + list.GetModified(0, 2), 1);
        // Escape cancels an edit: no notification, no change.
        list.edit(list.model()->index(0, 2));
        edit = list.viewport()->findChild<QLineEdit*>();
        QVERIFY(edit);
        QTest::keyClicks(edit, "other");
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(!list.viewport()->findChild<QLineEdit*>());
        QVERIFY(edits.isEmpty());
        QCOMPARE(list.GetItemText(0, 2), QString("file0"));
        // A selected row is scrolled into view.
        list.SetCurSel(35, true);
        QVERIFY(list.viewport()->rect().intersects(list.visualRect(list.model()->index(35, 0))));
    }
};

QTEST_MAIN(CXListCtrlTest)
#include "tst_CXListCtrl.moc"
