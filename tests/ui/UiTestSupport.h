#pragma once

// Small helpers the widget tests share: media made with the ffmpeg
// command-line tool, text files and showing a widget before poking it.

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QtTest>

#include <string>

namespace velmont {

// Runs ffmpeg quietly; false (with its complaint logged) when it fails.
inline bool MakeMedia(const QStringList& arguments) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
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

// Shows the widget and waits until it can take input.
inline bool ShowExposed(QWidget& widget) {
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

} // namespace velmont
