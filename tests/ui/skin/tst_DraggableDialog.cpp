#include "UiTestSupport.h"
#include "ui/skin/DragGeometry.h"
#include "ui/skin/DraggableDialog.h"

#include <QPushButton>
#include <QScreen>

#include <tuple>
#include <utility>

using namespace velmont;

// Sends one mouse event with an explicit pointer position on the screen.
static void SendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    const QPointF local = target->mapFromGlobal(QPointF(global));
    QMouseEvent event(type, local, QPointF(global), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

class DraggableDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // Clamped, each edge stops at the screen's; a window larger than the
    // screen aligns right and bottom.
    void dragArithmeticClampsAtEachScreenEdge() {
        const QRect one(0, 0, 1024, 768);
        const QRect at(100, 50, 605, 567); // spans x 100..704, y 50..616
        const std::tuple<QRect, QPoint, QRect, bool, QPoint> cases[] = {
            {at, {500, 400}, one, false, {600, 450}},
            {at, {400, -80}, one, true, {1024 - 605, 0}},
            {at, {-500, 900}, one, true, {0, 768 - 567}},
            {QRect(0, 0, 1200, 900), {10, 10}, one, true, {1024 - 1200, 768 - 900}},
            // On a second screen right of the first.
            {QRect(1100, 100, 605, 567), {800, 0}, QRect(1024, 0, 1280, 1024), true, {1699, 100}}};
        for (const auto& [window, delta, screen, clamp, expected] : cases)
            QCOMPARE(DraggedTopLeft(window, delta, screen, clamp), expected);
    }

    // A press on the surface drags the window, faded, stopping at the screen's
    // edge and following again as soon as the pointer comes back; a press on
    // a child control does not drag.
    void dragFadesMovesClampsAndRestores() {
        DraggableDialog dialog;
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        button->setGeometry(100, 100, 80, 30);
        dialog.SetClampToScreen(true);
        QVERIFY(!dialog.SetDragAlpha(256) && !dialog.SetDragAlpha(-1) && dialog.SetDragAlpha(100));
        QVERIFY(velmont::ShowExposed(dialog));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(button->isDown() && !dialog.IsDragging());
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));

        dialog.move(200, 150);
        QPoint pointer = dialog.mapToGlobal(QPoint(20, 20));
        SendMouse(&dialog, QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(qAbs(dialog.windowOpacity() - 100 / 255.0) < 0.01);
        const int left = dialog.screen()->geometry().left();
        const std::pair<QPoint, QPoint> moves[] = {
            {{30, 10}, {230, 160}}, {{-1000, 0}, {left, 160}}, {{15, 0}, {left + 15, 160}}};
        for (const auto& [step, topLeft] : moves) {
            pointer += step;
            SendMouse(&dialog, QEvent::MouseMove, pointer, Qt::NoButton, Qt::LeftButton);
            QCOMPARE(dialog.frameGeometry().topLeft(), topLeft);
        }
        SendMouse(&dialog, QEvent::MouseButtonRelease, pointer, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(dialog.windowOpacity(), 1.0);
        // After the release the pointer moves freely.
        SendMouse(&dialog, QEvent::MouseMove, pointer + QPoint(40, 40), Qt::NoButton, Qt::NoButton);
        QCOMPARE(dialog.frameGeometry().topLeft(), QPoint(left + 15, 160));
    }
};

QTEST_MAIN(DraggableDialogTest)
#include "tst_DraggableDialog.moc"
