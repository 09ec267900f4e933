#include "convert/EncoderOutputParser.h"
#include "convert/EncoderProcess.h"
#include "convert/ResultLine.h"
#include "model/FormatId.h"
#include "protocol/EncoderConsole.h"

#include "RecordingJobEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace velmont;

namespace {

const std::string kEndOfHeader = "Press [q] to stop encoding";
const std::string kHeader =
    "Input #0\n  Duration: 00:03:20.0, start: 0\nOutput #0\n" + kEndOfHeader + "\n";

struct Parsed {
    std::vector<std::string> events;
    std::string text;
    std::string statusLine;
    int duration = 0;
};

// Feeds the output in pieces of `piece` bytes (0: all at once).
Parsed Parse(const std::string& output, std::size_t piece = 0, int duration = 50,
             bool clip = false) {
    RecordingJobEvents events;
    EncoderOutputParser parser(events);
    parser.Begin(duration, clip);
    const std::size_t step = piece == 0 ? output.size() : piece;
    for (std::size_t at = 0; at < output.size(); at += step)
        parser.Feed(std::string_view(output).substr(at, step), 2.0);
    parser.Flush(2.0);
    return {events.Events(), parser.StatusText(), events.StatusLine(), parser.Duration()};
}

} // namespace

TEST(EncoderOutputParser, StatusLinesGivePercentOfTheLengthAndTheLastLineShows) {
    struct Case {
        std::string output;
        std::vector<std::string> events;
        std::string statusLine;
    };
    const Case cases[] = {
        // 50 of 200 s; 150.7 gives 75 (truncated); the later line shows.
        {"frame= 1 size= 100kB time=50.0 bitrate=1\rsize= 300kB time=150.7 bitrate=2\r",
         {"duration 200", "progress 25", "progress 75"},
         "size= 300kB time=150.7 bitrate=2"},
        // Below 1 % or beyond 100 % leaves the bar; the text is shown all the same.
        {"size= 1kB time=1.9\rsize= 1kB time=250.0\rsize= 1kB time=-4\rsize= 1kB time=  200\r",
         {"duration 200", "progress -1", "progress -1", "progress -1", "progress 100"},
         "size= 1kB time=  200"},
        // A status line without time moves nothing; other text is a message.
        {"frame= 1 size= 3kB\rsome other text\n",
         {"duration 200", "progress -1", "message some other text"},
         "size= 3kB"},
        // The rest of the end-of-header line is dropped, the next line is read.
        {"size= 1kB time=100.0\nsize= 1kB time=20\r",
         {"duration 200", "progress 10"},
         "size= 1kB time=20"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const std::string output =
            i == 3 ? "Duration: 00:03:20.0\n" + kEndOfHeader + " " + cases[i].output
                   : kHeader + cases[i].output;
        const Parsed parsed = Parse(output);
        EXPECT_EQ(parsed.events, cases[i].events);
        EXPECT_EQ(parsed.statusLine, cases[i].statusLine);
    }
}

// The lines as Rendix formats them, with and without video.
TEST(EncoderOutputParser, ReadsTheStatusLinesRendixFormats) {
    for (const bool hasVideo : {false, true}) {
        const std::string line = console::FormatStatusLine({hasVideo, 3750, 2400, 150.72, 130.4});
        const Parsed parsed = Parse(kHeader + line + "\r");
        EXPECT_EQ(parsed.events, (std::vector<std::string>{"duration 200", "progress 75"}));
        EXPECT_EQ(parsed.statusLine, line.substr(line.find(console::kSizeField))); // from size= on
    }
}

TEST(EncoderOutputParser, SplitWhereverTheReadsFallTheRunReadsTheSame) {
    const std::string output = "banner\r\n" + kHeader + "size= 10kB time=100.00 bitrate=1\r" +
                               "size= 20kB time=200.00 bitrate=1\r\nvideo:0kB audio:20kB\r\n";
    const Parsed whole = Parse(output);
    ASSERT_EQ(whole.events, (std::vector<std::string>{"duration 200", "progress 50", "progress 100",
                                                      "message video:0kB audio:20kB"}));
    for (std::size_t piece = 1; piece < 40; ++piece) {
        SCOPED_TRACE(piece);
        const Parsed split = Parse(output, piece);
        EXPECT_EQ(split.events, whole.events);
        EXPECT_EQ(split.text,
                  "banner\r\nInput #0\n  Duration: 00:03:20.0, start: 0\nOutput #0\n\r\n");
        EXPECT_EQ(split.duration, 200);
    }
}

TEST(EncoderOutputParser, LengthComesFromTheHeaderUnlessAClipOrUnreadable) {
    EXPECT_EQ(Parse(kHeader, 0, 50, true).duration, 50);
    EXPECT_EQ(Parse("Duration: N/A\n" + kEndOfHeader, 0, kUnknownDuration).duration,
              kUnknownDuration);
    // Unknown or zero length: every status line shows 30.
    for (const int duration : {kUnknownDuration, 0}) {
        EXPECT_EQ(
            Parse(kEndOfHeader + "\nsize= 1kB time=3.0\rsize= 1kB time=5000\r", 0, duration).events,
            (std::vector<std::string>{"progress 30", "progress 30"}));
    }
}

TEST(EncoderOutputParser, SpeedAndTimeLeftFollowTheRunningTime) {
    RecordingJobEvents events;
    EncoderOutputParser parser(events);
    parser.Begin(100, false);
    parser.Feed(kEndOfHeader + "\n", 0);
    parser.Feed("size= 1kB time=40.0\r", 10.0);
    EXPECT_DOUBLE_EQ(events.LastProgress().speed, 4.0);
    EXPECT_DOUBLE_EQ(events.LastProgress().secondsLeft, 15.0);
}

TEST(EncoderOutputParser, OwnMessagesJoinTheTextAndFailuresKeepTheEncodersLastWords) {
    RecordingJobEvents events;
    EncoderOutputParser parser(events);
    parser.Begin(200, false);
    parser.Feed("Input #0\n", 1);
    parser.NotePaused(); // still in the header: the text says so
    parser.Feed(kEndOfHeader + "\n", 1);
    parser.NotePaused(); // encoding: nothing is added
    parser.Feed("size= 1kB time=100\rError while encoding\n", 1);
    parser.NoteEnded(false);
    EXPECT_EQ(parser.StatusText(),
              "Input #0\n\r\nSuspended!\r\n\r\nsize= 1kB time=100\r\nError while encoding\r\n");

    ReportSystemError(parser, "ReadFile fialed", std::make_error_code(std::errc::io_error));
    parser.Feed("size= 1kB time=150\r", 1); // now collected as text, no progress
    EXPECT_EQ(events.LastProgress().percent, 50);
    EXPECT_NE(events.Header().find("ReadFile fialed\r\n"), std::string::npos);

    EncoderOutputParser noText(events);
    ReportSystemError(noText, "Error creating pipe", {});
    EXPECT_EQ(noText.StatusText(),
              "Error creating pipe\r\nNo status because FormatMessage failed.\r\n");
}

TEST(ErrorLineOf, TheEncodersErrorLineWinsOverLibraryWarningsAfterIt) {
    // A full disk: the muxer's closing warning comes after the error.
    RecordingJobEvents events;
    EncoderOutputParser parser(events);
    parser.Begin(30, false);
    parser.Feed("Rendix 1.0 on libavutil 57.28.100\nInput #0\n" + kEndOfHeader + "\n", 1);
    parser.Feed("size=       1kB time=0.00 bitrate=   0.0kbits/s\r\n"
                "Error: writing the output failed: No space left on device\n"
                "[libmp3lame @ 0x55cc70612680] 5 frames left in the queue on closing\n",
                1);
    parser.Flush(1);
    parser.NoteEnded(false);
    EXPECT_EQ(ErrorLineOf(parser.StatusText()),
              "Error: writing the output failed: No space left on device");
    // Without an error line: the last words, whatever they are.
    EXPECT_EQ(ErrorLineOf("Error creating process\r\nNo such file or directory\r\n"),
              "No such file or directory");
    EXPECT_EQ(ErrorLineOf("Rendix 1.0\nError: a.wav: Invalid data\n"),
              "Error: a.wav: Invalid data");
}

TEST(FilterEncoderBanner, RemovesTheBannerBlockAndBlanksEveryEncoderName) {
    const std::pair<std::string, std::string> cases[] = {
        {"before\r\nFFmpeg version SVN-r10087, Copyright\r\n  built on x\r\nEnjoy it\r\n"
         "Input #0\r\n",
         "before\r\nInput #0\r\n"},
        {"FFmpeg version SVN-r10087 (no end)\nlibavFFmpeg FFmpegFFmpeg\n",
         "       version SVN-r10087 (no end)\nlibav                   \n"},
        // An "Enjoy it" before the banner does not cut text outside it.
        {"Enjoy it\nFFmpeg version SVN-r10087 tail", "Enjoy it\n       version SVN-r10087 tail"}};
    for (auto [text, expected] : cases) {
        FilterEncoderBanner(text);
        EXPECT_EQ(text, expected);
    }
}
