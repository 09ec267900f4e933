#pragma once

#include "model/EncodingParams.h"
#include "ui/config/ConfigPage.h"

class QCheckBox;
class QComboBox;

namespace velmont {

// The "Video" page: codec, frame size, frame rate, aspect ratio,
// quantizer scale, bitrate, passes and variable bitrate limits.
class CVideoDlg : public ConfigPage {
    Q_OBJECT

  public:
    CVideoDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent = nullptr);

    void Refresh() override;
    void ShowBuiltInDefaults() override;
    void OnOK() override;

    QComboBox* VideoTypeList() const { return videoType_; }
    QComboBox* SizeBox() const { return size_; } // editable: the user may type a size
    QComboBox* FrameRateList() const { return frameRate_; }
    QComboBox* AspectRatioList() const { return aspect_; }
    QComboBox* QuantizerList() const { return quantizer_; }
    QComboBox* BitrateList() const { return bitrate_; }
    QComboBox* PassList() const { return pass_; }
    QCheckBox* VbrBox() const { return vbr_; }
    QComboBox* MinBitrateList() const { return minBitrate_; }
    QComboBox* MaxBitrateList() const { return maxBitrate_; }

  private:
    void LoadFrom(const EncodingParams* source);
    void FillVideoTypes();
    void FillSizes();
    void FillAspectRatios();
    void FillQuantizers();
    void FillFrameRates();
    void FillBitrates();
    void FillPasses();
    void SetUpVbr();
    void EnableVbrLimits(bool enable);
    int CurrentCodec() const;

    // format's record, or defaults_ after ShowBuiltInDefaults.
    const EncodingParams* source_ = nullptr;
    EncodingParams defaults_;

    QComboBox* videoType_ = nullptr;
    QComboBox* size_ = nullptr;
    QComboBox* frameRate_ = nullptr;
    QComboBox* aspect_ = nullptr;
    QComboBox* quantizer_ = nullptr;
    QComboBox* bitrate_ = nullptr;
    QComboBox* pass_ = nullptr;
    QCheckBox* vbr_ = nullptr;
    QComboBox* minBitrate_ = nullptr;
    QComboBox* maxBitrate_ = nullptr;
};

} // namespace velmont
