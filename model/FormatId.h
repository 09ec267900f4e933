#pragma once

#include <cstdint>

namespace velmont {

// Output format 0..23. Whether a format carries video is a property of the
// format in the catalogue (IsVideoFormat), not of its id: the formats added
// last (opus, webm, mkv) mix both kinds after the older video formats.
using FormatId = std::int32_t;

inline constexpr FormatId kFormatCount = 24;
inline constexpr FormatId kFormatMp3 = 7;
inline constexpr FormatId kFormatMp4 = 15;
inline constexpr FormatId kFormatOpus = 21;
inline constexpr FormatId kFormatWebm = 22;
inline constexpr FormatId kFormatMkv = 23;

inline constexpr bool IsValidFormat(FormatId id) {
    return id >= 0 && id < kFormatCount;
}

// A duration of this value means the source's length is not known.
inline constexpr std::int32_t kUnknownDuration = 2147483647;

} // namespace velmont
