#include "ui/main/FormatDuration.h"

#include "convert/FormatText.h"
#include "model/FormatId.h"

namespace velmont {

std::string FormatDuration(std::int32_t seconds) {
    if (seconds == kUnknownDuration)
        return "--:--:--";
    const int hours = seconds / 60 / 60;
    const int minutes = (seconds / 60) % 60;
    return FormatText("%02d:%02d:%02d", hours, minutes, int(seconds % 60));
}

} // namespace velmont
