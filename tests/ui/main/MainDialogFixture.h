#pragma once

// Shared by the main window's tests: a window whose modal dialogs are
// replaced by recorders, living in a temporary program folder, and small
// media files made with the ffmpeg command-line tool.

#include "../FakeDesktop.h"
#include "ui/config/CTagDlg.h"
#include "ui/main/MainDialog.h"
#include "ui/widgets/CXListCtrl.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <string>
#include <vector>

namespace velmont {

class RecordingMainDialog : public MainDialog {
  public:
    using MainDialog::MainDialog;

    // What the hooks were handed.
    std::vector<FormatId> configRequests;
    std::vector<QString> tagRequests;
    std::vector<TagTexts> tagTextsShown;
    std::vector<ConversionRequest> conversions;
    int aboutBoxes = 0;

    // The tag dialog's answer: texts after OK, nothing for Cancel.
    std::optional<TagTexts> tagAnswer;

  protected:
    bool RunTagDialog(const QString& fileName, TagTexts& texts) override {
        tagRequests.push_back(fileName);
        tagTextsShown.push_back(texts);
        if (!tagAnswer)
            return false;
        texts = *tagAnswer;
        return true;
    }
    void RunConfigDialog(FormatId formatId) override { configRequests.push_back(formatId); }
    void RunConversionDialog(const ConversionRequest& request) override {
        conversions.push_back(request);
    }
    void RunAboutBox() override { ++aboutBoxes; }
};

inline MainDialogSetup SetupIn(const QTemporaryDir& folder) {
    const std::string directory = QDir(folder.path()).absolutePath().toStdString() + "/";
    return {directory, directory + "record.ini"};
}

// Runs ffmpeg quietly; fails the test when it fails.
inline bool MakeMedia(const QStringList& arguments) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + arguments);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
        qWarning() << "ffmpeg failed:" << ffmpeg.readAllStandardError();
        return false;
    }
    return true;
}

// A one-second tone.
inline bool MakeAudio(const QString& path) {
    return MakeMedia({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", path});
}

// A one-second small picture with a tone.
inline bool MakeVideo(const QString& path) {
    return MakeMedia({"-f", "lavfi", "-i", "testsrc=duration=1:size=64x48:rate=10", "-f", "lavfi",
                      "-i", "sine=duration=1", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", path});
}

// Pictures in a raw stream, whose container knows no duration.
inline bool MakeVideoWithoutDuration(const QString& path) {
    return MakeMedia({"-f", "lavfi", "-i", "testsrc=duration=1:size=64x48:rate=10", "-c:v", "mjpeg",
                      "-f", "mjpeg", path});
}

inline bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

inline std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace velmont
