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
        for (std::size_t i = 0; i < 3; ++i) {
            pages[i]->resize(380, 200);
            control.AddTab(pages[i], QStringList{"Audio", "Video", "Advanced"}[int(i)], int(i));
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
    // The first page shows after adding, at the control's page place with its
    // own size; a disabled tab cannot be chosen by click, call or key, but a
    // selected tab being disabled stays in view until another is chosen; its
    // text is drawn lighter.
    void disabledTabsCannotBeChosenAndLookIt() {
        Tabs tabs;
        QVERIFY(QTest::qWaitForWindowExposed(&tabs.control));
        QVERIFY(tabs.Shown(0) && !tabs.Shown(1) && !tabs.Shown(2));
        QCOMPARE(tabs.pages[2]->geometry(), QRect(4, 28, 380, 200));
        tabs.control.EnableTab(2, false);
        QSignalSpy changes(&tabs.control, &SkinTabCtrl::currentTabChanged);
        tabs.Click(2);
        QVERIFY(!tabs.control.SetCurrentTab(2));
        tabs.control.TabBar()->setFocus();
        QTest::keyClick(tabs.control.TabBar(), Qt::Key_Right);
        QTest::keyClick(tabs.control.TabBar(), Qt::Key_Right);
        QCOMPARE(tabs.control.CurrentTab(), 1);
        QVERIFY(tabs.Shown(1) && !tabs.Shown(2));

        tabs.control.EnableTab(1, false);
        QVERIFY(tabs.Shown(1) && !tabs.control.IsTabEnabled(1));
        tabs.Click(0);
        tabs.Click(1);
        QCOMPARE(tabs.control.CurrentTab(), 0);
        QVERIFY(tabs.Shown(0) && !tabs.Shown(1));
        tabs.control.EnableTab(2, true);
        tabs.Click(2);
        QVERIFY(tabs.Shown(2) && !tabs.Shown(0));
        QCOMPARE(changes.count(), 3);

        // Selected or not, enabled tabs draw their text alike; disabled, lighter.
        const QColor text = tabs.control.TabTextColour(0);
        const QColor grey = tabs.control.TabTextColour(1);
        QCOMPARE(tabs.control.TabTextColour(2), text);
        QVERIFY(grey.lightness() > text.lightness());
        QVERIFY(PixelsOf(tabs.control, 0, text) > 0 && PixelsOf(tabs.control, 2, text) > 0);
        QVERIFY(PixelsOf(tabs.control, 1, grey) > 0 && PixelsOf(tabs.control, 1, text) == 0);
        QCOMPARE(PixelsOf(tabs.control, 0, grey), 0);
    }
};

QTEST_MAIN(SkinTabCtrlTest)
#include "tst_SkinTabCtrl.moc"
