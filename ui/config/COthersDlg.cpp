#include "ui/config/COthersDlg.h"

#include "ui/config/PageControls.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace velmont {

namespace {

// The four labelled boxes of one group, top to bottom: Top, Right, Left, Bottom.
// Each box is announced with its group ("Crop top"): four boxes share a label text.
void MakeColumn(QWidget* page, const QString& group, int labelX, int editX,
                std::array<QLineEdit*, 8>& edits, std::size_t first) {
    static const char* const kTexts[] = {QT_TRANSLATE_NOOP("velmont::COthersDlg", "Top:"),
                                         QT_TRANSLATE_NOOP("velmont::COthersDlg", "Right:"),
                                         QT_TRANSLATE_NOOP("velmont::COthersDlg", "Left:"),
                                         QT_TRANSLATE_NOOP("velmont::COthersDlg", "Bottom:")};
    for (int row = 0; row < 4; ++row) {
        const int y = 37 + 42 * row;
        const QString text = COthersDlg::tr(kTexts[row]);
        QLabel* label = MakeLabel(page, text, labelX, y + 3, 55, 26);
        auto* edit = new QLineEdit(page);
        edit->setGeometry(editX, y, 70, 26);
        NameAfterLabel(edit, label, group + QLatin1Char(' ') + text.toLower());
        edits[first + static_cast<std::size_t>(row)] = edit;
    }
}

} // namespace

int ReadSignedNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

COthersDlg::COthersDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent)
    : ConfigPage(settings, parent) {
    format = formatId;

    // Groups first, so the labels and boxes lie above them.
    (new QGroupBox(tr("Crop"), this))->setGeometry(20, 5, 166, 210);
    (new QGroupBox(tr("Padding"), this))->setGeometry(216, 5, 166, 210);
    MakeColumn(this, tr("Crop"), 40, 96, edits_, static_cast<std::size_t>(Box::CropTop));
    MakeColumn(this, tr("Padding"), 236, 292, edits_, static_cast<std::size_t>(Box::PadTop));

    Refresh();
}

void COthersDlg::Refresh() {
    if (const EncodingParams* record = Record())
        LoadFrom(*record);
}

void COthersDlg::ShowBuiltInDefaults() {
    if (IsValidFormat(format))
        LoadFrom(BuiltInDefaults(format));
}

void COthersDlg::LoadFrom(const EncodingParams& source) {
    const auto show = [this](Box box, int value) { Edit(box)->setText(QString::number(value)); };
    show(Box::CropTop, source.cropTop);
    show(Box::CropLeft, source.cropLeft);
    show(Box::CropBottom, source.cropBottom);
    show(Box::CropRight, source.cropRight);
    show(Box::PadLeft, source.paddingLeft);
    show(Box::PadTop, source.paddingTop);
    show(Box::PadRight, source.paddingRight);
    show(Box::PadBottom, source.paddingBottom);
}

void COthersDlg::OnOK() {
    EncodingParams* record = Record();
    if (!record)
        return;
    const auto read = [this](Box box) { return ReadSignedNumber(Edit(box)->text()); };
    record->cropTop = read(Box::CropTop);
    record->cropLeft = read(Box::CropLeft);
    record->cropBottom = read(Box::CropBottom);
    record->cropRight = read(Box::CropRight);
    record->paddingLeft = read(Box::PadLeft);
    record->paddingTop = read(Box::PadTop);
    record->paddingRight = read(Box::PadRight);
    record->paddingBottom = read(Box::PadBottom);
}

} // namespace velmont
