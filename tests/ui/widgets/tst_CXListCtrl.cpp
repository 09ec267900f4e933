#include "UiTestSupport.h"
#include "ui/widgets/CXListCtrl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include <thread>

using velmont::CXListCtrl;

namespace {

const QStringList kFormats{"aac", "aiff", "amr", "mp3", "mp4"};

// A list shaped like the main window's file list: check box, name, combo, edit.
void FillFileList(CXListCtrl& list, int rows) {
    list.InsertColumn(0, "", 30);
    list.InsertColumn(1, "File Name", 150);
    list.InsertColumn(2, "Output Format", 120);
    list.InsertColumn(3, "Output File Name", 160);
    for (int row = 0; row < rows; ++row) {
        list.InsertItem(row, "");
        list.SetCheckbox(row, 0, 1);
        list.SetItemText(row, 1, QStringLiteral("file%1.wav").arg(row));
        list.SetComboBox(row, 2, true, kFormats, 8, 3, false);
        list.SetItemText(row, 3, QStringLiteral("file%1").arg(row));
        list.SetEdit(row, 3);
    }
}

QImage Render(QWidget& widget) {
    return widget.grab().toImage();
}

} // namespace

class CXListCtrlTest : public QObject {
    Q_OBJECT

  private slots:
    void rowsInsertAppendDeleteAndRefuseCellsOutside() {
        CXListCtrl list;
        list.InsertColumn(0, "Name", 100);
        QCOMPARE(list.InsertItem(0, "b"), 0);
        QCOMPARE(list.InsertItem(0, "a"), 0);
        QCOMPARE(list.InsertItem(99, "c"), 2); // past the end appends
        QCOMPARE(list.InsertItem(-1, "x"), -1);
        QCOMPARE(list.GetItemCount(), 3);
        QCOMPARE(list.GetItemText(0, 0), QString("a"));
        QCOMPARE(list.GetItemText(2, 0), QString("c"));

        QVERIFY(list.DeleteItem(0));
        QCOMPARE(list.GetItemCount(), 2);
        QCOMPARE(list.GetItemText(0, 0), QString("b"));
        QCOMPARE(list.GetItemText(1, 0), QString("c"));
        QVERIFY(!list.DeleteItem(2));

        // Cells outside the list are refused or ignored, never a crash.
        QVERIFY(!list.SetItemText(2, 0, QString("x")));
        QVERIFY(!list.SetItemText(0, 1, QString("x")));
        QVERIFY(!list.SetCheckbox(3, 0, 1));
        QVERIFY(!list.SetEdit(0, 5));
        QCOMPARE(list.GetItemText(4, 4), QString());
        QCOMPARE(list.GetModified(4, 4), 0);
        list.UpdateProgress(7, 0, 50);
        list.SetBold(7, 0, true);
        QCOMPARE(list.GetItemCount(), 2);
    }

    void checkboxCellsToggleByClick() {
        CXListCtrl list;
        FillFileList(list, 2);
        list.resize(500, 200);
        QVERIFY(velmont::ShowExposed(list));

        QCOMPARE(list.GetCheckbox(0, 0), 1);
        QCOMPARE(list.GetCheckbox(0, 1), -1); // not a check box

        // Click the indicator of row 0 the way a user would.
        QStyleOptionViewItem option;
        option.initFrom(list.viewport());
        option.rect = list.visualRect(list.model()->index(0, 0));
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect indicator =
            list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, indicator.center());
        QCOMPARE(list.GetCheckbox(0, 0), 0);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, indicator.center());
        QCOMPARE(list.GetCheckbox(0, 0), 1);
    }

    void comboPickSetsTextModifiedAndNotifies() {
        CXListCtrl list;
        FillFileList(list, 3);
        list.resize(500, 200);
        QVERIFY(velmont::ShowExposed(list));
        QSignalSpy picks(&list, &CXListCtrl::comboSelection);
        QSignalSpy edits(&list, &CXListCtrl::editEnd);

        QCOMPARE(list.GetComboText(1, 2), QString("mp3"));
        QVERIFY(list.IsComboCell(1, 2));
        QCOMPARE(list.GetModified(1, 2), 0);

        // One click opens the combo in place.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.model()->index(1, 2)).center());
        auto* combo = list.viewport()->findChild<QComboBox*>();
        QVERIFY(combo);
        QCOMPARE(combo->count(), kFormats.size());
        QCOMPARE(combo->currentText(), QString("mp3"));
        combo->hidePopup();
        combo->setCurrentIndex(4);
        emit combo->activated(4);

        QCOMPARE(picks.count(), 1);
        QCOMPARE(picks.at(0).at(0).toInt(), 1);
        QCOMPARE(picks.at(0).at(1).toInt(), 2);
        QCOMPARE(edits.count(), 0);
        QCOMPARE(list.GetComboText(1, 2), QString("mp4"));
        QCOMPARE(list.GetModified(1, 2), 1);
        QCOMPARE(list.GetModified(0, 2), 0);

        // Showing a text in an existing combo is no user change.
        QVERIFY(list.SetComboBox(0, 2, QString("aac")));
        QCOMPARE(list.GetComboText(0, 2), QString("aac"));
        QCOMPARE(list.GetModified(0, 2), 0);
        QVERIFY(!list.SetComboBox(0, 1, QString("aac"))); // not a combo cell

        // Browsing without a pick, then focus leaving the editor (which commits
        // it, as the delegate does on focus-out), is no pick.
        list.edit(list.model()->index(2, 2));
        combo = list.viewport()->findChild<QComboBox*>();
        QVERIFY(combo);
        combo->hidePopup();
        combo->setCurrentIndex(0);
        emit list.itemDelegate()->commitData(combo);
        QCOMPARE(picks.count(), 1);
        QCOMPARE(list.GetComboText(2, 2), QString("mp3"));
        QCOMPARE(list.GetModified(2, 2), 0);
    }

    void editFinishedNotifiesAndMarksModified() {
        CXListCtrl list;
        FillFileList(list, 2);
        list.resize(500, 200);
        QVERIFY(velmont::ShowExposed(list));
        QSignalSpy edits(&list, &CXListCtrl::editEnd);

        QVERIFY(list.IsEditCell(1, 3));
        QVERIFY(!list.IsEditCell(1, 1));
        const QPoint centre = list.visualRect(list.model()->index(1, 3)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        auto* edit = list.viewport()->findChild<QLineEdit*>();
        QVERIFY(edit);
        QCOMPARE(edit->text(), QString("file1"));
        edit->selectAll();
        QTest::keyClicks(edit, "song.final");
        QTest::keyClick(edit, Qt::Key_Return);

        QTRY_COMPARE(edits.count(), 1);
        QCOMPARE(edits.at(0).at(0).toInt(), 1);
        QCOMPARE(edits.at(0).at(1).toInt(), 3);
        QCOMPARE(list.GetItemText(1, 3), QString("song.final"));
        QCOMPARE(list.GetModified(1, 3), 1);
        QCOMPARE(list.GetModified(0, 3), 0);

        // Escape cancels an edit: no notification, no change.
        list.edit(list.model()->index(0, 3));
        edit = list.viewport()->findChild<QLineEdit*>();
        QVERIFY(edit);
        QTest::keyClicks(edit, "other");
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(!list.viewport()->findChild<QLineEdit*>());
        QCOMPARE(edits.count(), 1);
        QCOMPARE(list.GetItemText(0, 3), QString("file0"));
        QCOMPARE(list.GetModified(0, 3), 0);

        // A plain text cell has no editor.
        list.edit(list.model()->index(0, 1));
        QVERIFY(!list.viewport()->findChild<QLineEdit*>());
    }

    void emptyTextDrawnOnlyWithoutRows() {
        CXListCtrl plain;
        CXListCtrl withText;
        for (CXListCtrl* list : {&plain, &withText}) {
            list->InsertColumn(0, "File Name", 200);
            list->resize(300, 150);
        }
        withText.SetEmptyText("Please <+Add> files to convert");
        QCOMPARE(withText.GetEmptyText(), QString("Please <+Add> files to convert"));
        QVERIFY(Render(plain) != Render(withText));

        plain.InsertItem(0, "a.mp3");
        withText.InsertItem(0, "a.mp3");
        QCOMPARE(Render(plain), Render(withText));

        plain.DeleteItem(0);
        withText.DeleteItem(0);
        QVERIFY(Render(plain) != Render(withText));
    }

    void selectionReportsFirstRowOrMinusOne() {
        CXListCtrl list;
        FillFileList(list, 40);
        list.resize(500, 150);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.GetFirstSelectedItem(), -1);

        list.SetCurSel(35, true);
        QCOMPARE(list.GetFirstSelectedItem(), 35);
        QVERIFY(list.viewport()->rect().intersects(list.visualRect(list.model()->index(35, 0))));

        list.SetCurSel(2, false);
        QCOMPARE(list.GetFirstSelectedItem(), 2); // single selection: 35 is no longer selected
        QCOMPARE(list.selectionModel()->selectedRows().size(), 1);

        list.SetCurSel(-1, false);
        QCOMPARE(list.GetFirstSelectedItem(), -1);
    }

    void progressClampsAndAcceptsWorkerThreadCalls() {
        CXListCtrl list;
        list.InsertColumn(0, "File", 100);
        list.InsertColumn(1, "Progress", 100);
        list.InsertColumn(2, "Log", 100);
        list.InsertItem(0, "a.wav");
        list.InsertItem(1, "b.wav");
        QCOMPARE(list.GetProgress(0, 1), -1);
        QVERIFY(list.SetProgress(0, 1));
        QCOMPARE(list.GetProgress(0, 1), 0);
        list.UpdateProgress(0, 1, 140);
        QCOMPARE(list.GetProgress(0, 1), 100);
        list.UpdateProgress(0, 1, -5);
        QCOMPARE(list.GetProgress(0, 1), 0);
    }
};

QTEST_MAIN(CXListCtrlTest)
#include "tst_CXListCtrl.moc"
