#pragma once

#include <cstdint>
#include <vector>

namespace rendix {

// One AMR encoder (narrow band at 8000 Hz or wide band at 16000 Hz, mono).
// Each call codes one 20 ms frame into the storage format used by .amr and
// 3GP files (table-of-contents byte first).
class AmrEncoder {
  public:
    AmrEncoder(bool wideBand, int mode);
    ~AmrEncoder();
    AmrEncoder(const AmrEncoder&) = delete;
    AmrEncoder& operator=(const AmrEncoder&) = delete;

    bool valid() const { return state_ != nullptr; }
    int sampleRate() const { return wideBand_ ? 16000 : 8000; }
    int frameSamples() const { return wideBand_ ? 320 : 160; }

    // samples holds frameSamples() signed 16-bit values.
    std::vector<std::uint8_t> Encode(const std::int16_t* samples);

  private:
    bool wideBand_;
    int mode_;
    void* state_ = nullptr;
};

} // namespace rendix
