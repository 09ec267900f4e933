#pragma once

#include "model/EncodingSettings.h"
#include "model/FormatId.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velmont {

class CAudioDlg;
class COthersDlg;
class CVideoDlg;
class SkinTabCtrl;

// The modal "Configuration" dialog: the encoding parameters of one output
// format at a time on the pages "Audio", "Video" and "Advanced Video", and
// the shut-down option and how batches run. The caller constructs it with its settings and the
// format to show and runs exec(); OK stores the pages into the format's
// record, Cancel stores nothing.
class CConfigDlg : public QDialog {
    Q_OBJECT

  public:
    CConfigDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent = nullptr);

    // The format being edited; the format combo changes it.
    velmont::FormatId GetFormatId() const { return formatId_; }

    // OK: stores the shut-down option, the batch choices, the audio page
    // and, for a video format, the two video pages, then closes with
    // Accepted.
    void accept() override;

    QComboBox* FormatList() const { return formats_; }
    QCheckBox* ShutdownBox() const { return shutdown_; }
    QComboBox* SimultaneousBox() const { return simultaneous_; }
    QCheckBox* KeepStructureBox() const { return keepStructure_; }
    QPushButton* ResetButton() const { return reset_; }
    SkinTabCtrl* Tabs() const { return tabs_; }
    CAudioDlg* AudioPage() const { return audio_; }
    CVideoDlg* VideoPage() const { return video_; }
    COthersDlg* OthersPage() const { return others_; }

  private:
    void FillFormatList();
    void EnableVideoTabs(bool enable);
    void OnSelchangeFormat();
    void OnReset();

    EncodingSettings& settings_;
    velmont::FormatId formatId_;
    SkinTabCtrl* tabs_ = nullptr;
    QComboBox* formats_ = nullptr;
    QCheckBox* shutdown_ = nullptr;
    QComboBox* simultaneous_ = nullptr;
    QCheckBox* keepStructure_ = nullptr;
    QPushButton* reset_ = nullptr;
    CAudioDlg* audio_ = nullptr;
    CVideoDlg* video_ = nullptr;
    COthersDlg* others_ = nullptr;
};

} // namespace velmont
