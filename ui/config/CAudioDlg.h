#pragma once

#include "model/EncodingParams.h"
#include "ui/config/ConfigPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace velmont {

// The "Audio" page: codec, channels, sample rate, bitrate, volume and
// whether the output carries audio, for the record of format.
class CAudioDlg : public ConfigPage {
    Q_OBJECT

  public:
    CAudioDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent = nullptr);

    void Refresh() override;
    void ShowBuiltInDefaults() override;
    void OnOK() override;

    QCheckBox* EnableAudioBox() const { return enableAudio_; }
    QComboBox* AudioTypeList() const { return audioType_; }
    QComboBox* ChannelModeList() const { return channelMode_; }
    QComboBox* SampleRateList() const { return sampleRate_; }
    QComboBox* BitrateList() const { return bitrate_; }
    QSlider* VolumeTrackBar() const { return volume_; }
    QLabel* VolumeLabel() const { return volumeText_; }

  private:
    void LoadFrom(EncodingParams* source);
    void FillAudioTypes();
    void FillChannelModes();
    int ChannelModePositionAddingOther(int channels);
    void FillSampleRates();
    void FillBitrates();
    void SetUpVolume();
    void SetEnableBox();
    void EnableControls(bool enable);
    int CurrentCodec() const;

    void OnSelchangeAudioType();
    void ShowVolume(int position);

    // The record the controls were loaded from: format's record, or
    // defaults_ after ShowBuiltInDefaults. A codec change writes into it.
    EncodingParams* source_ = nullptr;
    EncodingParams defaults_;

    QCheckBox* enableAudio_ = nullptr;
    QComboBox* audioType_ = nullptr;
    QComboBox* channelMode_ = nullptr;
    QComboBox* sampleRate_ = nullptr;
    QComboBox* bitrate_ = nullptr;
    QSlider* volume_ = nullptr;
    QLabel* volumeText_ = nullptr;
};

} // namespace velmont
