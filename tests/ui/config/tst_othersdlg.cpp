#include "model/EncodingParams.h"
#include "model/EncodingSettings.h"
#include "ui/config/COthersDlg.h"

#include <QLineEdit>
#include <QtTest>

using namespace velmont;
using Box = COthersDlg::Box;

namespace {

constexpr FormatId kMp4 = 15;

// The record's fields in the order of the page's boxes.
int EncodingParams::*const kFields[] = {
    &EncodingParams::cropTop,     &EncodingParams::cropRight,    &EncodingParams::cropLeft,
    &EncodingParams::cropBottom,  &EncodingParams::paddingTop,   &EncodingParams::paddingRight,
    &EncodingParams::paddingLeft, &EncodingParams::paddingBottom};

} // namespace

class OthersPageTest : public QObject {
    Q_OBJECT

    EncodingSettings settings_;

  private slots:
    void init() { settings_ = {}; }

    void eachBoxBelongsToItsField() {
        EncodingParams& record = *settings_.GetEncodingParams(kMp4);
        for (int box = 0; box < 8; ++box)
            record.*kFields[box] = box + 1;
        COthersDlg page(settings_, kMp4);
        for (int box = 0; box < 8; ++box) {
            QCOMPARE(page.Edit(static_cast<Box>(box))->text(), QString::number(box + 1));
            page.Edit(static_cast<Box>(box))->setText(QString::number(10 * (box + 1)));
        }
        page.OnOK();
        for (int box = 0; box < 8; ++box)
            QCOMPARE(record.*kFields[box], 10 * (box + 1));
    }

    void entriesAreStoredAsSignedNumbersOrZero() {
        COthersDlg page(settings_, kMp4);
        page.Edit(Box::CropLeft)->setText("-8");
        page.Edit(Box::CropTop)->setText("  16 ");
        page.Edit(Box::CropRight)->setText("");
        page.Edit(Box::CropBottom)->setText("abc");
        page.Edit(Box::PadTop)->setText("99999999999");
        page.OnOK();
        const EncodingParams& record = *settings_.GetEncodingParams(kMp4);
        QCOMPARE(record.cropLeft, -8);
        QCOMPARE(record.cropTop, 16);
        QCOMPARE(record.cropRight, 0);
        QCOMPARE(record.cropBottom, 0);
        QCOMPARE(record.paddingTop, 0);
    }
};

QTEST_MAIN(OthersPageTest)
#include "tst_othersdlg.moc"
