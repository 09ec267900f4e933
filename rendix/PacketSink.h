#pragma once

#include <functional>

extern "C" {
#include <libavcodec/packet.h>
#include <libavutil/rational.h>
}

namespace rendix {

// Where encoded packets go: the muxer, or nowhere in an analysis pass.
// The packet's stream_index is set; its times are in timeBase.
using PacketSink = std::function<bool(AVPacket* packet, AVRational timeBase)>;

} // namespace rendix
