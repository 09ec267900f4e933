#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"
#include "ui/skin/art/SkinArtPainter.h"

#include <QDir>
#include <QTest>

#include <vector>

using namespace velmont;

namespace {

const std::vector<skin::ButtonArt> kButtons{
    skin::kAdd,   skin::kRemove,      skin::kSettings, skin::kMoveDown, skin::kMoveUp,  skin::kPlay,
    skin::kTag,   skin::kOutputLabel, skin::kFolder,   skin::kConvert,  skin::kHelp,    skin::kExit,
    skin::kAbout, skin::kMinimise,    skin::kClose,    skin::kBrand,    skin::kHomePage};

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            count += (pixels.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK);
    return count;
}

} // namespace

// Checks the skin images built into the program. Run with
// VELMONT_WRITE_SKIN_ART=<folder> to paint them afresh into that folder
// (scripts/make-skin-art.sh does this for ui/skin/images).
class SkinArtTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        skin::InitSkinResources();
        const QByteArray target = qgetenv("VELMONT_WRITE_SKIN_ART");
        if (target.isEmpty())
            return;
        QDir().mkpath(QString::fromLocal8Bit(target));
        for (int scale : {1, 2}) {
            for (const skin::PaintedImage& painted : skin::PaintSkinArt(scale)) {
                const QString path =
                    QDir(QString::fromLocal8Bit(target)).filePath(painted.fileName);
                QVERIFY2(painted.image.save(path, "PNG"), qPrintable(path));
            }
        }
    }

    void everyPaintedImageIsAResourceOfTheSameSize() {
        for (int scale : {1, 2}) {
            for (const skin::PaintedImage& painted : skin::PaintSkinArt(scale)) {
                const QImage stored(QStringLiteral(":/skin/") + painted.fileName);
                QVERIFY2(!stored.isNull(), qPrintable(painted.fileName));
                QCOMPARE(stored.size(), painted.image.size());
            }
        }
        QCOMPARE(QImage(skin::kBackground2x).size(), QSize(1210, 1134));
        QCOMPARE(QImage(skin::kBackground).size(), QSize(605, 567));
        QVERIFY(!QImage(skin::kAppIcon).isNull());
        QVERIFY(!QImage(skin::kLinkCursor).isNull());
    }

    void buttonImagesFitTheirPlaceKeepTheirKeyAndLightUp() {
        for (const skin::ButtonArt& art : kButtons) {
            for (const char* path : {art.hover, art.normal}) {
                if (!*path)
                    continue;
                const QImage image(QString::fromLatin1(path));
                QVERIFY2(!image.isNull(), path);
                QCOMPARE(image.size(), art.size);
                // Every image has see-through parts in its key colour, and its
                // drawn parts never use that colour.
                const QRgb key = ColourFromBgr(art.keyBgr).rgb();
                const int keyPixels = CountColour(image, key);
                QVERIFY2(keyPixels > 0, path);
                QVERIFY2(keyPixels < image.width() * image.height(), path);
            }
            // The buttons stay inside the 605 x 567 window; hover looks differ.
            QVERIFY(QRect(QPoint(0, 0), QSize(605, 567)).contains(QRect(art.position, art.size)));
            QVERIFY2(!*art.normal || QImage(QString::fromLatin1(art.hover)) !=
                                         QImage(QString::fromLatin1(art.normal)),
                     art.hover);
        }
    }
};

QTEST_MAIN(SkinArtTest)
#include "tst_SkinArt.moc"
