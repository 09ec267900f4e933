// Shows the skin widgets for a screenshot: the main window with a few rows
// and a side panel with the tab control, lists, log and a disabled button.
// It stays on screen VELMONT_GALLERY_SECONDS seconds (default 6) with the
// pointer over Convert; scripts/gallery.sh takes the picture meanwhile.
#include "ui/main/MainDialog.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/SkinArt.h"
#include "ui/skin/SkinTabCtrl.h"
#include "ui/widgets/CXListCtrl.h"
#include "ui/widgets/LogEdit.h"
#include "ui/widgets/QtDesktop.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

using namespace velmont;

namespace {

MainDialogSetup SetupIn(const QTemporaryDir& folder) {
    const std::string directory = QDir(folder.path()).absolutePath().toStdString() + "/";
    return {directory, directory + "record.ini", {}};
}

// The real main window with a few files listed, in a program folder of its
// own so no settings of the user's are read or written.
struct GalleryMainWindow {
    QTemporaryDir program;
    QtDesktop desktop;
    MainDialog window{desktop, SetupIn(program)};

    GalleryMainWindow() {
        window.DirectoryBox()->setText(QStringLiteral("/home/ann/Music/converted/"));
        struct Row {
            const char* name;
            const char* duration;
            const char* format;
        };
        const Row rows[] = {{"Morning Walk.flac", "00:04:12", "mp3"},
                            {"Interview 2026-03.wav", "01:02:05", "mp3"},
                            {"Holiday in Porto.mov", "00:12:47", "mp4"},
                            {"voice memo", "--:--:--", "mp3"},
                            {"Lecture.Part.2.mkv", "100:00:00", "mp4"}};
        CXListCtrl* list = window.FileList();
        for (const Row& row : rows) {
            const int r = list->GetItemCount();
            window.AddFileRow("/home/ann/in/" + std::string(row.name), r);
            list->SetItemText(r, MainDialog::kDurationColumn, QString::fromLatin1(row.duration));
            list->SetComboBox(r, MainDialog::kFormatColumn, QString::fromLatin1(row.format));
        }
        list->SetCheckbox(3, MainDialog::kCheckColumn, 0);
        list->SetCurSel(2, true);
    }
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    GalleryMainWindow gallery;
    MainDialog& main = gallery.window;
    SidePanel side;
    main.move(8, 8);
    side.setWindowFlags(Qt::FramelessWindowHint);
    side.move(625, 8);
    main.show();
    side.show();
    // One hover look: the pointer rests on Convert.
    QTimer::singleShot(200, &main, [&main] {
        QCursor::setPos(main.Button(MainDialog::kGoId)->mapToGlobal(QPoint(100, 30)));
    });
    const int seconds = qEnvironmentVariableIntValue("VELMONT_GALLERY_SECONDS");
    QTimer::singleShot((seconds > 0 ? seconds : 6) * 1000, &app, &QApplication::quit);
    return app.exec();
}
