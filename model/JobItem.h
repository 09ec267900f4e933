#pragma once

#include "model/FormatId.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmont {

// Encoder values of a job's audio part, in encoder units.
struct AudioValues {
    std::int32_t bitrate = 128000;   // bit/s
    std::int32_t sampleRate = 44100; // Hz
    std::int32_t channels = 2;
    std::int32_t volume = 256; // 256 = unchanged
    bool enabled = true;
    std::string codec; // empty = the encoder chooses

    bool operator==(const AudioValues&) const = default;
};

// Encoder values of a job's video part, in encoder units.
struct VideoValues {
    std::int32_t height = 0;
    std::int32_t width = 0;
    double frameRate = 25.0;       // 0 = keep the source rate
    std::int32_t aspect = 0;       // 0 = 4:3, 1 = 16:9, other = not passed
    std::int32_t bitrate = 200000; // bit/s
    float quantiserScale = 0;      // 0 = not passed
    bool enabled = false;
    bool vbrEnabled = false;
    std::int32_t minRate = 200000; // bit/s
    std::int32_t maxRate = 200000; // bit/s
    std::int32_t bufferSize = 0;
    std::int32_t pass = 1;
    std::int32_t cropTop = 0;
    std::int32_t cropBottom = 0;
    std::int32_t cropLeft = 0;
    std::int32_t cropRight = 0;
    std::int32_t padTop = 0;
    std::int32_t padBottom = 0;
    std::int32_t padLeft = 0;
    std::int32_t padRight = 0;
    std::string codec; // empty = the encoder chooses

    bool operator==(const VideoValues&) const = default;
};

// Where a job stands in a batch. A stopped run leaves its job waiting, so
// Restart runs it again; only Converted counts as converted.
enum class JobState : std::int32_t { NotSelected = 0, Waiting = 1, Converted = 2, Failed = 3 };

// What putting a job's output in place does with a file that is at its
// path by then: only a file the user chose to overwrite is replaced.
enum class ExistingOutput : std::int32_t {
    Refuse,       // the job fails, both files stay as they are
    Replace,      // the user chose to overwrite it
    TakeFreeName, // "keep both" or a clash: the next free "name (2)"
};

// Everything known about one file of the list. A plain value: every copy
// is independent of the others.
class JobItem {
  public:
    JobItem() = default;
    JobItem(const JobItem&) = default;
    JobItem& operator=(const JobItem&) = default;
    virtual ~JobItem() = default;

    bool operator==(const JobItem&) const = default;

    std::string inputPath;
    AudioValues audio;
    VideoValues video;
    std::string outputName; // the user's choice, as the row shows it
    // The name a run writes, chosen by the batch's output plan ("song (2)"
    // when two rows would clash); empty = outputName. Kept apart so that a
    // second run starts again from the user's names.
    std::string plannedOutputName;
    std::string outputDirectory;
    // Where the source sits below the folder it was added from
    // ("Artist 03/Album 07"); empty for a file added by itself or lying
    // directly in that folder.
    std::string treeFolder;
    // Write the output at the same place below the output directory.
    bool keepTreeFolder = false;
    FormatId formatId = 0;
    std::int32_t startOffset = 0; // seconds
    std::int32_t duration = 0;    // seconds; kUnknownDuration when not known
    bool clip = false;
    std::string title;
    std::string author;
    std::string comment;
    std::string album;
    std::int32_t track = 0;
    std::int32_t year = 0;
    bool hasAudio = false;
    bool hasVideo = false;
    // The source's first audio stream as the probe found it (0 = unknown):
    // what the "Original" choices of rate and channels resolve to.
    std::int32_t sourceSampleRate = 0; // Hz
    std::int32_t sourceChannels = 0;
    bool checked = true; // ticked by the user: Go converts checked jobs
    JobState state = JobState::NotSelected;
    ExistingOutput existingOutput = ExistingOutput::Refuse;
};

// The ordered job list, in the order the user has put the files.
class JobList {
  public:
    std::size_t Count() const { return jobs_.size(); }
    bool Empty() const { return jobs_.empty(); }

    // Puts a copy at index (0 <= index <= Count()); later records move up.
    void Insert(std::size_t index, const JobItem& job);
    void Append(const JobItem& job) { Insert(jobs_.size(), job); }
    // Removes the record at index; later records move down.
    void Erase(std::size_t index);
    // Exchanges records i and j through a temporary copy.
    void SwapNeighbours(std::size_t i, std::size_t j);
    void Clear();

    JobItem& operator[](std::size_t index) { return jobs_.at(index); }
    const JobItem& operator[](std::size_t index) const { return jobs_.at(index); }

    auto begin() { return jobs_.begin(); }
    auto end() { return jobs_.end(); }
    auto begin() const { return jobs_.begin(); }
    auto end() const { return jobs_.end(); }

  private:
    std::vector<JobItem> jobs_;
};

} // namespace velmont
