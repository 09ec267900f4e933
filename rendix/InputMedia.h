#pragma once

#include <memory>
#include <string>

struct AVFormatContext;

namespace rendix {

class FdIo;

// The opened source: its demuxer and the one audio and one video stream
// that will be converted (-1 when absent).
class InputMedia {
  public:
    InputMedia() = default;
    ~InputMedia();
    InputMedia(const InputMedia&) = delete;
    InputMedia& operator=(const InputMedia&) = delete;

    // Opens a regular file by its plain name (never a protocol); anything
    // else is refused before it is opened.
    bool Open(const std::string& path, std::string& error);
    // Reopens the same file (the final pass after an analysis pass).
    bool Reopen(std::string& error);

    AVFormatContext* context() const { return ctx_; }
    int audioStream() const { return audioStream_; }
    int videoStream() const { return videoStream_; }
    const std::string& path() const { return path_; }

    // Length in seconds, negative when unknown.
    double durationSeconds() const;
    // Container start time in AV_TIME_BASE units (0 when unknown).
    long long startTime() const;

    // Seeks so that decoding covers the given position.
    void SeekTo(double seconds);

  private:
    void Close();

    std::unique_ptr<FdIo> io_;
    AVFormatContext* ctx_ = nullptr;
    int audioStream_ = -1;
    int videoStream_ = -1;
    std::string path_;
};

// libav* error code as text.
std::string ErrorText(int code);

} // namespace rendix
