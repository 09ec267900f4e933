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
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>

#include <memory>

using namespace velmont;

namespace {

// A control a screen reader could only call "button", or whose value it
// would read as its name (a drop-down without a name of its own).
bool Unnamed(QWidget* control) {
    if (qobject_cast<QAbstractButton*>(control)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        return !accessible || accessible->text(QAccessible::Name).trimmed().isEmpty();
    }
    return control->accessibleName().trimmed().isEmpty();
}

QStringList UnnamedControls(QWidget& window) {
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool takesFocus = control->focusPolicy() & Qt::TabFocus;
        const bool partOfAnother = qobject_cast<QComboBox*>(control->parentWidget()) ||
                                   qobject_cast<QAbstractItemView*>(control->parentWidget());
        if (takesFocus && !partOfAnother && control->window() == &window && Unnamed(control))
            unnamed << window.metaObject()->className() + QStringLiteral("/") +
                           control->metaObject()->className() + QStringLiteral(" ") +
                           control->objectName();
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
    void everyControlOfEveryWindowHasAName() {
        RecordingMainDialog main(desktop_, SetupIn(program_));
        CConfigDlg config(main.Settings(), kFormatMp4);
        CTagDlg tag(QStringLiteral("song.mp3"), TagTexts{});
        CConvertDlg convert; // not shown: showing it would start a batch
        for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&config),
                                static_cast<QWidget*>(&tag), static_cast<QWidget*>(&convert)}) {
            QVERIFY(!window->findChildren<QAbstractButton*>().isEmpty());
            const QStringList unnamed = UnnamedControls(*window);
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        }
        main.OnClose();
    }

    // Tab shows where the focus is on the skinned buttons; a click does not.
    void keyboardFocusIsMarkedOnSkinnedButtons() {
        RecordingMainDialog main(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(main));
        ImageButton* add = main.Button(MainDialog::kAddId);
        ImageButton* remove = main.Button(MainDialog::kDelId);
        const QImage addPlain = add->grab().toImage();
        const QImage plain = remove->grab().toImage();
        add->setFocus(Qt::MouseFocusReason);
        QCOMPARE(add->grab().toImage(), addPlain);
        QTest::keyClick(add, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(remove));
        QVERIFY(remove->grab().toImage() != plain);
        remove->clearFocus();
        remove->setFocus(Qt::MouseFocusReason);
        QCOMPARE(remove->grab().toImage(), plain);
        main.OnClose();
    }

    // 200 % on a 1920 x 1080 screen with a panel leaves 516 pixels: the list
    // gives up rows and every control stays inside the window.
    void everyControlStaysOnAShortScreen() {
        RecordingMainDialog main(desktop_, SetupIn(program_));
        QVERIFY(ShowExposed(main));
        main.FitToScreen(QRect(0, 0, 960, 516));
        QVERIFY(main.height() <= 516);
        for (QWidget* control : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow())
                QVERIFY2(main.rect().contains(control->geometry()),
                         qPrintable(control->objectName()));
        }
        QVERIFY(main.FileList()->height() >= 120);
        const QRect go = main.Button(MainDialog::kGoId)->geometry();
        main.FitToScreen(QRect(0, 0, 960, 1032));
        QCOMPARE(main.size(), QSize(MainDialog::kWidth, MainDialog::kHeight));
        QCOMPARE(main.Button(MainDialog::kGoId)->geometry(), go.translated(0, 567 - 516));
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
