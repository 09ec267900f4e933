#include "ui/config/CVideoDlg.h"

#include "model/Catalogue.h"
#include "ui/config/PageControls.h"
#include "ui/config/VideoChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace velmont {

namespace {

// Longest size text that OnOK reads from the size box.
constexpr qsizetype kMaxSizeText = 199;

} // namespace

CVideoDlg::CVideoDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent)
    : ConfigPage(settings, parent) {
    format = formatId;

    const Qt::Alignment right = Qt::AlignRight;
    videoType_ = MakeDropDownList(this, 110, 12, 270, 104);
    size_ = MakeDropDownList(this, 110, 47, 270, 104);
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert); // a typed size is read by OnOK, not listed
    frameRate_ = MakeDropDownList(this, 110, 82, 100, 104);
    aspect_ = MakeDropDownList(this, 110, 117, 100, 104);
    quantizer_ = MakeDropDownList(this, 110, 152, 100, 104);
    bitrate_ = MakeDropDownList(this, 280, 82, 100, 174);
    pass_ = MakeDropDownList(this, 280, 117, 100, 174);
    NameAfterLabel(videoType_, MakeLabel(this, tr("Video Type:"), 0, 15, 100, 26, right));
    NameAfterLabel(size_, MakeLabel(this, tr("Video Size:"), 0, 50, 100, 26, right));
    NameAfterLabel(frameRate_, MakeLabel(this, tr("Framerate:"), 0, 85, 100, 26, right));
    NameAfterLabel(aspect_, MakeLabel(this, tr("Aspect Ratio:"), 0, 120, 100, 26, right));
    NameAfterLabel(quantizer_, MakeLabel(this, tr("Quantizer Scale:"), 0, 155, 100, 26, right));
    NameAfterLabel(bitrate_, MakeLabel(this, tr("Bitrate:"), 190, 85, 80, 26, right),
                   tr("Video bitrate"));
    NameAfterLabel(pass_, MakeLabel(this, tr("Passes:"), 190, 120, 80, 26, right));

    vbr_ = new QCheckBox(tr("VBR"), this);
    vbr_->setGeometry(40, 197, 45, 26);
    minBitrate_ = MakeDropDownList(this, 140, 197, 95, 104);
    maxBitrate_ = MakeDropDownList(this, 280, 197, 95, 104);
    NameAfterLabel(minBitrate_, MakeLabel(this, tr("Min:"), 105, 200, 30, 23),
                   QStringLiteral("VBR minimum bitrate"));
    NameAfterLabel(maxBitrate_, MakeLabel(this, tr("Max:"), 245, 200, 30, 101),
                   QStringLiteral("VBR maximum bitrate"));

    connect(videoType_, &QComboBox::currentIndexChanged, this, &CVideoDlg::FillSizes);
    connect(vbr_, &QCheckBox::toggled, this, &CVideoDlg::EnableVbrLimits);

    Refresh();
}

void CVideoDlg::Refresh() {
    LoadFrom(Record());
}

void CVideoDlg::ShowBuiltInDefaults() {
    defaults_ = BuiltInDefaults(format);
    LoadFrom(IsValidFormat(format) ? &defaults_ : nullptr);
}

void CVideoDlg::LoadFrom(const EncodingParams* source) {
    source_ = source;
    FillVideoTypes();
    FillSizes();
    FillAspectRatios();
    FillQuantizers();
    FillFrameRates();
    FillBitrates();
    FillPasses();
    SetUpVbr();
}

void CVideoDlg::FillVideoTypes() {
    const std::vector<CatalogueEntry>* entries = GetCatalogueEntries(format);
    if (!entries || !source_)
        return;
    const QSignalBlocker quiet(videoType_);
    videoType_->clear();
    int selection = 0;
    for (const CatalogueEntry& entry : *entries) {
        if (entry.videoCodecId == -1)
            continue;
        const QString name = QString::fromStdString(VideoDisplayName(entry.videoDisplayId));
        if (videoType_->findText(name, Qt::MatchFixedString) >= 0) // case-insensitive
            continue;
        videoType_->addItem(name, entry.videoCodecId);
        if (source_->videoCodecIndex != -1 && source_->videoCodecIndex == entry.videoCodecId)
            selection = videoType_->count() - 1;
    }
    SelectPosition(videoType_, selection);
}

int CVideoDlg::CurrentCodec() const {
    const int position = videoType_->currentIndex();
    return position < 0 ? -1 : videoType_->itemData(position).toInt();
}

// Also the answer to a new video type: the list follows the codec and
// shows the stored size again, dropping a size typed but not stored.
void CVideoDlg::FillSizes() {
    QStringList items = FrameSizeTexts(CurrentCodec());
    SetItems(size_, items);
    if (!source_)
        return;
    if (source_->width != 0 && source_->height != 0) {
        const QString wanted = QString::asprintf("%dx%d", source_->width, source_->height);
        int position = FindItemWithPrefix(items, wanted);
        if (position < 0) {
            const QSignalBlocker quiet(size_);
            size_->addItem(wanted);
            position = size_->count() - 1;
        }
        SelectPosition(size_, position);
        return;
    }
    const bool mobile = format == 11 || format == 12; // 3g2 and 3gp want a fixed size
    SelectPosition(size_, mobile ? 2 : 0);
}

void CVideoDlg::FillAspectRatios() {
    if (!source_)
        return;
    SetItems(aspect_, AspectRatioTexts());
    const int stored = source_->aspectRatio;
    SelectPosition(aspect_, stored == 1 ? 2 : stored == 0 ? 1 : 0);
}

void CVideoDlg::FillQuantizers() {
    if (!source_)
        return;
    SetItems(quantizer_, QuantizerTexts());
    SelectPosition(quantizer_, source_->quantizerScale);
}

void CVideoDlg::FillFrameRates() {
    if (!source_)
        return;
    SetItems(frameRate_, FrameRateTexts());
    SelectPosition(frameRate_, source_->frameRateIndex);
}

void CVideoDlg::FillBitrates() {
    if (!source_)
        return;
    SetItems(bitrate_, VideoBitrateTexts());
    SelectPosition(bitrate_, source_->videoBitrateIndex);
}

void CVideoDlg::FillPasses() {
    if (!source_)
        return;
    SetItems(pass_, PassTexts());
    SelectPosition(pass_, source_->passes - 1);
}

void CVideoDlg::SetUpVbr() {
    if (!source_)
        return;
    {
        const QSignalBlocker quiet(vbr_);
        vbr_->setChecked(source_->vbrEnabled);
    }
    SetItems(minBitrate_, VideoBitrateTexts());
    SelectPosition(minBitrate_, source_->videoMinBitrateIndex);
    SetItems(maxBitrate_, VideoBitrateTexts());
    SelectPosition(maxBitrate_, source_->videoMaxBitrateIndex);
    EnableVbrLimits(source_->vbrEnabled);
}

void CVideoDlg::EnableVbrLimits(bool enable) {
    minBitrate_->setEnabled(enable);
    maxBitrate_->setEnabled(enable);
}

void CVideoDlg::OnOK() {
    EncodingParams* record = Record();
    if (!record)
        return;
    record->videoCodecIndex = CurrentCodec();

    const QString sizeText = size_->currentText().left(kMaxSizeText);
    if (sizeText == OriginalText()) {
        record->width = 0;
        record->height = 0;
    } else if (const std::optional<FrameSize> size = ParseSizeText(sizeText)) {
        record->width = size->width;
        record->height = size->height;
    }

    const int aspect = aspect_->currentIndex();
    record->aspectRatio = aspect == 0 ? -1 : aspect == 1 ? 0 : 1;
    record->quantizerScale = quantizer_->currentIndex();
    record->frameRateIndex = frameRate_->currentIndex();
    record->videoBitrateIndex = bitrate_->currentIndex();
    record->passes = pass_->currentIndex() + 1;
    record->vbrEnabled = vbr_->isChecked();
    record->videoMinBitrateIndex = minBitrate_->currentIndex();
    record->videoMaxBitrateIndex = maxBitrate_->currentIndex();
}

} // namespace velmont
