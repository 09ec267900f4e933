#pragma once

struct AVStream;

namespace rendix {

// How far a player turns the stream's pictures clockwise to show them
// (0, 90, 180 or 270), as phones mark upright video: the pictures are
// stored sideways and the container says how to show them.
int DisplayTurnDegrees(const AVStream* stream);

// The filters that turn a picture clockwise by that much; empty for 0.
const char* TurnFilterText(int clockwiseDegrees);

} // namespace rendix
