#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"

#include "FakeDesktop.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QWindow>

#include <memory>

using velmont::ImageButton;

namespace {

constexpr std::uint32_t kKeyBgr = 0x00E1820C; // red 0x0C, green 0x82, blue 0xE1
const QColor kParentColour(200, 0, 200);
const QColor kNormalColour(0, 160, 0);
const QColor kHoverColour(0, 0, 230);
const QColor kMarker(255, 0, 0);
constexpr QPoint kButtonAt(10, 10);
constexpr QPoint kMarkerAt(5, 5);

// A 20 x 12 image: a one-pixel frame in the key colour around a solid
// interior, with a red marker pixel at kMarkerAt.
QImage TestImage(const QColor& interior) {
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(velmont::ColourFromBgr(kKeyBgr));
    QPainter(&image).fillRect(1, 1, 18, 10, interior);
    image.setPixelColor(kMarkerAt, kMarker);
    return image;
}

// A parent with a plain background and one transparent image button on it.
struct Scene {
    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
    ImageButton* button = new ImageButton(parent.get());

    Scene() {
        QCursor::setPos(0, 0); // away from where the button will be
        parent->setAutoFillBackground(true);
        parent->setPalette(QPalette(kParentColour, kParentColour)); // button, window
        parent->resize(100, 60);
        button->move(kButtonAt);
        button->SetDrawTransparent();
        button->SetDrawBorder(false);
        button->SetBitmaps(TestImage(kHoverColour), kKeyBgr, TestImage(kNormalColour), kKeyBgr);
        button->SizeToContent();
        parent->show();
        parent->activateWindow();
    }

    // The colour the user sees at a point of the button.
    QColor At(QPoint inButton) const {
        return parent->grab().toImage().pixelColor(kButtonAt + inButton);
    }
    QPoint Centre() const { return button->rect().center(); }
};

} // namespace

class ImageButtonTest : public QObject {
    Q_OBJECT

  private slots:
    // A drag from elsewhere lights nothing; then normal, hover, pressed (the
    // hover image one pixel down and right) and clicked; the key colour shows
    // the parent, without a border; disabled looks grey unless switched off.
    void looksFollowThePointer() {
        Scene scene;
        QVERIFY(QTest::qWaitForWindowExposed(scene.parent.get()));
        QWindow* window = scene.parent->windowHandle(); // as the system delivers a drag
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(80, 50));
        QTest::mouseMove(window, kButtonAt + scene.Centre());
        QTest::qWait(20);
        QVERIFY(!scene.button->IsHovered());
        QCOMPARE(scene.At(scene.Centre()), kNormalColour);
        QTest::mouseRelease(window, Qt::LeftButton, {}, kButtonAt + scene.Centre());

        velmont::FakeDesktop desktop;
        scene.button->SetDesktop(&desktop);
        scene.button->SetUrl(QStringLiteral("https://velmont.example/converter"));
        QTest::mouseMove(scene.button, scene.Centre());
        QTRY_VERIFY(scene.button->IsHovered());
        QCOMPARE(scene.At(scene.Centre()), kHoverColour);
        QCOMPARE(scene.At({0, 5}), kParentColour);
        QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(scene.At(kMarkerAt + QPoint(1, 1)), kMarker);
        QCOMPARE(scene.At(kMarkerAt), kHoverColour);
        QCOMPARE(scene.At({0, 0}), kParentColour);
        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.Centre());
        // The second press of a double click arrives as a double-click event
        // alone; it still makes a click that opens the address.
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(scene.Centre()),
                                scene.button->mapToGlobal(QPointF(scene.Centre())), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(scene.button, &doubleClick);
        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(desktop.openedUrls,
                 std::vector<std::string>(2, "https://velmont.example/converter"));
        QTest::mouseMove(scene.parent.get(), QPoint(90, 50));
        QTRY_COMPARE(scene.At(scene.Centre()), kNormalColour);

        scene.button->setEnabled(false);
        const QColor greyed = scene.At(scene.Centre());
        QVERIFY2(greyed.hsvSaturation() < 60 && greyed != kNormalColour, qPrintable(greyed.name()));
        QCOMPARE(scene.At({19, 11}), kParentColour); // still see-through at the key
        scene.button->SetGreyedDisabledLook(false);
        QCOMPARE(scene.At(scene.Centre()), kNormalColour);
    }

    // A missing image or cursor is reported and leaves none; resource art
    // sizes the button and carries its key; an address keeps at most 259
    // bytes, never cutting a character in half.
    void loadingImagesAndCursorReportsResultsAndSizes() {
        ImageButton button;
        const velmont::skin::ButtonArt& art = velmont::skin::kAdd;
        QCOMPARE(button.SetBitmaps(QString::fromLatin1(art.hover), kKeyBgr,
                                   QStringLiteral("/nonexistent.png"), kKeyBgr),
                 int(ImageButton::BitmapNotLoaded));
        QCOMPARE(button.SetBitmaps(QString::fromLatin1(art.hover), art.keyBgr,
                                   QString::fromLatin1(art.normal), art.keyBgr),
                 int(ImageButton::BitmapOk));
        button.SizeToContent();
        QCOMPARE(button.size(), art.size);
        QCOMPARE(qAlpha(button.CurrentImage().pixel(0, 0)), 0);
        QCOMPARE(button.SetHoverCursor(QStringLiteral(":/skin/missing.png")), 1);
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
        button.SetUrl(QString(300, QLatin1Char('a')));
        QCOMPARE(button.Url().toUtf8().size(), 259);
        button.SetUrl(QString(129, QLatin1Char('b')) + QString(100, QChar(0x00FC)));
        QCOMPARE(button.Url(), QString(129, QLatin1Char('b')) + QString(65, QChar(0x00FC)));
    }
};

QTEST_MAIN(ImageButtonTest)
#include "tst_ImageButton.moc"
