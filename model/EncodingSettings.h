#pragma once

#include "model/EncodingParams.h"
#include "model/FormatId.h"

#include <array>
#include <string>

namespace velmont {

// How the user wants a batch run, kept with the records in param.ini.
struct BatchChoices {
    int simultaneousConversions = 0;  // 0 = automatic, else 1..kMaxSimultaneousConversions
    bool keepFolderStructure = false; // outputs of folder-tree rows keep their place in it
    // Never stored: the user asks for it anew in each session.
    bool shutDownAfterConversion = false;

    bool operator==(const BatchChoices&) const = default;
};

// The parameter records of all formats as one value. The window and the
// command-line program each own one and hand it to whatever reads or edits
// the records; nothing keeps a process-wide copy. Not locked: its owner's
// thread uses it, and a batch takes its values before it starts.
class EncodingSettings {
  public:
    // Every format at its built-in defaults.
    EncodingSettings();

    // The format's record, or null for an unknown id.
    EncodingParams* GetEncodingParams(FormatId id);
    const EncodingParams* GetEncodingParams(FormatId id) const;

    // Puts one format's record back to its built-in defaults.
    void ResetToBuiltIn(FormatId id);
    // The output folder of every record.
    void SetOutputDirAll(const std::string& directory);

    BatchChoices& Batch() { return batch_; }
    const BatchChoices& Batch() const { return batch_; }

    bool operator==(const EncodingSettings&) const = default;

  private:
    std::array<EncodingParams, kFormatCount> records_;
    BatchChoices batch_;
};

} // namespace velmont
