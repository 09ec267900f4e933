#include "rendix/AmrEncoder.h"

extern "C" {
#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>
}

namespace rendix {

AmrEncoder::AmrEncoder(bool wideBand, int mode) : wideBand_(wideBand), mode_(mode) {
    state_ = wideBand_ ? E_IF_init() : Encoder_Interface_init(0);
}

AmrEncoder::~AmrEncoder() {
    if (!state_)
        return;
    if (wideBand_)
        E_IF_exit(state_);
    else
        Encoder_Interface_exit(state_);
}

std::vector<std::uint8_t> AmrEncoder::Encode(const std::int16_t* samples) {
    std::vector<std::uint8_t> out(64);
    int bytes = wideBand_ ? E_IF_encode(state_, mode_, samples, out.data(), 0)
                          : Encoder_Interface_Encode(state_, static_cast<Mode>(mode_), samples,
                                                     out.data(), 0);
    out.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
    return out;
}

} // namespace rendix
