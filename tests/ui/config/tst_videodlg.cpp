#include "model/EncodingParams.h"
#include "model/EncodingSettings.h"
#include "ui/config/CVideoDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <tuple>

using namespace velmont;

namespace {

constexpr FormatId k3g2 = 11;
constexpr FormatId k3gp = 12;
constexpr FormatId kAvi = 13;
constexpr FormatId kMp4 = 15;

void SetSize(EncodingSettings& settings, FormatId id, int width, int height) {
    settings.GetEncodingParams(id)->width = width;
    settings.GetEncodingParams(id)->height = height;
}

} // namespace

class VideoPageTest : public QObject {
    Q_OBJECT

    EncodingSettings settings_;

  private slots:
    void init() { settings_ = {}; }

    void listsTheFormatsCodecsOnce() {
        CVideoDlg page(settings_, k3gp);
        QCOMPARE(page.VideoTypeList()->currentText(), QString("H.263"));
        for (FormatId id : {k3g2, k3gp, kAvi, kMp4, kFormatMkv, kFormatWebm}) {
            page.format = id;
            page.Refresh();
            for (int i = 0; i < page.VideoTypeList()->count(); ++i)
                QCOMPARE(page.VideoTypeList()->findText(page.VideoTypeList()->itemText(i)), i);
        }
    }

    // 0 x 0 is the mobile formats' second size and elsewhere the original.
    void zeroSizeShowsPositionTwoForTheMobileFormatsOriginalElsewhere() {
        settings_.GetEncodingParams(k3gp)->videoCodecIndex = 0; // AVC: the general sizes
        const std::tuple<FormatId, QString, int> cases[] = {
            {k3g2, "352x288 - QPAL", 352}, {k3gp, "720x576 - PAL", 720}, {kAvi, "Original", 0}};
        for (const auto& [id, shown, width] : cases) {
            SetSize(settings_, id, 0, 0);
            CVideoDlg page(settings_, id);
            QCOMPARE(page.SizeBox()->currentText(), shown);
            page.OnOK();
            QCOMPARE(settings_.GetEncodingParams(id)->width, width);
        }
    }

    void storedSizeSelectsItsItemOrIsAppended() {
        SetSize(settings_, kMp4, 640, 480);
        CVideoDlg page(settings_, kMp4);
        QCOMPARE(page.SizeBox()->currentText(), QString("640x480 - SNTSC"));
        SetSize(settings_, kMp4, 500, 300);
        page.Refresh();
        QCOMPARE(page.SizeBox()->currentIndex(), page.SizeBox()->count() - 1);
        QCOMPARE(page.SizeBox()->currentText(), QString("500x300"));
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kMp4)->height, 300);
    }

    void h263OffersItsFiveSizes() {
        settings_.GetEncodingParams(k3gp)->videoCodecIndex = 0;
        SetSize(settings_, k3gp, 176, 144);
        CVideoDlg page(settings_, k3gp);
        page.VideoTypeList()->setCurrentIndex(2); // the user picks H.263
        QCOMPARE(page.SizeBox()->count(), 5);
        QCOMPARE(page.SizeBox()->currentText(), QString("176x144 - QCIF"));
        QCOMPARE(settings_.GetEncodingParams(k3gp)->videoCodecIndex, 0); // stored by OK only

        // A new video type drops a typed size.
        CVideoDlg mp4(settings_, kMp4);
        mp4.SizeBox()->setEditText("1000x1000");
        mp4.VideoTypeList()->setCurrentIndex(1);
        QCOMPARE(mp4.SizeBox()->currentText(), QString("320x240 - QVGA"));
    }

    void chosenOrTypedSizeIsStoredAndNoSizeIsNot() {
        CVideoDlg page(settings_, kMp4);
        page.SizeBox()->setCurrentIndex(36);
        page.OnOK();
        QCOMPARE(settings_.GetEncodingParams(kMp4)->width, 1920);
        page.SizeBox()->setEditText("640*480");
        page.OnOK();
        for (const char* text :
             {"large", "", "640 x 480", "0x480", "-640x480", "640", "2147483648x2"}) {
            page.SizeBox()->setEditText(QString::fromLatin1(text));
            page.OnOK();
            QCOMPARE(settings_.GetEncodingParams(kMp4)->width, 640);
            QCOMPARE(settings_.GetEncodingParams(kMp4)->height, 480);
        }
    }

    // A stored quantizer beyond the list selects nothing and is stored as
    // none, an unknown aspect ratio shows Auto; the positions 0 to 2 store
    // -1 (Auto), 0 (4:3) and 1 (16:9).
    void storedPositionsAspectRatioAndVbrLimits() {
        EncodingParams& record = *settings_.GetEncodingParams(kMp4);
        record.quantizerScale = 11;
        record.aspectRatio = 7;
        CVideoDlg page(settings_, kMp4);
        QCOMPARE(page.QuantizerList()->currentIndex(), -1);
        QCOMPARE(page.AspectRatioList()->currentText(), QString("Auto"));
        for (int position = 0; position < 3; ++position) {
            page.AspectRatioList()->setCurrentIndex(position);
            page.OnOK();
            QCOMPARE(record.aspectRatio, position - 1);
        }
        QVERIFY(!page.MinBitrateList()->isEnabled() && !page.MaxBitrateList()->isEnabled());
        page.VbrBox()->click();
        QVERIFY(page.MinBitrateList()->isEnabled() && page.MaxBitrateList()->isEnabled());
        page.MinBitrateList()->setCurrentIndex(11); // above the maximum: stored as chosen
        page.MaxBitrateList()->setCurrentIndex(1);
        page.OnOK();
        QCOMPARE(record.quantizerScale, -1);
        QVERIFY(record.vbrEnabled);
        QCOMPARE(record.videoMinBitrateIndex, 11);
        QCOMPARE(record.videoMaxBitrateIndex, 1);
    }
};

QTEST_MAIN(VideoPageTest)
#include "tst_videodlg.moc"
