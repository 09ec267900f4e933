#include "ui/skin/SkinTabCtrl.h"

#include <QSignalSpy>
#include <QTest>

#include <array>

using velmont::SkinTabCtrl;

namespace {

struct Tabs {
    SkinTabCtrl control;
    std::array<QWidget*, 3> pages{new QWidget, new QWidget, new QWidget};

    Tabs() {
        control.resize(400, 260);
        const char* names[] = {"Audio", "Video", "Advanced"};
        for (int i = 0; i < 3; ++i) {
            pages[std::size_t(i)]->resize(380, 200);
            control.AddTab(pages[std::size_t(i)], QString::fromLatin1(names[i]), i);
        }
        control.show();
    }

    void Click(int tab) {
        QTabBar* bar = control.TabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    bool Shown(int page) const { return pages[std::size_t(page)]->isVisible(); }
};

// How many pixels of the tab's rectangle have exactly this colour.
int PixelsOf(SkinTabCtrl& control, int tab, const QColor& colour) {
    const QImage image = control.TabBar()->grab(control.TabBar()->tabRect(tab)).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

} // namespace

class SkinTabCtrlTest : public QObject {
    Q_OBJECT

  private slots:
    void firstTabAndPageShownAfterAdding() {
        Tabs tabs;
        QVERIFY(QTest::qWaitForWindowExposed(&tabs.control));
        QCOMPARE(tabs.control.CurrentTab(), 0);
        QVERIFY(tabs.Shown(0) && !tabs.Shown(1) && !tabs.Shown(2));
        for (int i = 0; i < 3; ++i) {
            QVERIFY(tabs.control.IsTabEnabled(i));
            QCOMPARE(tabs.pages[std::size_t(i)]->pos(), QPoint(4, 28));
            QCOMPARE(tabs.pages[std::size_t(i)]->size(), QSize(380, 200)); // size kept
        }
        QVERIFY(!tabs.control.IsTabEnabled(3));
    }

    void clickingDisabledTabKeepsTheCurrentOne() {
        Tabs tabs;
        QVERIFY(QTest::qWaitForWindowExposed(&tabs.control));
        tabs.control.EnableTab(1, false);
        tabs.control.EnableTab(2, false);
        QSignalSpy changes(&tabs.control, &SkinTabCtrl::currentTabChanged);
        tabs.Click(1);
        tabs.Click(2);
        QCOMPARE(tabs.control.CurrentTab(), 0);
        QVERIFY(tabs.Shown(0) && !tabs.Shown(1) && !tabs.Shown(2));
        QCOMPARE(changes.count(), 0);
        QVERIFY(!tabs.control.SetCurrentTab(2));
        QCOMPARE(tabs.control.CurrentTab(), 0);

        // Enabled again, it can be chosen.
        tabs.control.EnableTab(2, true);
        tabs.Click(2);
        QCOMPARE(tabs.control.CurrentTab(), 2);
        QVERIFY(tabs.Shown(2) && !tabs.Shown(0));
        QCOMPARE(changes.count(), 1);
    }

    void disablingTheSelectedTabKeepsItInView() {
        Tabs tabs;
        QVERIFY(QTest::qWaitForWindowExposed(&tabs.control));
        tabs.Click(1);
        tabs.control.EnableTab(1, false);
        QCOMPARE(tabs.control.CurrentTab(), 1);
        QVERIFY(tabs.Shown(1));
        QVERIFY(!tabs.control.IsTabEnabled(1));
        // Another tab can still be chosen; coming back is then refused.
        tabs.Click(0);
        QCOMPARE(tabs.control.CurrentTab(), 0);
        QVERIFY(tabs.Shown(0) && !tabs.Shown(1));
        tabs.Click(1);
        QCOMPARE(tabs.control.CurrentTab(), 0);
    }

    void keyboardCannotLandOnDisabledTab() {
        Tabs tabs;
        QVERIFY(QTest::qWaitForWindowExposed(&tabs.control));
        tabs.control.EnableTab(1, false);
        tabs.control.TabBar()->setFocus();
        QTest::keyClick(tabs.control.TabBar(), Qt::Key_Right);
        QVERIFY(tabs.control.CurrentTab() != 1);
        QVERIFY(!tabs.Shown(1));
        QVERIFY(tabs.Shown(tabs.control.CurrentTab()));
    }

    void disabledTextIsGreyEnabledTextIsAlike() {
        Tabs tabs;
        QVERIFY(QTest::qWaitForWindowExposed(&tabs.control));
        tabs.control.EnableTab(2, false);
        const QColor text = tabs.control.TabTextColour(0);
        const QColor grey = tabs.control.TabTextColour(2);
        QCOMPARE(tabs.control.TabTextColour(1), text); // selected or not, same colour
        QVERIFY(grey != text);
        QVERIFY(grey.lightness() > text.lightness());

        // What is drawn follows: text pixels in the tab's own colour only.
        QVERIFY(PixelsOf(tabs.control, 0, text) > 0);
        QVERIFY(PixelsOf(tabs.control, 1, text) > 0);
        QCOMPARE(PixelsOf(tabs.control, 2, text), 0);
        QVERIFY(PixelsOf(tabs.control, 2, grey) > 0);
        QCOMPARE(PixelsOf(tabs.control, 0, grey), 0);
    }
};

QTEST_MAIN(SkinTabCtrlTest)
#include "tst_SkinTabCtrl.moc"
