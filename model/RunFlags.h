#pragma once

namespace velmont {

// The most jobs a batch runs at once.
inline constexpr int kMaxSimultaneousConversions = 8;

} // namespace velmont
