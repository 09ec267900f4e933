#pragma once

#include "convert/JobEvents.h"

#include <string>
#include <string_view>

namespace velmont {

// Turns the encoder's console output (its lines are defined in
// protocol/EncoderConsole.h) into job events. The output arrives in
// pieces cut wherever the pipe happened to be read, so every marker is
// searched in what has been collected, not in one piece: a header, a
// "Duration: " or a status line split across reads is read all the same.
//
// Header phase: every piece is collected as the run's text until the
// end-of-header line "Press [q] to stop encoding" (the rest of that line is
// dropped); the header's
// "Duration: hh:mm:ss" then gives the length (unless the run is a clip of
// known length). Encoding phase: complete lines only; a line with "size="
// is a status line whose "time=" gives the progress, any other line is an
// encoder message. Used by one thread at a time.
class EncoderOutputParser {
  public:
    explicit EncoderOutputParser(IJobEvents& events) : events_(events) {}

    // A new run of a source `duration` seconds long (kUnknownDuration when
    // not known); a clip keeps that length whatever the header says.
    void Begin(int duration, bool clip);
    // One piece of output. activeSeconds: how long the encoder has been
    // running, pauses left out (for its speed).
    void Feed(std::string_view piece, double activeSeconds);
    // The last line, which the encoder ended without a line break.
    void Flush(double activeSeconds);

    // Our own message, added to the collected text; from here on
    // everything is collected as text and no longer moves the progress.
    void AddMessage(const std::string& text);
    // The run was paused: a header still being read shows "Suspended!".
    void NotePaused();
    // The run was stopped: its text becomes the header and "Stopped!".
    void NoteStopped();
    // The run ended by itself; a failed run that had begun encoding keeps
    // its last status line and the encoder's messages in its text.
    void NoteEnded(bool succeeded);

    bool EncodingStarted() const { return encodingStarted_; }
    // The encoder said its output is in place (its summary, or the name it
    // was written as, came).
    bool OutputInPlace() const { return outputInPlace_; }
    int Duration() const { return duration_; }
    // The collected text (what the job's Log keeps).
    const std::string& StatusText() const { return statusText_; }

  private:
    void FeedHeader(std::string_view piece, double activeSeconds);
    void ReadDuration();
    void HandleLine(const std::string& line, double activeSeconds);
    JobProgress ProgressOf(const std::string& statusLine, double activeSeconds) const;

    IJobEvents& events_;
    int duration_ = 0;
    bool clip_ = false;
    bool headerMode_ = true;
    bool encodingStarted_ = false;
    bool outputInPlace_ = false;
    bool skipRestOfLine_ = false;
    std::string statusText_;
    std::string pendingLine_;
    std::string lastStatusLine_;
    // Encoding-phase lines that are not status lines (an encoder's final
    // error, say), kept so a failed run can show them.
    std::string encoderMessages_;
};

// Removes the encoder's banner block and blanks every "FFmpeg".
void FilterEncoderBanner(std::string& chunk);

} // namespace velmont
