#include "ui/skin/DraggableDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"
#include "ui/skin/SkinTabCtrl.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/LogEdit.h"

#include "FakeDesktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTimer>

using namespace velmont;

namespace {

// A stand-in for the main window: the skin's background, every image button
// at its place and a filled file list.
class MockMainWindow : public DraggableDialog {
  public:
    MockMainWindow() {
        skin::InitSkinResources();
        setFixedSize(605, 567);
        background_ = QPixmap(QString::fromLatin1(skin::kBackground));
        struct Entry {
            skin::ButtonArt art;
            const char* tooltip;
        };
        const Entry entries[] = {
            {skin::kAdd, "Add files to list"},
            {skin::kRemove, "Remove selected files from list"},
            {skin::kSettings, "Configuration"},
            {skin::kMoveDown, "Move down the selected file"},
            {skin::kMoveUp, "Move up the selected file"},
            {skin::kPlay, "Play the selected file"},
            {skin::kTag, "Edit the ID3 Tag of the selected file"},
            {skin::kOutputLabel, nullptr},
            {skin::kFolder, "Select output directory"},
            {skin::kConvert, "Start to convert the files selected in the list"},
            {skin::kHelp, nullptr},
            {skin::kExit, nullptr},
            {skin::kAbout, nullptr},
            {skin::kMinimise, nullptr},
            {skin::kClose, nullptr},
            {skin::kBrand, nullptr},
            {skin::kHomePage, "homepage"},
        };
        for (const Entry& entry : entries) {
            auto* button = new ImageButton(this);
            button->move(entry.art.position);
            button->SetDrawBorder(false);
            button->SetDrawTransparent();
            button->SetBitmaps(QString::fromLatin1(entry.art.hover), entry.art.keyBgr,
                               QString::fromLatin1(entry.art.normal), entry.art.keyBgr);
            button->SizeToContent();
            if (entry.tooltip)
                button->SetTooltipText(QString::fromLatin1(entry.tooltip));
            if (!*entry.art.normal) {
                button->SetGreyedDisabledLook(false);
                button->setEnabled(false);
            }
            if (entry.art.hover == skin::kHomePage.hover) {
                button->SetGreyedDisabledLook(false);
                button->SetUrl(QString::fromLatin1(skin::kHomePageUrl));
                button->SetHoverCursor(QString::fromLatin1(skin::kLinkCursor),
                                       skin::kLinkCursorHotSpot);
                button->SetDesktop(&desktop_);
            }
            if (entry.art.hover == skin::kConvert.hover)
                convert_ = button;
        }

        auto* output = new QLineEdit(QStringLiteral("/home/ann/Music/converted/"), this);
        output->setGeometry(143, 420, 370, 26);

        list_ = new CXListCtrl(this);
        list_->setGeometry(24, 145, 556, 256);
        list_->SetEmptyText(QStringLiteral("Please <+Add> files to convert"));
        list_->InsertColumn(0, QString(), 30);
        list_->InsertColumn(1, QStringLiteral("File Name"), 150);
        list_->InsertColumn(2, QStringLiteral("Duration"), 85);
        list_->InsertColumn(3, QStringLiteral("Output Format"), 120);
        list_->InsertColumn(4, QStringLiteral("Output File Name"), 554 - 385 - 2);
        const QStringList formats{"aac", "aiff", "amr", "au",  "flac", "m4a", "mp2",
                                  "mp3", "ogg",  "wav", "wma", "3g2",  "3gp", "avi",
                                  "m4v", "mp4",  "mpg", "mov", "flv",  "swf", "nut"};
        struct Row {
            const char* name;
            const char* duration;
            int format;
        };
        const Row rows[] = {{"Morning Walk.flac", "00:04:12", 7},
                            {"Interview 2026-03.wav", "01:02:05", 7},
                            {"Holiday in Porto.mov", "00:12:47", 15},
                            {"voice memo", "--:--:--", 7},
                            {"Lecture.Part.2.mkv", "100:00:00", 15}};
        for (const Row& row : rows) {
            const int r = list_->InsertItem(list_->GetItemCount(), QString());
            list_->SetCheckbox(r, 0, r == 3 ? 0 : 1);
            list_->SetItemText(r, 1, QString::fromUtf8(row.name));
            list_->SetItemToolTipText(r, 1, QStringLiteral("/home/ann/in/") + row.name);
            list_->SetItemText(r, 2, QString::fromLatin1(row.duration));
            list_->SetComboBox(r, 3, true, formats, 8, row.format, false);
            QString stem = QString::fromUtf8(row.name);
            if (stem.contains(QLatin1Char('.')))
                stem = stem.left(stem.lastIndexOf(QLatin1Char('.')));
            list_->SetItemText(r, 4, stem);
            list_->SetEdit(r, 4);
        }
        list_->SetCurSel(2, true);
    }

    ImageButton* ConvertButton() const { return convert_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawTiledPixmap(rect(), background_);
        // The black five-pixel frame of the window.
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 5), Qt::black);
        painter.fillRect(QRect(r.left(), r.bottom() - 4, r.width(), 5), Qt::black);
        painter.fillRect(QRect(r.left(), r.top(), 5, r.height()), Qt::black);
        painter.fillRect(QRect(r.right() - 4, r.top(), 5, r.height()), Qt::black);
    }

  private:
    QPixmap background_;
    CXListCtrl* list_ = nullptr;
    ImageButton* convert_ = nullptr;
    FakeDesktop desktop_;
};

// The other widgets: the tab control with disabled tabs, a conversion list
// with progress cells and the log pane, and a disabled image button.
class SidePanel : public QWidget {
  public:
    SidePanel() {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(0xEC, 0xF1, 0xF8));
        setPalette(colours);

        auto* tabs = new SkinTabCtrl(this);
        tabs->setGeometry(10, 10, 370, 170);
        const char* names[] = {"Audio", "Video", "Advanced"};
        for (int i = 0; i < 3; ++i) {
            auto* page = new QWidget;
            page->resize(362, 136);
            auto* label = new QLabel(QStringLiteral("%1 settings page").arg(names[i]), page);
            label->move(12, 12);
            auto* combo = new QComboBox(page);
            combo->addItems({"libmp3lame", "aac", "vorbis"});
            combo->move(12, 40);
            auto* box = new QCheckBox(QStringLiteral("Shut down after conversion"), page);
            box->move(12, 76);
            tabs->AddTab(page, QString::fromLatin1(names[i]), i);
        }
        tabs->EnableTab(1, false);
        tabs->EnableTab(2, false);

        auto* list = new CXListCtrl(this);
        list->setGeometry(10, 195, 370, 150);
        list->InsertColumn(0, QStringLiteral("File"), 140);
        list->InsertColumn(1, QStringLiteral("Progress"), 130);
        list->InsertColumn(2, QStringLiteral("Log"), 96);
        const char* files[] = {"Morning Walk.flac", "Interview.wav", "Holiday.mov"};
        const int progress[] = {100, 64, 0};
        for (int i = 0; i < 3; ++i) {
            list->InsertItem(i, QString::fromLatin1(files[i]));
            list->SetProgress(i, 1);
            list->UpdateProgress(i, 1, progress[i]);
        }
        list->SetItemText(0, 2, QStringLiteral("Done"));
        list->SetBold(1, 0, true);
        list->SetItemText(2, 2, QStringLiteral("Waiting"), QColor(0x5B, 0x6B, 0x7F),
                          QColor(0xF6, 0xF8, 0xFB));
        list->SetCurSel(1, false);

        auto* empty = new CXListCtrl(this);
        empty->setGeometry(10, 355, 370, 70);
        empty->InsertColumn(0, QStringLiteral("File Name"), 200);
        empty->SetEmptyText(QStringLiteral("Please <+Add> files to convert"));

        auto* log = new LogEdit(this);
        log->setGeometry(10, 435, 370, 120);
        log->SetSelection(0, 0);
        log->ReplaceSelection("Input #0, flac, from 'Morning Walk.flac':\n"
                              "  Duration: 00:04:12.35, start: 0.000000, bitrate: 917 kb/s\n"
                              "Output #0, mp3, to 'Morning Walk.mp3':\n"
                              "size=    3943kB time=00:04:12.35 bitrate= 128.0kbits/s\n");

        auto* disabled = new ImageButton(this);
        disabled->SetDrawTransparent();
        disabled->SetDrawBorder(false);
        disabled->SetBitmaps(QString::fromLatin1(skin::kAdd.hover), skin::kAdd.keyBgr,
                             QString::fromLatin1(skin::kAdd.normal), skin::kAdd.keyBgr);
        disabled->SizeToContent();
        disabled->move(10, 570);
        disabled->setEnabled(false);
        auto* caption = new QLabel(QStringLiteral("disabled, greyed"), this);
        caption->move(116, 586);

        auto* icon = new QLabel(this);
        icon->setPixmap(QPixmap(QString::fromLatin1(skin::kAppIcon))
                            .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        icon->move(300, 560);
        resize(390, 640);
    }
};

} // namespace

// Builds the gallery and checks that it renders. With VELMONT_GALLERY_SECONDS
// set, it also stays on screen that long with the pointer over the Convert
// button (scripts/gallery.sh takes a screenshot meanwhile).
class GalleryTest : public QObject {
    Q_OBJECT

  private slots:
    void galleryRenders();
};

void GalleryTest::galleryRenders() {
    MockMainWindow main;
    SidePanel side;
    main.move(8, 8);
    side.setWindowFlags(Qt::FramelessWindowHint);
    side.move(625, 8);
    main.show();
    side.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(QTest::qWaitForWindowExposed(&side));
    QVERIFY(!main.grab().isNull());

    const int seconds = qEnvironmentVariableIntValue("VELMONT_GALLERY_SECONDS");
    if (seconds > 0) {
        // Show one hover look: the pointer rests on Convert.
        QCursor::setPos(main.mapToGlobal(QPoint(300, 540)));
        QTest::qWait(200);
        QTest::mouseMove(main.ConvertButton(), QPoint(100, 30));
        QCursor::setPos(main.ConvertButton()->mapToGlobal(QPoint(100, 30)));
        QTest::qWait(seconds * 1000);
    }
}

QTEST_MAIN(GalleryTest)
#include "tst_Gallery.moc"
