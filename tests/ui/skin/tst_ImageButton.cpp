#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"

#include "FakeDesktop.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <memory>

using velmont::ColourFromBgr;
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
    image.fill(ColourFromBgr(kKeyBgr));
    for (int y = 1; y < 11; ++y)
        for (int x = 1; x < 19; ++x)
            image.setPixelColor(x, y, interior);
    image.setPixelColor(kMarkerAt, kMarker);
    return image;
}

// A parent with a plain background and one transparent image button on it.
struct Scene {
    std::unique_ptr<QWidget> parent = std::make_unique<QWidget>();
    ImageButton* button = new ImageButton(parent.get());

    explicit Scene(bool withNormal = true) {
        // Start with the pointer away from where the button will be.
        QCursor::setPos(0, 0);
        parent->setAutoFillBackground(true);
        QPalette colours = parent->palette();
        colours.setColor(QPalette::Window, kParentColour);
        parent->setPalette(colours);
        parent->resize(100, 60);
        button->move(kButtonAt);
        button->SetDrawTransparent();
        button->SetDrawBorder(false);
        const int result =
            button->SetBitmaps(TestImage(kHoverColour), kKeyBgr,
                               withNormal ? TestImage(kNormalColour) : QImage(), kKeyBgr);
        Q_ASSERT(result == ImageButton::BitmapOk);
        button->SizeToContent();
        parent->show();
        parent->activateWindow();
    }

    // The colour the user sees at a point of the button.
    QColor At(QPoint inButton) const {
        return parent->grab().toImage().pixelColor(kButtonAt + inButton);
    }
    QPoint Centre() const { return button->rect().center(); }
    bool Exposed() const { return QTest::qWaitForWindowExposed(parent.get()); }
    // Moves the pointer onto the button; true once it lights up.
    bool Hover() const {
        QTest::mouseMove(button, Centre());
        return QTest::qWaitFor([this] { return button->IsHovered(); });
    }
};

bool IsGrey(const QColor& colour) {
    return std::abs(colour.red() - colour.green()) < 24 &&
           std::abs(colour.green() - colour.blue()) < 24;
}

} // namespace

class ImageButtonTest : public QObject {
    Q_OBJECT

  private slots:
    void showsNormalThenHoverThenNormal() {
        Scene scene;
        QVERIFY(scene.Exposed());
        QCOMPARE(scene.At(scene.Centre()), kNormalColour);

        QVERIFY(scene.Hover());
        QCOMPARE(scene.At(scene.Centre()), kHoverColour);

        QTest::mouseMove(scene.parent.get(), QPoint(90, 50));
        QTRY_VERIFY(!scene.button->IsHovered());
        QCOMPARE(scene.At(scene.Centre()), kNormalColour);

        // Without a normal image the hover image shows at all times.
        Scene hoverOnly(false);
        QVERIFY(hoverOnly.Exposed());
        QCOMPARE(hoverOnly.At(hoverOnly.Centre()), kHoverColour);
    }

    void pressedShowsHoverImageMovedByOnePixel() {
        Scene scene;
        QVERIFY(scene.Exposed());
        QCOMPARE(scene.At(kMarkerAt), kMarker);

        QTest::mouseMove(scene.button, scene.Centre());
        QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.Centre());
        QVERIFY(scene.button->isDown());
        QCOMPARE(scene.At(kMarkerAt + QPoint(1, 1)), kMarker);
        QCOMPARE(scene.At(kMarkerAt), kHoverColour);
        QCOMPARE(scene.At(scene.Centre()), kHoverColour);

        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(scene.At(kMarkerAt), kMarker);
    }

    void keyColourLeavesParentVisibleAndNoBorderUnlessAsked() {
        Scene scene;
        QVERIFY(scene.Exposed());
        // The frame of the image is key-coloured in both looks.
        QCOMPARE(scene.At({0, 0}), kParentColour);
        QCOMPARE(scene.At({19, 11}), kParentColour);
        QVERIFY(scene.Hover());
        QCOMPARE(scene.At({0, 5}), kParentColour); // no border on hover
        QCOMPARE(scene.At({1, 5}), kHoverColour);
        QTest::mousePress(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(scene.At({0, 0}), kParentColour); // nor while pressed
        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.Centre());

        scene.button->SetDrawBorder(true);
        QVERIFY(scene.At({0, 0}) != kParentColour); // the thin hover frame
    }

    void pressStartedElsewhereDoesNotLightTheButton() {
        Scene scene;
        QVERIFY(scene.Exposed());
        // Through the window, as the system delivers a real drag.
        QWindow* window = scene.parent->windowHandle();
        QTest::mouseMove(window, QPoint(80, 50));
        QTest::mousePress(window, Qt::LeftButton, {}, QPoint(80, 50));
        QTest::mouseMove(window, kButtonAt + scene.Centre());
        QTest::qWait(20);
        const bool lit = scene.button->IsHovered();
        const QColor shown = scene.At(scene.Centre());
        QTest::mouseRelease(window, Qt::LeftButton, {}, kButtonAt + scene.Centre());
        QVERIFY(!lit);
        QCOMPARE(shown, kNormalColour);
    }

    void disabledLookIsGreyedUnlessSwitchedOff() {
        Scene scene;
        QVERIFY(scene.Exposed());
        scene.button->setEnabled(false);
        const QColor greyed = scene.At(scene.Centre());
        QVERIFY2(IsGrey(greyed), qPrintable(greyed.name()));
        QVERIFY(greyed != kNormalColour);
        QCOMPARE(scene.At({0, 0}), kParentColour); // still see-through at the key

        scene.button->SetGreyedDisabledLook(false);
        QCOMPARE(scene.At(scene.Centre()), kNormalColour);
    }

    void loadingImagesAndCursorReportsResultsAndSizes() {
        ImageButton button;
        QCOMPARE(button.SetBitmaps(TestImage(kHoverColour), kKeyBgr), int(ImageButton::BitmapOk));
        QVERIFY(!button.CurrentImage().isNull());
        QCOMPARE(button.SetBitmaps(QStringLiteral(":/skin/no_such_image.png"), kKeyBgr),
                 int(ImageButton::BitmapNotLoaded));
        QVERIFY(button.CurrentImage().isNull());
        QCOMPARE(button.SetBitmaps(QString::fromLatin1(velmont::skin::kAdd.hover), kKeyBgr,
                                   QStringLiteral("/nonexistent.png"), kKeyBgr),
                 int(ImageButton::BitmapNotLoaded));
        QVERIFY(button.CurrentImage().isNull());

        // SizeToContent takes the hover image's size; resource images carry
        // their key, so the corner of the rounded card is clear.
        const velmont::skin::ButtonArt& art = velmont::skin::kAdd;
        QCOMPARE(button.SetBitmaps(QString::fromLatin1(art.hover), art.keyBgr,
                                   QString::fromLatin1(art.normal), art.keyBgr),
                 int(ImageButton::BitmapOk));
        button.move(34, 89);
        button.SizeToContent();
        QCOMPARE(button.geometry(), QRect(art.position, art.size));
        QCOMPARE(qAlpha(button.CurrentImage().pixel(0, 0)), 0);

        // A cursor that cannot be loaded leaves the arrow.
        QCOMPARE(button.SetHoverCursor(QString::fromLatin1(velmont::skin::kLinkCursor),
                                       velmont::skin::kLinkCursorHotSpot),
                 0);
        QCOMPARE(button.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(button.SetHoverCursor(QStringLiteral(":/skin/missing.png")), 1);
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }

    void clickOpensUrlAndDoubleClickCountsAsClick() {
        Scene scene;
        QVERIFY(scene.Exposed());
        velmont::FakeDesktop desktop;
        scene.button->SetDesktop(&desktop);
        QSignalSpy clicks(scene.button, &QAbstractButton::clicked);

        QTest::mouseClick(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(clicks.count(), 1);
        QVERIFY(desktop.openedUrls.empty()); // no address, nothing opened

        scene.button->SetUrl(QStringLiteral("https://velmont.example/converter"));
        QTest::mouseClick(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(desktop.openedUrls.size(), std::size_t(1));
        QCOMPARE(desktop.openedUrls[0], std::string("https://velmont.example/converter"));

        // The second press of a double click arrives as a double-click event
        // alone; it still makes a click.
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(scene.Centre()),
                                scene.button->mapToGlobal(QPointF(scene.Centre())), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(scene.button, &doubleClick);
        QTest::mouseRelease(scene.button, Qt::LeftButton, {}, scene.Centre());
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(desktop.openedUrls.size(), std::size_t(2));
    }

    void urlKeepsAtMost259Bytes() {
        ImageButton button;
        button.SetUrl(QString(300, QLatin1Char('a')));
        QCOMPARE(button.Url().toUtf8().size(), 259);
        // A multi-byte character is never cut in half.
        button.SetUrl(QString(129, QLatin1Char('b')) + QString(100, QChar(0x00FC)));
        QVERIFY(button.Url().toUtf8().size() <= 259);
        QCOMPARE(button.Url(), QString(129, QLatin1Char('b')) + QString(65, QChar(0x00FC)));
    }
};

QTEST_MAIN(ImageButtonTest)
#include "tst_ImageButton.moc"
