#include "ui/main/MainDialog.h"

#include "convert/ProbeMediaFile.h"
#include "model/Catalogue.h"
#include "model/EncodingParams.h"
#include "model/MediaFolder.h"
#include "model/SettingsFiles.h"
#include "platform/ModuleDirectory.h"
#include "ui/main/FormatDuration.h"
#include "ui/main/MediaFileFilters.h"
#include "ui/main/OutputNames.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/Desktop.h"
#include "ui/widgets/LocalFileUris.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace velmont {

namespace {

struct ButtonPlace {
    int id;
    const skin::ButtonArt& art;
    const char* tooltip; // null: none
    const char* name;
    const char* accessibleName; // what a screen reader announces
    QKeySequence key;           // empty: none
};

// In the order the window creates them.
const ButtonPlace kButtons[] = {
    {MainDialog::kAddId, skin::kAdd, QT_TRANSLATE_NOOP("velmont::MainDialog", "Add files to list"),
     "add", QT_TRANSLATE_NOOP("velmont::MainDialog", "Add files"),
     QKeySequence(Qt::CTRL | Qt::Key_O)},
    {MainDialog::kDelId, skin::kRemove,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Remove selected files from list"), "del",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Delete"), QKeySequence(Qt::Key_Delete)},
    {MainDialog::kConfigId, skin::kSettings,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Configuration"), "config",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Configuration"), QKeySequence(Qt::CTRL | Qt::Key_P)},
    {MainDialog::kGoId, skin::kConvert,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Start to convert the files selected in the list"),
     "go", QT_TRANSLATE_NOOP("velmont::MainDialog", "Convert"),
     QKeySequence(Qt::CTRL | Qt::Key_Return)},
    {MainDialog::kHelpId, skin::kHelp, nullptr, "help",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Help"), QKeySequence(Qt::Key_F1)},
    {MainDialog::kExitId, skin::kExit, nullptr, "exit",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {MainDialog::kUpId, skin::kMoveUp,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Move up the selected file"), "up",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Move up"), QKeySequence(Qt::ALT | Qt::Key_Up)},
    {MainDialog::kDownId, skin::kMoveDown,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Move down the selected file"), "down",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Move down"), QKeySequence(Qt::ALT | Qt::Key_Down)},
    {MainDialog::kPlayId, skin::kPlay,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Play the selected file"), "play",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Play"), QKeySequence(Qt::CTRL | Qt::Key_L)},
    {MainDialog::kTagId, skin::kTag,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Edit the ID3 Tag of the selected file"), "tag",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Edit tag"), QKeySequence(Qt::CTRL | Qt::Key_T)},
    {MainDialog::kDirId, skin::kFolder,
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Select output directory"), "dir",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Select output folder"),
     QKeySequence(Qt::CTRL | Qt::Key_D)},
    {MainDialog::kQuestionId,
     skin::kAbout,
     nullptr,
     "question",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Help"),
     {}},
    {MainDialog::kMinimizeId, skin::kMinimise, nullptr, "minimize",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Minimise"), QKeySequence(Qt::CTRL | Qt::Key_M)},
    {MainDialog::kCloseId,
     skin::kClose,
     nullptr,
     "close",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Close"),
     {}},
    {MainDialog::kOutputLabelId,
     skin::kOutputLabel,
     nullptr,
     "outputLabel",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Output folder"),
     {}},
    {MainDialog::kBrandId,
     skin::kBrand,
     nullptr,
     "brand",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Velmont Media Converter"),
     {}},
    {MainDialog::kHomePageId,
     skin::kHomePage,
     "homepage",
     "homepage",
     QT_TRANSLATE_NOOP("velmont::MainDialog", "Home page"),
     {}},
};

// Keyboard order: the list commands, the list, the output folder, then
// converting and leaving; the caption buttons last.
const int kTabOrder[] = {
    MainDialog::kAddId,      MainDialog::kDelId,      MainDialog::kConfigId,
    MainDialog::kUpId,       MainDialog::kDownId,     MainDialog::kPlayId,
    MainDialog::kTagId,      MainDialog::kFileListId, MainDialog::kDirectoryBoxId,
    MainDialog::kDirId,      MainDialog::kGoId,       MainDialog::kHelpId,
    MainDialog::kExitId,     MainDialog::kHomePageId, MainDialog::kQuestionId,
    MainDialog::kMinimizeId, MainDialog::kCloseId};

constexpr QRect kListPlace{24, 145, 556, 256};
constexpr QRect kDirectoryBoxPlace{143, 420, 370, 26};

// The directory box's font: a character cell 18 pixels high, normal weight.
// "MS Sans Serif" first for systems that have it, then clean sans faces.
QFont DirectoryBoxFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Noto Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    int pixels = 18;
    font.setPixelSize(pixels);
    while (pixels > 8 && QFontMetrics(font).height() > 18)
        font.setPixelSize(--pixels);
    return font;
}

std::vector<std::string> LocalPaths(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    // The raw list keeps names that are not valid UTF-8 as they are.
    const QByteArray uriList = data->data(QStringLiteral("text/uri-list"));
    return uriList.isEmpty() ? LocalPathsFromUrls(data->urls()) : LocalPathsFromUriList(uriList);
}

bool CarriesLocalFiles(const QMimeData* data) {
    return !LocalPaths(data).empty();
}

// While another modal dialog is open (a conversion may be running on the
// job list) the list must not change under it.
bool BlockedByModalDialog(const QWidget* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && modal != window;
}

} // namespace

MainDialogSetup MainDialogSetup::Installed() {
    MainDialogSetup setup{GetModuleDirectory(), RecordFilePath(), {}};
    setup.paramFiles = ParamFilePaths::Installed();
    LoadParamFiles(setup.paramFiles, setup.settings);
    return setup;
}

MainDialog::MainDialog(IDesktop& desktop, MainDialogSetup setup, QWidget* parent)
    : DraggableDialog(parent), desktop_(desktop), setup_(std::move(setup)),
      settings_(std::move(setup_.settings)), engine_(setup_.programDirectory) {
    skin::InitSkinResources();
    background_ = QImage(QString::fromLatin1(skin::kBackground));
    background2x_ = QImage(QString::fromLatin1(skin::kBackground2x));
    background2x_.setDevicePixelRatio(2.0);
    // Position and format id coincide: the catalogue names every format.
    for (FormatId id = 0; id < kFormatCount; ++id) {
        const std::string name = GetFormatName(id);
        if (!name.empty())
            formatNames_.append(QString::fromStdString(name));
    }
    InitDialog();
}

MainDialog::~MainDialog() = default;

void MainDialog::InitDialog() {
    // An ordinary top-level window (own task-bar entry, can be minimised)
    // without the system's caption and border.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
    setWindowIcon(QIcon(QString::fromLatin1(skin::kAppIcon)));
    setGeometry(0, 0, kWidth, kHeight);
    setFixedSize(kWidth, kHeight);
    setWindowTitle(tr("Velmont Media Converter"));
    SetClampToScreen(true);
    SetDragAlpha(100);
    setAcceptDrops(true);

    CreateButtons();
    PaintTranslatedArt();
    InitDirectoryBox();

    list_ = new CXListCtrl(this);
    list_->setObjectName(QStringLiteral("fileList"));
    list_->setGeometry(kListPlace);
    list_->setFrameShape(QFrame::StyledPanel);
    list_->setMouseTracking(true); // per-cell tooltips
    list_->AllowMultipleSelection();
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = CreateListMenu();
        menu->exec(list_->viewport()->mapToGlobal(at));
        menu->deleteLater();
    });
    InitFileList();
    connect(list_, &CXListCtrl::comboSelection, this,
            [this](int row, int column) { OnComboSelection(row, column); });
    connect(list_, &CXListCtrl::editEnd, this,
            [this](int row, int column) { OnEditEnd(row, column); });
    connect(list_, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { OnCheckChanged(item->row(), item->column()); });
    list_->setAcceptDrops(true);
    list_->viewport()->setAcceptDrops(true);
    list_->viewport()->installEventFilter(this);

    SetTabOrder();
    LoadDirectory();
    InitAdding();
}

void MainDialog::SetTabOrder() {
    list_->setAccessibleName(tr("Files to convert"));
    list_->setTabKeyNavigation(false); // Tab leaves the list; the arrows move in it
    // The table's own corner button selects every row.
    if (auto* corner = list_->findChild<QAbstractButton*>())
        corner->setAccessibleName(tr("Select all"));
    directoryBox_->setAccessibleName(tr("Output folder"));
    QWidget* previous = nullptr;
    for (int id : kTabOrder) {
        QWidget* next = id == kFileListId       ? list_
                        : id == kDirectoryBoxId ? static_cast<QWidget*>(directoryBox_)
                                                : Button(id);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

void MainDialog::CreateButtons() {
    for (const ButtonPlace& place : kButtons) {
        auto* button = new ImageButton(this);
        button->setObjectName(QString::fromLatin1(place.name));
        button->setGeometry(QRect(place.art.position, place.art.size));
        button->SetDrawBorder(false);
        button->SetDrawTransparent();
        button->SetBitmaps(QString::fromLatin1(place.art.hover), place.art.keyBgr,
                           QString::fromLatin1(place.art.normal), place.art.keyBgr);
        button->SizeToContent();
        if (place.tooltip)
            button->SetTooltipText(tr(place.tooltip), true);
        button->SetAccessibleName(tr(place.accessibleName));
        if (!place.key.isEmpty())
            button->SetShortcut(place.key);
        buttons_[place.id] = button;
    }
    for (int id : {kOutputLabelId, kBrandId, kHomePageId})
        buttons_[id]->SetGreyedDisabledLook(false);
    buttons_[kOutputLabelId]->setEnabled(false);
    buttons_[kBrandId]->setEnabled(false);
    ImageButton* homePage = buttons_[kHomePageId];
    homePage->SetDesktop(&desktop_);
    homePage->SetUrl(QString::fromLatin1(skin::kHomePageUrl));
    homePage->SetHoverCursor(QString::fromLatin1(skin::kLinkCursor), skin::kLinkCursorHotSpot);

    const std::pair<int, void (MainDialog::*)()> commands[] = {
        {kAddId, &MainDialog::OnAdd},
        {kDelId, &MainDialog::OnDel},
        {kConfigId, &MainDialog::OnConfig},
        {kGoId, &MainDialog::OnGo},
        {kHelpId, &MainDialog::OnHelp},
        {kExitId, &MainDialog::OnClose},
        {kUpId, &MainDialog::OnUp},
        {kDownId, &MainDialog::OnDown},
        {kPlayId, &MainDialog::OnPlay},
        {kTagId, &MainDialog::OnTag},
        {kDirId, &MainDialog::OnDir},
        {kQuestionId, &MainDialog::OnHelp},
        {kMinimizeId, &MainDialog::OnMinimize},
        {kCloseId, &MainDialog::OnClose},
    };
    for (const auto& [id, handler] : commands)
        connect(buttons_[id], &QAbstractButton::clicked, this, handler);
}

void MainDialog::InitDirectoryBox() {
    directoryBox_ = new QLineEdit(this);
    directoryBox_->setObjectName(QStringLiteral("directoryBox"));
    directoryBox_->setGeometry(kDirectoryBoxPlace);
    directoryBox_->setFont(DirectoryBoxFont());
}

void MainDialog::InitFileList() {
    list_->SetEmptyText(tr("Please <+Add> files to convert"));
    const int width = list_->width();
    list_->InsertColumn(kCheckColumn, QString(), 30);
    list_->InsertColumn(kNameColumn, tr("File Name"), 150);
    list_->InsertColumn(kDurationColumn, tr("Duration"), 85);
    list_->InsertColumn(kFormatColumn, tr("Output Format"), 120);
    list_->InsertColumn(kOutputColumn, tr("Output File Name"),
                        width - 2 - (30 + 150 + 85 + 120) - 2);
}

void MainDialog::LoadDirectory() {
    std::string directory = LoadOutputDirectoryFrom(setup_.recordFile);
    if (directory.empty()) {
        if (const EncodingParams* first = settings_.GetEncodingParams(0))
            directory = first->outputDir;
    }
    directoryBox_->setText(QString::fromStdString(directory));
}

ImageButton* MainDialog::Button(int controlId) const {
    const auto found = buttons_.find(controlId);
    return found == buttons_.end() ? nullptr : found->second;
}

std::string MainDialog::HelpFilePath() const {
    return setup_.programDirectory + "help.html";
}

void MainDialog::OnDir() {
    const FolderResult chosen = desktop_.ChooseFolder();
    if (chosen.outcome == DialogOutcome::Cancelled)
        return;
    if (chosen.outcome == DialogOutcome::Failed || chosen.path.empty()) {
        desktop_.ShowMessage(tr("Failed!").toStdString(), tr("ERROR").toStdString(),
                             MessageIcon::Error);
        return;
    }
    directoryBox_->setText(QString::fromStdString(WithTrailingSeparator(chosen.path)));
}

void MainDialog::OnMinimize() {
    showMinimized();
}

void MainDialog::OnClose() {
    const std::string directory = directoryBox_->text().toStdString();
    std::string error;
    if (!directory.empty() && !SaveOutputDirectoryTo(setup_.recordFile, directory, &error)) {
        // The window still closes; the user learns why the folder will not
        // be there next time.
        desktop_.ShowMessage(
            tr("The output folder could not be kept for the next start.\n").toStdString() + error,
            tr("Information").toStdString(), MessageIcon::Information);
    }
    done(QDialog::Rejected);
}

void MainDialog::ShowAboutBox() {
    RunAboutBox();
}

void MainDialog::ShowInformation(const char* text) {
    desktop_.ShowMessage(tr(text).toStdString(), tr("Information").toStdString(),
                         MessageIcon::Information);
}

// Linux windows have no system menu to hold the about entry: the window's
// surface offers it on a right click instead.
void MainDialog::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* under = childAt(event->pos());
    if (under && (under == list_ || list_->isAncestorOf(under) || under == directoryBox_)) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    QAction* about = menu.addAction(tr("About Velmont Media Converter..."));
    QAction* help = menu.addAction(tr("Help"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    const QAction* picked = menu.exec(event->globalPos());
    if (picked == about)
        ShowAboutBox();
    else if (picked == help)
        OnHelp();
}

void MainDialog::dragEnterEvent(QDragEnterEvent* event) {
    if (!BlockedByModalDialog(this) && CarriesLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainDialog::dragMoveEvent(QDragMoveEvent* event) {
    if (!BlockedByModalDialog(this) && CarriesLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainDialog::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = LocalPaths(event->mimeData());
    if (paths.empty() || BlockedByModalDialog(this)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    AddDroppedPaths(paths);
}

// The list's viewport gets the drops over the list; they mean the same as
// drops anywhere else on the window.
bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    if (list_ && watched == list_->viewport()) {
        switch (event->type()) {
        case QEvent::DragEnter:
            dragEnterEvent(static_cast<QDragEnterEvent*>(event));
            return true;
        case QEvent::DragMove:
            dragMoveEvent(static_cast<QDragMoveEvent*>(event));
            return true;
        case QEvent::Drop:
            dropEvent(static_cast<QDropEvent*>(event));
            return true;
        default:
            break;
        }
    }
    return DraggableDialog::eventFilter(watched, event);
}

} // namespace velmont
