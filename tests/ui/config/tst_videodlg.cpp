#include "model/EncodingParams.h"
#include "ui/config/CVideoDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace velmont;

namespace {

constexpr FormatId k3g2 = 11;
constexpr FormatId k3gp = 12;
constexpr FormatId kAvi = 13;
constexpr FormatId kMp4 = 15;

QStringList Items(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void SetSize(FormatId id, int width, int height) {
    GetEncodingParams(id)->Width = width;
    GetEncodingParams(id)->Height = height;
}

} // namespace

class VideoPageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { ResetAllEncodingParams(); }

    void listsTheFormatsCodecsOnce() {
        CVideoDlg page(k3gp);
        QCOMPARE(Items(page.VideoTypeList()),
                 QStringList({"AVC MPEG-4", "MPEG-4 (DivX 4/5)", "H.263", "H.263+"}));
        QCOMPARE(page.VideoTypeList()->currentText(), QString("H.263"));

        page.FormatId = kFormatMkv;
        page.Refresh();
        QCOMPARE(Items(page.VideoTypeList()),
                 QStringList({"AVC MPEG-4", "HEVC H.265", "VP9", "AV1"}));
        page.FormatId = kFormatWebm;
        page.Refresh();
        QCOMPARE(Items(page.VideoTypeList()), QStringList({"VP9", "AV1"}));
        QCOMPARE(page.VideoTypeList()->currentText(), QString("VP9"));
        QCOMPARE(page.BitrateList()->currentText(), QString("2048 kbps"));
    }

    void defaultsShowInTheLists() {
        CVideoDlg page(kMp4);
        QCOMPARE(page.FrameRateList()->count(), int(kFrameRates.size()));
        QCOMPARE(page.QuantizerList()->currentText(), QString("QB4"));
        QCOMPARE(page.BitrateList()->currentText(), QString("768 kbps"));
        QCOMPARE(page.SizeBox()->currentText(), QString("320x240 - QVGA"));
    }

    void zeroSizeShowsPositionTwoForTheMobileFormatsOriginalElsewhere() {
        SetSize(k3g2, 0, 0);
        CVideoDlg h263(k3g2);
        QCOMPARE(h263.SizeBox()->currentText(), QString("352x288 - QPAL"));
        h263.OnOK();
        QCOMPARE(GetEncodingParams(k3g2)->Width, 352);
        QCOMPARE(GetEncodingParams(k3g2)->Height, 288);

        SetSize(k3gp, 0, 0);
        GetEncodingParams(k3gp)->VideoCodec = 0;
        CVideoDlg general(k3gp);
        QCOMPARE(general.SizeBox()->currentText(), QString("720x576 - PAL"));

        // Elsewhere 0 x 0 is the original size.
        SetSize(kAvi, 0, 0);
        CVideoDlg page(kAvi);
        QCOMPARE(page.SizeBox()->currentText(), QString("Original"));
        page.OnOK();
        QCOMPARE(GetEncodingParams(kAvi)->Width, 0);
        QCOMPARE(GetEncodingParams(kAvi)->Height, 0);
    }

    void storedSizeSelectsItsItemOrIsAppended() {
        SetSize(kMp4, 640, 480);
        CVideoDlg page(kMp4);
        QCOMPARE(page.SizeBox()->currentIndex(), 6);
        QCOMPARE(page.SizeBox()->currentText(), QString("640x480 - SNTSC"));

        // An unknown size is appended.
        SetSize(kMp4, 500, 300);
        page.Refresh();
        QCOMPARE(page.SizeBox()->count(), 38);
        QCOMPARE(page.SizeBox()->currentIndex(), 37);
        QCOMPARE(page.SizeBox()->currentText(), QString("500x300"));
        page.OnOK();
        QCOMPARE(GetEncodingParams(kMp4)->Width, 500);
        QCOMPARE(GetEncodingParams(kMp4)->Height, 300);
    }

    void h263OffersItsFiveSizes() {
        GetEncodingParams(k3gp)->VideoCodec = 0;
        SetSize(k3gp, 176, 144);
        CVideoDlg page(k3gp);
        QCOMPARE(page.SizeBox()->count(), 37);

        page.VideoTypeList()->setCurrentIndex(2); // the user picks H.263
        QCOMPARE(Items(page.SizeBox()),
                 QStringList({"128x96  - SQCIF", "176x144 - QCIF", "352x288 - QPAL",
                              "704x576 - 4CIF", "1408x1152"}));
        QCOMPARE(page.SizeBox()->currentText(), QString("176x144 - QCIF"));
        QCOMPARE(GetEncodingParams(k3gp)->VideoCodec, 0); // stored by OK only

        SetSize(k3gp, 640, 480);
        page.Refresh();
        QCOMPARE(page.VideoTypeList()->currentText(), QString("AVC MPEG-4"));
        page.VideoTypeList()->setCurrentIndex(2);
        QCOMPARE(page.SizeBox()->count(), 6);
        QCOMPARE(page.SizeBox()->currentText(), QString("640x480"));
    }

    void newVideoTypeDropsATypedSize() {
        CVideoDlg page(kMp4);
        page.SizeBox()->setEditText("1000x1000");
        page.VideoTypeList()->setCurrentIndex(1);
        QCOMPARE(page.SizeBox()->currentText(), QString("320x240 - QVGA"));
    }

    void chosenOrTypedSizeIsStoredAndNoSizeIsNot() {
        CVideoDlg page(kMp4);
        page.SizeBox()->setCurrentIndex(36);
        page.OnOK();
        QCOMPARE(GetEncodingParams(kMp4)->Width, 1920);
        QCOMPARE(GetEncodingParams(kMp4)->Height, 1080);

        page.SizeBox()->setEditText("640*480");
        page.OnOK();
        QCOMPARE(GetEncodingParams(kMp4)->Width, 640);
        QCOMPARE(GetEncodingParams(kMp4)->Height, 480);
        // Text that is no size leaves the record.
        for (const char* text :
             {"large", "", "640 x 480", "0x480", "-640x480", "640", "2147483648x2"}) {
            page.SizeBox()->setEditText(QString::fromLatin1(text));
            page.OnOK();
            QCOMPARE(GetEncodingParams(kMp4)->Width, 640);
            QCOMPARE(GetEncodingParams(kMp4)->Height, 480);
        }
    }

    void aspectRatio() {
        EncodingParams& record = *GetEncodingParams(kMp4);
        record.AspectRatio = 0;
        CVideoDlg page(kMp4);
        QCOMPARE(page.AspectRatioList()->currentText(), QString(" 4:3"));
        record.AspectRatio = 1;
        page.Refresh();
        QCOMPARE(page.AspectRatioList()->currentText(), QString("16:9"));
        record.AspectRatio = 7;
        page.Refresh();
        QCOMPARE(page.AspectRatioList()->currentText(), QString("Auto"));
        for (int position = 0; position < 3; ++position) {
            page.AspectRatioList()->setCurrentIndex(position);
            page.OnOK();
            QCOMPARE(record.AspectRatio, position - 1);
        }
    }

    void positionsAndPasses() {
        EncodingParams& record = *GetEncodingParams(kMp4);
        record.Pass = 2;
        record.FrameRate = 5;
        CVideoDlg page(kMp4);
        QCOMPARE(page.PassList()->currentText(), QString("Pass 2"));
        QCOMPARE(page.FrameRateList()->currentText(), QString("29.970 fps"));
        page.QuantizerList()->setCurrentIndex(10);
        page.BitrateList()->setCurrentIndex(0);
        page.OnOK();
        QCOMPARE(record.Pass, 2);
        QCOMPARE(record.FrameRate, 5);
        QCOMPARE(record.Quantizer_Scale, 10);
        QCOMPARE(record.VideoBitrate, 0);

        record.Quantizer_Scale = 11;
        page.Refresh();
        QCOMPARE(page.QuantizerList()->currentIndex(), -1);
        page.OnOK();
        QCOMPARE(record.Quantizer_Scale, -1);
    }

    void vbrLimits() {
        CVideoDlg page(kMp4);
        QVERIFY(!page.VbrBox()->isChecked());
        QVERIFY(!page.MinBitrateList()->isEnabled());
        QVERIFY(!page.MaxBitrateList()->isEnabled());
        page.VbrBox()->click();
        QVERIFY(page.MinBitrateList()->isEnabled());
        QVERIFY(page.MaxBitrateList()->isEnabled());

        page.MinBitrateList()->setCurrentIndex(11); // above the maximum: stored as chosen
        page.MaxBitrateList()->setCurrentIndex(1);
        page.OnOK();
        const EncodingParams& record = *GetEncodingParams(kMp4);
        QVERIFY(record.EnableVBR);
        QCOMPARE(record.VideoMinBitrate, 11);
        QCOMPARE(record.VideoMaxBitrate, 1);
    }
};

QTEST_MAIN(VideoPageTest)
#include "tst_videodlg.moc"
