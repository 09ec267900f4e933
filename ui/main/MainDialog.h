#pragma once

#include "convert/BackgroundProber.h"
#include "convert/ConversionEngine.h"
#include "convert/OutputPlan.h"
#include "convert/ProbeMediaFile.h"
#include "model/EncodingSettings.h"
#include "model/FormatId.h"
#include "model/JobItem.h"
#include "model/MediaTree.h"
#include "model/SettingsFiles.h"
#include "ui/skin/DraggableDialog.h"
#include "ui/skin/art/SkinArtPainter.h"
#include "ui/widgets/Desktop.h"

#include <QImage>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;
class QScreen;
class QTimer;

namespace velmont {

class BatchSession;
class CXListCtrl;
class IDesktop;
class ImageButton;
class UiThreadQueue;
struct TagTexts;

// Where the main window finds the encoder and the help page, where it
// keeps the output directory and the settings between runs, and the
// encoding settings it starts with.
struct MainDialogSetup {
    std::string programDirectory; // with a trailing separator
    std::string recordFile;       // record.ini
    EncodingSettings settings;    // built-in defaults unless loaded
    // How an added file is probed (on the prober's thread).
    BackgroundProber::Probe probe = ProbeMediaFile;
    // The configuration dialog's OK saves the user's file; none when empty.
    ParamFilePaths paramFiles{};

    // Beside the executable, with the settings files loaded.
    static MainDialogSetup Installed();
};

// What Go hands to the conversion dialog.
struct ConversionRequest {
    std::vector<std::string> paths; // full source paths of the waiting jobs, in list order
    std::string outputFolder;       // the directory box's text as typed
    JobList* jobs = nullptr;
    ConversionEngine* engine = nullptr;
    BatchSession* session = nullptr; // prepared; lives while the dialog runs
};

// The program's main window: the skinned 605 x 567 borderless window with
// the file list (row i always shows job i), the output-directory box and the
// command buttons. Every box, picker and file opening goes through the
// desktop it is given. Closing it (close or exit button, Escape, the
// window's close request) stores a non-empty output directory.
class MainDialog : public DraggableDialog {
    Q_OBJECT

  public:
    // Control ids of the window's parts; Button() takes the button ones.
    enum ControlId {
        kExitId = 2,
        kAddId = 1000,
        kDelId = 1001,
        kHelpId = 1002,
        kConfigId = 1003,
        kGoId = 1004,
        kFileListId = 1005,
        kDirectoryBoxId = 1006,
        kDirId = 1007,
        kUpId = 1008,
        kDownId = 1009,
        kPlayId = 1010,
        kTagId = 1011,
        kCloseId = 1012,
        kMinimizeId = 1013,
        kQuestionId = 1014,
        kOutputLabelId = 1016,
        kBrandId = 1017,
        kHomePageId = 1018,
    };

    // List columns.
    enum Column { kCheckColumn = 0, kNameColumn, kDurationColumn, kFormatColumn, kOutputColumn };

    static constexpr int kWidth = 605;
    static constexpr int kHeight = 567;

    explicit MainDialog(IDesktop& desktop, MainDialogSetup setup = MainDialogSetup::Installed(),
                        QWidget* parent = nullptr);
    ~MainDialog() override;

    // One source file becomes one row and one job at `index` (clamped to the
    // end of the list), probed here and now.
    void AddFileRow(const std::string& path, int index);
    // Appends each file in order. The files are probed off this thread and
    // their rows appear as the probes finish, so the window stays live.
    void AddFiles(const std::vector<std::string>& paths);
    // Files and folders dropped onto the window (see ExpandMediaPaths). A
    // folder without media files of its own but with some in its subfolders
    // offers those; their rows remember their place in the tree.
    void AddDroppedPaths(const std::vector<std::string>& paths);
    // Whether added files are still being probed.
    bool IsAdding() const { return addingTotal_ > 0; }

    // Window commands
    void OnAdd();
    void OnDir();
    void OnMinimize();
    void OnClose();
    void ShowAboutBox();

    // List commands
    void OnDel();
    void OnDown();
    void OnUp();
    void OnPlay();
    void OnTag();
    void OnConfig();
    void OnGo();
    void OnHelp();
    int OnComboSelection(int row, int column);
    // The user ticked or cleared a row's check box.
    void OnCheckChanged(int row, int column);
    int OnEditEnd(int row, int column);

    // The list's context menu: check all, uncheck all, clear the list.
    QMenu* CreateListMenu();
    void CheckAll(bool checked);
    void ClearList();

    // A screen too short for the window (200 % on a laptop, a panel): the
    // list gives up rows so that every control stays on the screen.
    void FitToScreen(const QRect& available);

    // The words painted into the buttons, in the window's language.
    static skin::SkinLabels TranslatedLabels();

    // The window's encoding settings: the configuration dialog edits them,
    // Go resolves each job's values from them.
    EncodingSettings& Settings() { return settings_; }

    // Parts, for the tests and the start-up
    CXListCtrl* FileList() const { return list_; }
    QLineEdit* DirectoryBox() const { return directoryBox_; }
    ImageButton* Button(int controlId) const;
    JobList& Jobs() { return jobs_; }
    const JobList& Jobs() const { return jobs_; }
    ConversionEngine& Engine() { return engine_; }
    const QStringList& FormatNames() const { return formatNames_; }
    const MainDialogSetup& Setup() const { return setup_; }
    std::string HelpFilePath() const;

    // Enter does nothing; only the explicit commands end the window.
    void accept() override {}
    // Escape and the window's close request take OnClose's path.
    void reject() override { OnClose(); }

  signals:
    // The last file of the files being added has its row.
    void addingFinished();

  protected:
    // The modal dialogs the commands open, overridable so tests can see what
    // would be handed over without running them.
    // Runs the tag dialog on `texts`; true (texts updated) after OK.
    virtual bool RunTagDialog(const QString& fileName, TagTexts& texts);
    virtual void RunConfigDialog(FormatId formatId);
    virtual void RunConversionDialog(const ConversionRequest& request);
    virtual void RunAboutBox();

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void InitDialog();
    void CreateButtons();
    void PaintTranslatedArt();
    void InitFileList();
    void InitDirectoryBox();
    void SetTabOrder();
    void LoadDirectory();
    // Saves the settings to the user's param.ini, telling the user when
    // that fails.
    void KeepSettings();
    // The selected row, or -1 after telling the user that none is.
    int SelectedRowOrTell();
    void SwapRows(int row, int other);
    // What happens to outputs already on disk, as the user says once per
    // window; nothing when the user cancelled.
    std::optional<ExistingOutputPolicy>
    ExistingOutputPolicyFor(const std::vector<std::string>& existing);
    MessageResult AskAboutExistingOutputs(const std::vector<std::string>& paths);
    // Shows job `row` in its row; the job list is what the rows show.
    void RenderRow(int row);
    void ShowInformation(const char* text);
    void TellEverythingSkipped();
    // Adding in the background
    void InitAdding();
    // The media files of a folder's subfolders, when the user wants them.
    std::vector<MediaInput> OfferSubfolders(const std::string& folder);
    void AddInputs(const std::vector<MediaInput>& inputs);
    void QueueForProbing(std::deque<JobItem> jobs);
    void OnProbed(std::uint64_t generation, JobItem job);
    void AppendArrivedRows();
    void InsertJobRow(JobItem job, int index);
    void FollowNewestRow();
    void ShowAddingProgress();
    void FinishAdding();
    void OnScreenChanged(QScreen* screen);

    IDesktop& desktop_;
    MainDialogSetup setup_;
    EncodingSettings settings_;
    QImage background_;
    QImage background2x_; // for 2x screens
    std::map<int, ImageButton*> buttons_;
    CXListCtrl* list_ = nullptr;
    QLineEdit* directoryBox_ = nullptr;
    QStringList formatNames_;
    JobList jobs_;
    ConversionEngine engine_;
    // The answer about existing outputs, kept for the session.
    std::optional<ExistingOutputPolicy> existingOutputPolicy_;

    // Probed jobs reach the list through the queue; while another dialog is
    // open (it may hold a job or the job list) they wait in arrived_.
    UiThreadQueue* probedQueue_ = nullptr;
    std::deque<JobItem> arrived_;
    QTimer* arrivedRetry_ = nullptr;
    QLabel* addingLabel_ = nullptr;
    std::uint64_t probeGeneration_ = 0;
    std::size_t addingTotal_ = 0; // files of the adding under way
    std::size_t addingDone_ = 0;
    int listShrink_ = 0;       // pixels the list gave up to fit the screen
    int autoSelectedRow_ = -1; // the newest row, selected while the user has not chosen one
    // Last: its thread ends before anything it posts to goes away.
    std::unique_ptr<BackgroundProber> prober_;
};

} // namespace velmont
