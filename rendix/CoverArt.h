#pragma once

#include <string>

struct AVFormatContext;
struct AVStream;

namespace rendix {

// The source's cover picture, carried into the output the way its container
// keeps one: as a picture stream (mp3, mp4/m4a, flac), as a file attachment
// (Matroska) or as a picture comment of the sound (Ogg, Opus). Containers
// that keep none get none.
class CoverArt {
  public:
    // Before the output's header: adds what the container needs. audioIndex
    // is the output's sound stream, which carries the picture in Ogg.
    bool Prepare(const AVFormatContext* in, AVFormatContext* out, const std::string& muxer,
                 int audioIndex, std::string& error);
    // After the header: hands over the picture where it travels as a packet.
    bool Write(AVFormatContext* out, std::string& error);

  private:
    bool AddPictureStream(AVFormatContext* out, std::string& error);
    bool AddAttachment(AVFormatContext* out, std::string& error);
    bool AddPictureComment(AVFormatContext* out, int audioIndex, std::string& error);

    const AVStream* picture_ = nullptr;
    int outIndex_ = -1;
};

} // namespace rendix
