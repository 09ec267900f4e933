#pragma once

#include <cstdint>

namespace velmont {

// Output format 0..20; 0..10 are audio formats, 11..20 video formats.
using FormatId = std::int32_t;

inline constexpr FormatId kFormatCount = 21;
inline constexpr FormatId kFirstVideoFormat = 11;
inline constexpr FormatId kFormatMp3 = 7;
inline constexpr FormatId kFormatMp4 = 15;

inline constexpr bool IsValidFormat(FormatId id) {
    return id >= 0 && id < kFormatCount;
}
inline constexpr bool IsVideoFormat(FormatId id) {
    return id >= kFirstVideoFormat && id < kFormatCount;
}

// A duration of this value means the source's length is not known.
inline constexpr std::int32_t kUnknownDuration = 2147483647;

} // namespace velmont
