#include "ui/config/CConfigDlg.h"

#include "model/Catalogue.h"
#include "model/RunFlags.h"
#include "ui/config/CAudioDlg.h"
#include "ui/config/COthersDlg.h"
#include "ui/config/CVideoDlg.h"
#include "ui/config/PageControls.h"
#include "ui/skin/SkinTabCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace velmont {

namespace {

constexpr int kAudioTab = 0;
constexpr int kVideoTab = 1;
constexpr int kAdvancedVideoTab = 2;

} // namespace

CConfigDlg::CConfigDlg(EncodingSettings& settings, velmont::FormatId formatId, QWidget* parent)
    : QDialog(parent), settings_(settings), formatId_(formatId) {
    setWindowTitle(tr("Configuration"));
    setFixedSize(460, 470);

    tabs_ = new SkinTabCtrl(this);
    tabs_->TabBar()->setAccessibleName(tr("Settings pages"));
    tabs_->setGeometry(12, 56, 433, 283);
    audio_ = new CAudioDlg(settings, formatId_, tabs_);
    video_ = new CVideoDlg(settings, formatId_, tabs_);
    others_ = new COthersDlg(settings, formatId_, tabs_);
    tabs_->AddTab(audio_, tr("Audio"), kAudioTab);
    tabs_->AddTab(video_, tr("Video"), kVideoTab);
    tabs_->AddTab(others_, tr("Advanced Video"), kAdvancedVideoTab);
    EnableVideoTabs(IsVideoFormat(formatId_));
    for (QWidget* page : {static_cast<QWidget*>(audio_), static_cast<QWidget*>(video_),
                          static_cast<QWidget*>(others_)})
        page->setGeometry(15, 40, 403, 228);

    formats_ = MakeDropDownList(this, 115, 15, 80, 104);
    NameAfterLabel(formats_, MakeLabel(this, tr("Output Format:"), 15, 18, 100, 26));
    shutdown_ = new QCheckBox(tr("shut down your PC after conversion"), this);
    shutdown_->setGeometry(205, 15, 300, 26);
    shutdown_->setChecked(settings.Batch().shutDownAfterConversion);
    FillFormatList();

    simultaneous_ = MakeDropDownList(this, 190, 352, 110, 200);
    NameAfterLabel(simultaneous_,
                   MakeLabel(this, tr("Simultaneous conversions:"), 15, 354, 170, 26));
    simultaneous_->addItem(tr("Automatic"), 0);
    for (int count = 1; count <= kMaxSimultaneousConversions; ++count)
        simultaneous_->addItem(QString::number(count), count);
    simultaneous_->setCurrentIndex(
        simultaneous_->findData(settings.Batch().simultaneousConversions));
    simultaneous_->setToolTip(
        tr("How many files are converted at once. Automatic: one per core, and files whose "
           "encoder already uses every core (video, two passes) one at a time."));

    keepStructure_ = new QCheckBox(tr("Keep the folder structure"), this);
    keepStructure_->setGeometry(15, 384, 430, 26);
    keepStructure_->setChecked(settings.Batch().keepFolderStructure);
    keepStructure_->setToolTip(
        tr("Files added from a folder's subfolders are written to the same subfolders below the "
           "output folder."));

    reset_ = new QPushButton(tr("Reset"), this);
    reset_->setGeometry(15, 425, 80, 26);
    reset_->setAutoDefault(false);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(267, 425, 80, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setGeometry(362, 425, 80, 26);
    cancel->setAutoDefault(false);

    connect(formats_, &QComboBox::currentIndexChanged, this, &CConfigDlg::OnSelchangeFormat);
    connect(reset_, &QPushButton::clicked, this, &CConfigDlg::OnReset);
    connect(ok, &QPushButton::clicked, this, &CConfigDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CConfigDlg::reject);
}

// Each item carries its FormatId, so a format missing from the catalogue
// cannot shift the later ones onto the wrong records.
void CConfigDlg::FillFormatList() {
    const QSignalBlocker quiet(formats_);
    for (velmont::FormatId id = 0; id < kFormatCount; ++id) {
        const std::vector<CatalogueEntry>* entries = GetCatalogueEntries(id);
        if (!entries || entries->empty())
            continue;
        formats_->addItem(QString::fromStdString(entries->front().extension.substr(1)), id);
    }
    formats_->setCurrentIndex(formats_->findData(formatId_));
}

void CConfigDlg::EnableVideoTabs(bool enable) {
    tabs_->EnableTab(kVideoTab, enable);
    tabs_->EnableTab(kAdvancedVideoTab, enable);
}

void CConfigDlg::OnSelchangeFormat() {
    const int position = formats_->currentIndex();
    if (position < 0)
        return;
    formatId_ = formats_->itemData(position).toInt();
    audio_->format = formatId_;
    audio_->Refresh();
    if (IsVideoFormat(formatId_)) {
        EnableVideoTabs(true);
        video_->format = formatId_;
        video_->Refresh();
        others_->format = formatId_;
        others_->Refresh();
    } else {
        // The video pages keep their last format; they are neither shown
        // by choice nor saved while an audio format is edited.
        EnableVideoTabs(false);
    }
}

// Shows the format's built-in defaults on its pages; OK stores them.
void CConfigDlg::OnReset() {
    audio_->ShowBuiltInDefaults();
    if (IsVideoFormat(formatId_)) {
        video_->ShowBuiltInDefaults();
        others_->ShowBuiltInDefaults();
    }
}

void CConfigDlg::accept() {
    settings_.Batch() = {simultaneous_->currentData().toInt(), keepStructure_->isChecked(),
                         shutdown_->isChecked()};
    audio_->OnOK();
    if (IsVideoFormat(formatId_)) {
        video_->OnOK();
        others_->OnOK();
    }
    QDialog::accept();
}

} // namespace velmont
