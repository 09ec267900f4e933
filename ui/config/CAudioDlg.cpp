#include "ui/config/CAudioDlg.h"

#include "model/Catalogue.h"
#include "ui/config/AudioChoices.h"
#include "ui/config/PageControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

namespace velmont {

CAudioDlg::CAudioDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent)
    : ConfigPage(settings, parent) {
    format = formatId;

    enableAudio_ = new QCheckBox(tr("Enable Audio"), this);
    enableAudio_->setGeometry(10, 0, 100, 26);

    const Qt::Alignment right = Qt::AlignRight;
    audioType_ = MakeDropDownList(this, 110, 37, 260, 104);
    channelMode_ = MakeDropDownList(this, 110, 72, 260, 104);
    sampleRate_ = MakeDropDownList(this, 110, 107, 260, 104);
    bitrate_ = MakeDropDownList(this, 110, 142, 260, 104);
    volume_ = new QSlider(Qt::Horizontal, this);
    volume_->setGeometry(110, 177, 210, 26);
    NameAfterLabel(audioType_, MakeLabel(this, tr("Audio Type:"), 0, 40, 100, 26, right));
    NameAfterLabel(channelMode_, MakeLabel(this, tr("Channel Mode:"), 0, 75, 100, 26, right));
    NameAfterLabel(sampleRate_, MakeLabel(this, tr("Sample Rate:"), 0, 110, 100, 26, right));
    NameAfterLabel(bitrate_, MakeLabel(this, tr("Bitrate:"), 0, 145, 100, 26, right));
    NameAfterLabel(volume_, MakeLabel(this, tr("Volume:"), 0, 180, 100, 26, right));
    volumeText_ = MakeLabel(this, QString(), 320, 177, 50, 26, right);
    volumeText_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    connect(audioType_, &QComboBox::currentIndexChanged, this, &CAudioDlg::OnSelchangeAudioType);
    connect(enableAudio_, &QCheckBox::toggled, this, &CAudioDlg::EnableControls);
    connect(volume_, &QSlider::valueChanged, this, &CAudioDlg::ShowVolume);

    Refresh();
}

void CAudioDlg::Refresh() {
    LoadFrom(Record());
}

void CAudioDlg::ShowBuiltInDefaults() {
    defaults_ = BuiltInDefaults(format);
    LoadFrom(IsValidFormat(format) ? &defaults_ : nullptr);
}

void CAudioDlg::LoadFrom(EncodingParams* source) {
    source_ = source;
    FillAudioTypes();
    FillChannelModes();
    FillSampleRates();
    FillBitrates();
    SetUpVolume();
    SetEnableBox();
}

void CAudioDlg::FillAudioTypes() {
    const std::vector<CatalogueEntry>* entries = GetCatalogueEntries(format);
    if (!entries)
        return;
    const QSignalBlocker quiet(audioType_);
    audioType_->clear();
    if (!source_)
        return;
    int selection = 0;
    for (const CatalogueEntry& entry : *entries) {
        if (entry.audioCodecId == -1)
            continue;
        const QString name = QString::fromStdString(AudioDisplayName(entry.audioDisplayId));
        if (audioType_->findText(name, Qt::MatchFixedString) >= 0) // case-insensitive
            continue;
        audioType_->addItem(name, entry.audioCodecId);
        if (source_->audioCodecIndex != -1 && source_->audioCodecIndex == entry.audioCodecId)
            selection = audioType_->count() - 1;
    }
    SelectPosition(audioType_, selection);
}

int CAudioDlg::CurrentCodec() const {
    const int position = audioType_->currentIndex();
    return position < 0 ? -1 : audioType_->itemData(position).toInt();
}

void CAudioDlg::FillChannelModes() {
    if (!source_)
        return;
    const int codec = CurrentCodec();
    SetItems(channelMode_, AudioChoicesForCodec(codec).channelModes);
    if (codec == kAudioCodecAmrNb || codec == kAudioCodecAmrWb) {
        source_->audioChannels = 1; // the AMR encoders take mono only
        SelectPosition(channelMode_, 0);
    } else {
        SelectPosition(channelMode_, ChannelModePositionAddingOther(source_->audioChannels));
    }
}

int CAudioDlg::ChannelModePositionAddingOther(int channels) {
    const int position = ChannelModePosition(channels);
    if (position >= 0 || channels <= 2)
        return position;
    // A count from a settings file that the list has no name for is shown as
    // itself: the page must not hide what the jobs will get.
    const QSignalBlocker quiet(channelMode_);
    channelMode_->addItem(ChannelCountText(channels), channels);
    return channelMode_->count() - 1;
}

void CAudioDlg::FillSampleRates() {
    if (!source_)
        return;
    const AudioChoices choices = AudioChoicesForCodec(CurrentCodec());
    SetItems(sampleRate_, choices.sampleRates);
    const int stored = source_->audioSampleRateIndex;
    SelectPosition(sampleRate_, stored == -1 ? choices.defaultSampleRate : stored);
}

void CAudioDlg::FillBitrates() {
    if (!source_)
        return;
    const AudioChoices choices = AudioChoicesForCodec(CurrentCodec());
    SetItems(bitrate_, choices.bitrates);
    const int stored = source_->audioBitrateIndex;
    SelectPosition(bitrate_, stored == -1 ? choices.defaultBitrate : stored);
}

void CAudioDlg::SetUpVolume() {
    if (!source_)
        return;
    volume_->setRange(0, kVolumeMax);
    volume_->setPageStep(kVolumePageSize);
    volume_->setSingleStep(kVolumeLineSize);
    volume_->setValue(source_->audioVolume);
    ShowVolume(volume_->value());
}

void CAudioDlg::SetEnableBox() {
    if (!source_)
        return;
    const QSignalBlocker quiet(enableAudio_);
    enableAudio_->setChecked(source_->audioEnabled);
    EnableControls(source_->audioEnabled);
}

void CAudioDlg::EnableControls(bool enable) {
    for (QWidget* control : {static_cast<QWidget*>(audioType_), static_cast<QWidget*>(channelMode_),
                             static_cast<QWidget*>(sampleRate_), static_cast<QWidget*>(bitrate_),
                             static_cast<QWidget*>(volume_)})
        control->setEnabled(enable);
}

void CAudioDlg::OnSelchangeAudioType() {
    if (!source_)
        return;
    // The new codec's lists open on their default positions (a lossless
    // codec on the source's own rate); these record changes happen now, the
    // codec itself is stored by OnOK.
    source_->audioSampleRateIndex =
        IsLosslessAudioCodec(CurrentCodec()) ? kSampleRateOriginalPosition : -1;
    source_->audioBitrateIndex = -1;
    FillSampleRates();
    FillBitrates();
    FillChannelModes();
}

void CAudioDlg::ShowVolume(int position) {
    volumeText_->setText(VolumeText(position));
}

void CAudioDlg::OnOK() {
    EncodingParams* record = Record();
    if (!record)
        return;
    record->audioCodecIndex = CurrentCodec();
    // A count shown as itself is kept; one the list could not show at all
    // (a negative one) stays as it was rather than become a position.
    if (const QVariant other = channelMode_->currentData(); other.isValid())
        record->audioChannels = other.toInt();
    else if (channelMode_->currentIndex() >= 0)
        record->audioChannels = ChannelCountAt(channelMode_->currentIndex());
    record->audioSampleRateIndex = sampleRate_->currentIndex();
    record->audioBitrateIndex = bitrate_->currentIndex();
    record->audioVolume = volume_->value();
    record->audioEnabled = enableAudio_->isChecked();
}

} // namespace velmont
