#pragma once

namespace velmont {

// Lines of the encoder's console output that the converter acts on, written
// by Rendix and read by EncoderOutputParser.

// "Written as: <path>\n" after a successful run whose output was put beside
// an existing file under a free name instead of at the path it was given.
inline constexpr const char* kWrittenAsMarker = "Written as: ";

} // namespace velmont
