#include "UiTestSupport.h"
#include "ui/skin/DragGeometry.h"
#include "ui/skin/DraggableDialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using velmont::DraggableDialog;
using velmont::DraggedTopLeft;

namespace {

const QRect kScreen(0, 0, 1024, 768);
const QRect kWindow(100, 50, 605, 567); // spans x 100..704, y 50..616

// Sends one mouse event with an explicit pointer position on the screen.
void SendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button,
               Qt::MouseButtons held) {
    const QPointF local = target->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class DraggableDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void dragArithmeticClampsAtEachScreenEdge() {
        QCOMPARE(DraggedTopLeft(kWindow, {10, -20}, kScreen, false), QPoint(110, 30));
        // Without clamping the window may leave the screen.
        QCOMPARE(DraggedTopLeft(kWindow, {500, 400}, kScreen, false), QPoint(600, 450));

        // Left and top: the edge stops at 0.
        QCOMPARE(DraggedTopLeft(kWindow, {-150, 0}, kScreen, true), QPoint(0, 50));
        QCOMPARE(DraggedTopLeft(kWindow, {0, -80}, kScreen, true), QPoint(100, 0));
        // Right and bottom: the far edge stops at the screen's size.
        QCOMPARE(DraggedTopLeft(kWindow, {400, 0}, kScreen, true), QPoint(1024 - 605, 50));
        QCOMPARE(DraggedTopLeft(kWindow, {0, 300}, kScreen, true), QPoint(100, 768 - 567));
        // Exactly at the edge is allowed; a corner clamps both ways at once.
        QCOMPARE(DraggedTopLeft(kWindow, {319, 151}, kScreen, true), QPoint(419, 201));
        QCOMPARE(DraggedTopLeft(kWindow, {-500, 900}, kScreen, true), QPoint(0, 201));
        // A window larger than the screen aligns right and bottom.
        const QRect huge(0, 0, 1200, 900);
        QCOMPARE(DraggedTopLeft(huge, {10, 10}, kScreen, true), QPoint(1024 - 1200, 768 - 900));
        const QRect second(1024, 0, 1280, 1024); // a screen right of the first
        QCOMPARE(DraggedTopLeft(QRect(1100, 100, 605, 567), {-200, 0}, second, true),
                 QPoint(1024, 100));
        QCOMPARE(DraggedTopLeft(QRect(1100, 100, 605, 567), {800, 0}, second, true),
                 QPoint(1024 + 1280 - 605, 100));
    }

    void dragAlphaAcceptsOnlyZeroTo255() {
        DraggableDialog dialog;
        QCOMPARE(dialog.DragAlpha(), 255);
        for (int alpha : {100, 0, 255})
            QVERIFY(dialog.SetDragAlpha(alpha) && dialog.DragAlpha() == alpha);
        for (int alpha : {256, 300, -1})
            QVERIFY(!dialog.SetDragAlpha(alpha) && dialog.DragAlpha() == 255);
    }

    void dragFadesMovesClampsAndRestores() {
        DraggableDialog dialog;
        dialog.resize(300, 200);
        dialog.SetClampToScreen(true);
        QVERIFY(dialog.SetDragAlpha(100));
        QVERIFY(velmont::ShowExposed(dialog));
        dialog.move(200, 150);
        const QRect screen = dialog.screen()->geometry();

        QPoint pointer = dialog.mapToGlobal(QPoint(20, 20));
        SendMouse(&dialog, QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(dialog.IsDragging());
        QVERIFY(qAbs(dialog.windowOpacity() - 100 / 255.0) < 0.01);

        pointer += QPoint(30, 10);
        SendMouse(&dialog, QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(dialog.frameGeometry().topLeft(), QPoint(230, 160));

        // Far past the left edge: the window stops there...
        pointer += QPoint(-1000, 0);
        SendMouse(&dialog, QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(dialog.frameGeometry().left(), screen.left());
        // ...and follows again as soon as the pointer moves back.
        pointer += QPoint(15, 0);
        SendMouse(&dialog, QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(dialog.frameGeometry().left(), screen.left() + 15);

        SendMouse(&dialog, QEvent::MouseButtonRelease, pointer, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!dialog.IsDragging());
        QCOMPARE(dialog.windowOpacity(), 1.0);

        // After the release the pointer moves freely.
        const QPoint rest = dialog.frameGeometry().topLeft();
        SendMouse(&dialog, QEvent::MouseMove, pointer + QPoint(40, 40), Qt::NoButton, Qt::NoButton);
        QCOMPARE(dialog.frameGeometry().topLeft(), rest);
    }

    void pressOnChildControlDoesNotDrag() {
        DraggableDialog dialog;
        dialog.resize(300, 200);
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->setGeometry(100, 100, 80, 30);
        QVERIFY(velmont::ShowExposed(dialog));

        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(button->isDown());
        QVERIFY(!dialog.IsDragging());
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));

        // The surface beside it does start a drag, and the release ends it.
        QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(dialog.IsDragging());
        QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(!dialog.IsDragging());
    }
};

QTEST_MAIN(DraggableDialogTest)
#include "tst_DraggableDialog.moc"
