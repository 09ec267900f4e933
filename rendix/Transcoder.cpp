#include "rendix/Transcoder.h"

#include "protocol/EncoderConsole.h"
#include "rendix/AudioPipeline.h"
#include "rendix/Banner.h"
#include "rendix/Chapters.h"
#include "rendix/CodecNames.h"
#include "rendix/Console.h"
#include "rendix/ContainerTags.h"
#include "rendix/CoverArt.h"
#include "rendix/InputMedia.h"
#include "rendix/JobPlan.h"
#include "rendix/OutputFile.h"
#include "rendix/PassLogDir.h"
#include "rendix/Signals.h"
#include "rendix/SourceTags.h"
#include "rendix/StatusLine.h"
#include "rendix/VideoPipeline.h"

#include <algorithm>
#include <memory>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace rendix {

namespace {

enum class PassKind { Single, Analysis, Final };

ExistingTarget ExistingTargetOf(const Options& options) {
    return options.overwrite  ? ExistingTarget::Replace
           : options.keepBoth ? ExistingTarget::FreeName
                              : ExistingTarget::Refuse;
}

// One run over the input: the output context with its pipelines.
struct Session {
    AVFormatContext* out = nullptr;
    std::unique_ptr<AudioPipeline> audio;
    std::unique_ptr<VideoPipeline> video;
    CoverArt cover;
    int audioIndex = -1;
    int videoIndex = -1;
    double position = 0; // seconds of output produced so far
    std::string warnings;
    std::string writeError;

    ~Session() {
        if (out) {
            out->pb = nullptr; // the file belongs to the OutputFile
            avformat_free_context(out);
        }
    }
};

class Transcoder {
  public:
    explicit Transcoder(const Options& options) : o_(options) {}
    int Run();

  private:
    bool Fail(const std::string& message) {
        WriteOut((printer_.midLine() ? "\nError: " : "Error: ") + message + "\n");
        return false;
    }
    bool OpenSession(Session& s, PassKind kind, const std::string& stats);
    bool Encode(Session& s, PassKind kind);
    Status CurrentStatus(const Session& s, PassKind kind) const;
    std::string NothingEncodedText() const;
    bool AddFromSource(Session& s, bool write);

    const Options& o_;
    JobPlan plan_;
    InputMedia input_;
    PassLogDir passDir_;
    OutputFile output_;
    StatusPrinter printer_;
};

bool Transcoder::OpenSession(Session& s, PassKind kind, const std::string& stats) {
    std::string error;
    int r = avformat_alloc_output_context2(&s.out, nullptr, plan_.muxer.c_str(), o_.output.c_str());
    if (r < 0 || !s.out)
        return Fail("cannot prepare the '" + plan_.muxer + "' output: " + ErrorText(r));
    // Anything a muxer opens by name beside its output is a plain file.
    s.out->protocol_whitelist = av_strdup("file");
    const bool globalHeader = s.out->oformat->flags & AVFMT_GLOBALHEADER;
    AVFormatContext* in = input_.context();

    if (plan_.video) {
        VideoSettings v;
        v.encoderName = plan_.videoEncoder;
        v.width = o_.width;
        v.height = o_.height;
        v.cropTop = o_.cropTop;
        v.cropBottom = o_.cropBottom;
        v.cropLeft = o_.cropLeft;
        v.cropRight = o_.cropRight;
        v.padTop = o_.padTop;
        v.padBottom = o_.padBottom;
        v.padLeft = o_.padLeft;
        v.padRight = o_.padRight;
        v.frameRate = o_.frameRate > 0 ? o_.frameRate : plan_.scriptRate;
        v.displayAspect = o_.displayAspect;
        v.bitrate = o_.videoBitrate;
        v.qscale = o_.qscale;
        v.minRate = o_.minRate;
        v.maxRate = o_.maxRate;
        v.bufferSize = o_.bufferSize;
        v.level = o_.level;
        v.pass = kind == PassKind::Analysis ? 1 : kind == PassKind::Final ? 2 : 0;
        v.statsIn = stats;
        if (plan_.twoPass)
            v.statsFile = passDir_.path() + "/x264.log";
        v.startSeconds = o_.startSeconds;
        v.durationSeconds = o_.durationSeconds;
        v.inputStartTime = input_.startTime();
        v.globalHeader = globalHeader;
        s.video = std::make_unique<VideoPipeline>();
        if (!s.video->Open(in->streams[input_.videoStream()], v, s.warnings, error))
            return Fail(error);
        AVStream* st = avformat_new_stream(s.out, nullptr);
        if (!st || !s.video->FillStream(st, error))
            return Fail(error.empty() ? "out of memory" : error);
        if (plan_.h263pAsH263)
            st->codecpar->codec_id = AV_CODEC_ID_H263;
        s.videoIndex = st->index;
    }
    if (plan_.audio) {
        AudioSettings a;
        a.encoder = plan_.audioEncoder;
        a.bitrate = o_.audioBitrate;
        a.sampleRate = o_.sampleRate;
        a.channels = o_.channels;
        a.volume = o_.volume;
        a.startSeconds = o_.startSeconds;
        a.durationSeconds = o_.durationSeconds;
        a.inputStartTime = input_.startTime();
        a.muxerName = plan_.muxer;
        a.globalHeader = globalHeader;
        s.audio = std::make_unique<AudioPipeline>();
        if (!s.audio->Open(in->streams[input_.audioStream()], a, error))
            return Fail(error);
        AVStream* st = avformat_new_stream(s.out, nullptr);
        if (!st || !s.audio->FillStream(st, error))
            return Fail(error.empty() ? "out of memory" : error);
        s.audioIndex = st->index;
    }

    const bool write = kind != PassKind::Analysis;
    if (!AddFromSource(s, write))
        return false;

    Session* session = &s;
    PacketSink sink = [session, write](AVPacket* packet, AVRational tb) {
        AVStream* st = session->out->streams[packet->stream_index];
        if (packet->pts != AV_NOPTS_VALUE) {
            double end = (packet->pts + std::max<std::int64_t>(packet->duration, 0)) * av_q2d(tb);
            session->position = std::max(session->position, end);
        }
        if (!write)
            return true;
        av_packet_rescale_ts(packet, tb, st->time_base);
        int r = av_interleaved_write_frame(session->out, packet);
        if (r < 0) {
            session->writeError = "writing the output failed: " + ErrorText(r);
            return false;
        }
        return true;
    };
    if (s.video)
        s.video->Start(sink, s.videoIndex);
    if (s.audio)
        s.audio->Start(sink, s.audioIndex);

    if (write) {
        s.out->pb = output_.io();
        AVDictionary* muxerOptions = nullptr;
        if (plan_.muxer == "adts") // tags travel in an ID3v2 block
            av_dict_set(&muxerOptions, "write_id3v2", "1", 0);
        r = avformat_write_header(s.out, &muxerOptions);
        av_dict_free(&muxerOptions);
        if (r < 0)
            return Fail("cannot write the '" + plan_.muxer + "' header: " + ErrorText(r));
        if (!s.cover.Write(s.out, error))
            return Fail(error);
    }
    return true;
}

std::string Transcoder::NothingEncodedText() const {
    if (o_.startSeconds > 0)
        return "nothing was encoded (does the start lie beyond the end of the input?)";
    return "'" + plan_.inputPath + "' holds no " + (plan_.video ? "pictures" : "sound") +
           ": nothing was encoded";
}

// What the output keeps of the source beside the streams: cover, chapters
// and tags (those of the command line, completed from the source).
bool Transcoder::AddFromSource(Session& s, bool write) {
    const AVFormatContext* in = input_.context();
    std::string error;
    if (write && !s.cover.Prepare(in, s.out, plan_.muxer, s.audioIndex, error))
        return Fail(error);
    if (write && !CopyChapters(in, s.out, plan_.muxer, s.audioIndex, o_.startSeconds,
                               o_.durationSeconds, error))
        return Fail(error);
    const Tags tags = CarriedTags(o_.tags, ReadSourceTags(in, input_.audioStream()));
    for (const auto& [key, value] : ContainerTags(plan_.muxer, tags, s.warnings)) {
        av_dict_set(&s.out->metadata, key.c_str(), value.c_str(), 0);
        // Ogg keeps its tags in the stream's comment header.
        if (plan_.muxer == "ogg" && s.out->nb_streams > 0)
            av_dict_set(&s.out->streams[s.out->nb_streams - 1]->metadata, key.c_str(),
                        value.c_str(), 0);
    }
    return true;
}

Status Transcoder::CurrentStatus(const Session& s, PassKind kind) const {
    Status status;
    status.hasVideo = plan_.video;
    status.frames = s.video ? s.video->frames() : 0;
    if (s.out && s.out->pb)
        status.bytes = avio_tell(s.out->pb);
    else
        status.bytes = (s.video ? s.video->bytes() : 0) + (s.audio ? s.audio->bytes() : 0);
    status.seconds = s.position;
    // Both passes share one time line, so the progress runs once to the end.
    if (plan_.twoPass && plan_.expectedSeconds > 0) {
        double half = plan_.expectedSeconds / 2;
        status.seconds = kind == PassKind::Analysis
                             ? std::min(s.position / 2, half)
                             : half + std::min(s.position, plan_.expectedSeconds) / 2;
    }
    return status;
}

bool Transcoder::Encode(Session& s, PassKind kind) {
    AVFormatContext* in = input_.context();
    const bool useAudio = s.audio && kind != PassKind::Analysis;
    for (unsigned i = 0; i < in->nb_streams; ++i) {
        bool used = (s.video && static_cast<int>(i) == input_.videoStream()) ||
                    (useAudio && static_cast<int>(i) == input_.audioStream());
        in->streams[i]->discard = used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    input_.SeekTo(o_.startSeconds);

    AVPacket* packet = av_packet_alloc();
    bool ok = true;
    while (!StopRequested()) {
        WaitWhilePaused();
        int r = av_read_frame(in, packet);
        if (r == AVERROR(EAGAIN)) {
            ::usleep(10000);
            continue;
        }
        if (r < 0 && in->pb && in->pb->error < 0 && in->pb->error != AVERROR_EOF)
            return av_packet_free(&packet),
                   Fail("reading '" + plan_.inputLabel + "' failed: " + ErrorText(in->pb->error));
        if (r < 0)
            break; // end of input
        if (s.video && packet->stream_index == input_.videoStream())
            ok = s.video->Feed(packet);
        else if (useAudio && packet->stream_index == input_.audioStream())
            ok = s.audio->Feed(packet);
        av_packet_unref(packet);
        if (!ok)
            break;
        bool videoDone = !s.video || s.video->ended();
        bool audioDone = !useAudio || s.audio->ended();
        if (videoDone && audioDone)
            break;
        printer_.Update(CurrentStatus(s, kind));
    }
    av_packet_free(&packet);
    if (ok && !StopRequested()) {
        if (s.video)
            ok = s.video->Finish();
        if (ok && useAudio)
            ok = s.audio->Finish();
    }
    if (!ok) {
        std::string error = !s.writeError.empty()                   ? s.writeError
                            : s.video && !s.video->error().empty()  ? s.video->error()
                            : useAudio && !s.audio->error().empty() ? s.audio->error()
                                                                    : "encoding failed";
        return Fail(error);
    }
    return true;
}

int Transcoder::Run() {
    WriteOut(BannerLine());
    std::string planError;
    if (!MakeJobPlan(o_, input_, plan_, planError))
        return Fail(planError), 1;
    std::string error;
    if (plan_.twoPass && !passDir_.Create(error))
        return Fail(error), 1;
    // Before the first pass, so that a path that cannot be written is
    // reported before the long analysis.
    if (!output_.Create(o_.output, ExistingTargetOf(o_), error))
        return Fail("cannot open '" + o_.output + "' for writing: " + error), 1;

    auto session = std::make_unique<Session>();
    PassKind first = plan_.twoPass ? PassKind::Analysis : PassKind::Single;
    if (!OpenSession(*session, first, {}))
        return 1;

    BeginLogCapture();
    av_dump_format(input_.context(), 0, plan_.inputLabel.c_str(), 0);
    av_dump_format(session->out, 0, o_.output.c_str(), 1);
    std::string description = EndLogCapture();
    WriteOut(HeaderBody(description, session->warnings));

    if (!Encode(*session, first))
        return 1;
    if (plan_.twoPass && StopRequested()) {
        // Stopped in the analysis pass: nothing was written yet.
        session.reset();
        WriteOut("\nStopped by a signal\n");
        return 255;
    }
    if (plan_.twoPass) {
        std::string stats = session->video->stats();
        session.reset();
        if (!input_.Reopen(error))
            return Fail(error), 1;
        session = std::make_unique<Session>();
        if (!OpenSession(*session, PassKind::Final, stats))
            return 1;
        if (!Encode(*session, PassKind::Final))
            return 1;
    }

    int r = av_write_trailer(session->out);
    Status final = CurrentStatus(*session, plan_.twoPass ? PassKind::Final : first);
    if (session->out->pb) {
        // Some muxers seek back to finish their header; the size is the end.
        std::int64_t size = avio_size(session->out->pb);
        final.bytes = size > 0 ? size : avio_tell(session->out->pb);
    }
    std::int64_t fileBytes = final.bytes;
    std::int64_t videoBytes = session->video ? session->video->bytes() : 0;
    std::int64_t audioBytes = session->audio ? session->audio->bytes() : 0;
    session.reset();
    printer_.Final(final);
    if (r < 0)
        return Fail("cannot finish the output: " + ErrorText(r)), 1;
    if (StopRequested()) {
        WriteOut("Stopped by a signal\n"); // and what was there stays
        return 255;
    }
    if (videoBytes + audioBytes == 0)
        return Fail(NothingEncodedText()), 1;
    if (!output_.Commit(error))
        return Fail(error), 1;
    if (output_.WrittenPath() != o_.output)
        WriteOut(std::string(velmont::console::kWrittenAs) + output_.WrittenPath() + "\n");
    WriteOut(FormatSummary(videoBytes, audioBytes, fileBytes) + "\n");
    return 0;
}

} // namespace

int RunConversion(const Options& options) {
    Transcoder transcoder(options);
    return transcoder.Run();
}

} // namespace rendix
