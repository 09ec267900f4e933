// Every window can be read by a screen reader and stays sharp at 200 %:
// this test runs with QT_SCALE_FACTOR=2.

#include "MainDialogFixture.h"

#include "model/EncodingParams.h"
#include "model/EncodingSettings.h"
#include "ui/config/CConfigDlg.h"
#include "ui/config/CTagDlg.h"
#include "ui/convert/CConvertDlg.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>

#include <memory>

using namespace velmont;

namespace {

// The names a screen reader would announce for the window's buttons; an
// empty entry is a button it could only call "button".
QStringList UnnamedButtons(QWidget& window) {
    QStringList unnamed;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << window.metaObject()->className() + QStringLiteral("/") +
                           button->metaObject()->className() + QStringLiteral(" ") +
                           button->objectName();
    }
    return unnamed;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir program_;
    FakeDesktop desktop_;

  private slots:
    void everyButtonOfEveryWindowHasAName() {
        RecordingMainDialog main(desktop_, SetupIn(program_));
        CConfigDlg config(main.Settings(), kFormatMp4);
        CTagDlg tag(QStringLiteral("song.mp3"), TagTexts{});
        CConvertDlg convert; // not shown: showing it would start a batch
        for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&config),
                                static_cast<QWidget*>(&tag), static_cast<QWidget*>(&convert)}) {
            QVERIFY(!window->findChildren<QAbstractButton*>().isEmpty());
            const QStringList unnamed = UnnamedButtons(*window);
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        }
        main.OnClose();
    }

    void imageButtonsPaintTheDoubleSizeArtAt200Percent() {
        RecordingMainDialog main(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(main));
        QCOMPARE(main.devicePixelRatioF(), 2.0);
        ImageButton* add = main.Button(MainDialog::kAddId);
        const QImage shown = add->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage art = QImage(QString::fromLatin1(":/skin/add_normal@2x.png"))
                               .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), art.size());
        // Every drawn pixel of the art shows as painted, none blurred from 1x.
        const QRgb key = ColourFromBgr(skin::kAdd.keyBgr).rgb() & RGB_MASK;
        int compared = 0;
        for (int y = 0; y < art.height(); ++y)
            for (int x = 0; x < art.width(); ++x) {
                if ((art.pixel(x, y) & RGB_MASK) == key)
                    continue;
                ++compared;
                QCOMPARE(shown.pixel(x, y) & RGB_MASK, art.pixel(x, y) & RGB_MASK);
            }
        QVERIFY(compared > art.width() * art.height() / 4);
        main.OnClose();
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_accessibility.moc"
