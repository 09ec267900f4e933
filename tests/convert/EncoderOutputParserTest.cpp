#include "convert/EncoderProcess.h"
#include "convert/MemoryListCells.h"
#include "convert/MemoryLogView.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace velmont;

namespace {

constexpr int kRow = 2;
constexpr int kProgress = 1;
const std::string kEndOfHeader = "Press [q] to stop encoding";

class ParserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        encoder.SetLogView(&log);
        encoder.SetProgressCell(&cells, kRow, kProgress);
    }

    // Ends the header phase with a plain header.
    void EnterEncoding(int duration) {
        encoder.SetDuration(duration);
        encoder.ShowEncoderOutput("Input #0\n" + kEndOfHeader + "\n");
        ASSERT_FALSE(encoder.HeaderMode());
    }

    CellState Progress() const { return cells.Cell(kRow, kProgress); }

    MemoryLogView log;
    MemoryListCells cells;
    EncoderProcess encoder;
};

} // namespace

TEST_F(ParserTest, StatusLineSetsPercentOfKnownDurationAndReplacesPreviousLine) {
    EnterEncoding(200);
    encoder.ShowEncoderOutput("frame=  12 q=2.0 size=     100kB time=50.0 bitrate= 16.4kbits/s\r");
    EXPECT_EQ(Progress().progress, 25);
    EXPECT_EQ(log.Text(), "Input #0\n\r\nsize=     100kB time=50.0 bitrate= 16.4kbits/s\r");

    encoder.ShowEncoderOutput("size=     300kB time=150.7 bitrate= 16.4kbits/s\r");
    EXPECT_EQ(Progress().progress, 75); // 75.35 truncated
    EXPECT_EQ(log.Text(), "Input #0\n\r\nsize=     300kB time=150.7 bitrate= 16.4kbits/s\r");
}

TEST_F(ParserTest, PercentBelowOneOrAboveHundredLeavesTheCellAlone) {
    EnterEncoding(200);
    encoder.ShowEncoderOutput("size= 1kB time=100.0\r");
    ASSERT_EQ(Progress().progress, 50);
    const int updates = Progress().progressUpdates;

    encoder.ShowEncoderOutput("size= 1kB time=1.9\r");   // 0.95 %
    encoder.ShowEncoderOutput("size= 1kB time=250.0\r"); // 125 %
    encoder.ShowEncoderOutput("size= 1kB time=-4\r");
    encoder.ShowEncoderOutput("size= 1kB time=99999999999999999999999\r");
    EXPECT_EQ(Progress().progress, 50);
    EXPECT_EQ(Progress().progressUpdates, updates);
    // The text is shown all the same.
    EXPECT_EQ(log.Text(), "Input #0\n\r\nsize= 1kB time=99999999999999999999999\r");

    encoder.ShowEncoderOutput("size= 1kB time=  200\r"); // exactly 100, blanks skipped
    EXPECT_EQ(Progress().progress, 100);
}

TEST_F(ParserTest, UnknownOrZeroDurationGivesThirtyForEveryStatusLine) {
    EnterEncoding(kUnknownDuration);
    for (const int duration : {kUnknownDuration, 0}) {
        SCOPED_TRACE(duration);
        MemoryListCells fresh;
        encoder.SetProgressCell(&fresh, kRow, kProgress);
        encoder.SetDuration(duration);
        encoder.ShowEncoderOutput("size= 1kB time=3.0\r");
        EXPECT_EQ(fresh.Cell(kRow, kProgress).progress, 30);
        encoder.ShowEncoderOutput("size= 1kB time=5000\r");
        EXPECT_EQ(fresh.Cell(kRow, kProgress).progress, 30);
        EXPECT_EQ(fresh.Cell(kRow, kProgress).progressUpdates, 2);
    }
}

TEST_F(ParserTest, LastOfTwoStatusLinesInOneChunkCountsAndIsShown) {
    EnterEncoding(200);
    encoder.ShowEncoderOutput("size= 1kB time=20.0 bitrate=1\rsize= 2kB time=100.0 bitrate=2\r");
    EXPECT_EQ(Progress().progress, 50);
    EXPECT_EQ(log.Text(), "Input #0\n\r\nsize= 2kB time=100.0 bitrate=2\r");
}

TEST_F(ParserTest, StatusLineWithoutTimeIsShownButMovesNothingAndOtherTextClearsIt) {
    EnterEncoding(200);
    encoder.ShowEncoderOutput("size= 1kB time=100\r");
    encoder.ShowEncoderOutput("frame= 1 size= 3kB\r");
    EXPECT_EQ(Progress().progressUpdates, 1);
    EXPECT_EQ(log.Text(), "Input #0\n\r\nsize= 3kB\r");
    encoder.ShowEncoderOutput("some other text\n");
    EXPECT_EQ(log.Text(), "Input #0\n\r\n");
}

TEST_F(ParserTest, DurationIsReadFromTheHeaderEndUnlessInClipMode) {
    const std::string header =
        "  Duration: 01:02:03.4, start: 0.000000, bitrate: 128 kb/s\n" + kEndOfHeader + "\n";
    encoder.SetDuration(50);
    encoder.ShowEncoderOutput(header);
    EXPECT_EQ(encoder.Duration(), 3723);

    EncoderProcess clip;
    clip.SetDuration(50);
    clip.SetClipMode(true);
    clip.ShowEncoderOutput(header);
    EXPECT_EQ(clip.Duration(), 50);
    EXPECT_TRUE(clip.EncodingStarted());
}

TEST_F(ParserTest, DurationOutsideTheHeaderEndingChunkOrUnreadableChangesNothing) {
    encoder.SetDuration(50);
    encoder.ShowEncoderOutput("  Duration: 00:10:00.0, start: 0\n");
    EXPECT_EQ(encoder.Duration(), 50);
    encoder.ShowEncoderOutput("Stream #0.0\n" + kEndOfHeader + "\n");
    EXPECT_EQ(encoder.Duration(), 50);

    EncoderProcess unknown;
    unknown.SetDuration(kUnknownDuration);
    unknown.ShowEncoderOutput("  Duration: N/A, bitrate: N/A\n" + kEndOfHeader);
    EXPECT_EQ(unknown.Duration(), kUnknownDuration);
}

TEST_F(ParserTest, TextAfterTheEndOfHeaderMarkerIsDropped) {
    encoder.SetDuration(200);
    encoder.ShowEncoderOutput("Output #0\n" + kEndOfHeader +
                              " Duration: 00:00:10.0 size= 1kB time=100.0\r");
    EXPECT_TRUE(encoder.EncodingStarted());
    EXPECT_EQ(encoder.Duration(), 200);
    EXPECT_EQ(Progress().progressUpdates, 0);
    EXPECT_EQ(log.Text(), "Output #0\n\r\n");
    EXPECT_EQ(encoder.StatusText(), "Output #0\n\r\n");
}

TEST_F(ParserTest, HeaderIsCollectedAndRedrawnWholeThenOnlyOneStatusLineFollows) {
    encoder.ShowEncoderOutput("Please wait for the conversion");
    EXPECT_EQ(log.Text(), "Please wait for the conversion");
    EXPECT_EQ(encoder.StatusText(), "Please wait for the conversion");

    EXPECT_EQ(log.ScrollToEndCount(), 1);
    encoder.ShowEncoderOutput("A\n");
    encoder.ShowEncoderOutput("B\n");
    EXPECT_EQ(log.Text(), "Please wait for the conversionA\nB\n");
    encoder.ShowEncoderOutput("C\n" + kEndOfHeader);
    const std::string header = "Please wait for the conversionA\nB\nC\n\r\n";
    EXPECT_EQ(log.Text(), header);
    EXPECT_EQ(encoder.LogRegionStart(), static_cast<int>(header.size()));
    encoder.ShowEncoderOutput("size= 1 time=1\r");
    encoder.ShowEncoderOutput("size= 2 time=2\r");
    EXPECT_EQ(log.Text(), header + "size= 2 time=2\r");
    EXPECT_EQ(log.ScrollToEndCount(), 6);
}

TEST_F(ParserTest, ErrorReportGoesBackToTheHeaderPhase) {
    EnterEncoding(200);
    encoder.ReportSystemError("ReadFile fialed", std::make_error_code(std::errc::io_error));
    EXPECT_TRUE(encoder.HeaderMode());
    EXPECT_EQ(encoder.StatusText(), "Input #0\n\r\nReadFile fialed\r\n" +
                                        std::make_error_code(std::errc::io_error).message() +
                                        "\r\n");
    // Status lines are now collected as header text and move nothing.
    encoder.ShowEncoderOutput("size= 1kB time=100\r");
    EXPECT_EQ(Progress().progressUpdates, 0);
    EXPECT_NE(encoder.StatusText().find("size= 1kB time=100\r"), std::string::npos);

    EncoderProcess noText;
    noText.ReportSystemError("Error creating pipe", {});
    EXPECT_EQ(noText.StatusText(),
              "Error creating pipe\r\nNo status because FormatMessage failed.\r\n");
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
        EncoderProcess::FilterEncoderBanner(text);
        EXPECT_EQ(text, expected);
    }
}

TEST(MemoryViews, LogSelectionIsClampedAndListCellsRecordColoursAndSelection) {
    MemoryLogView log;
    log.SetText("abc");
    log.SetSelection(5, -2);
    log.ReplaceSelection("X");
    EXPECT_EQ(log.Text(), "X");

    MemoryListCells cells;
    int changes = 0;
    cells.SetChangeCallback([&](int, int) { ++changes; });
    // Colours and selection are checked through RunnerTest's rows.
    cells.SetItemText(1, 2, "bad", kWhite, kRed);
    cells.SetItemText(1, 2, "ok");
    cells.SetCurSel(3, true);
    EXPECT_FALSE(cells.Cell(1, 2).coloured);
    EXPECT_EQ(cells.Cell(9, 9), CellState{});
    EXPECT_EQ(changes, 3); // a selection change is announced too
}
