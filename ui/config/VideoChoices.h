#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace velmont {

// The frame sizes offered for a video codec: H.263 has five of its own,
// every other codec (and no codec) the general list, "Original" first.
QStringList FrameSizeTexts(int videoCodecId);

QStringList FrameRateTexts();    // "Original", "14.985 fps", ...
QStringList AspectRatioTexts();  // "Auto", " 4:3", "16:9"
QStringList QuantizerTexts();    // "QB0" .. "QB10"
QStringList VideoBitrateTexts(); // "128 kbps" .. "4096 kbps"
QStringList PassTexts();         // "Pass 1", "Pass 2"

// The size and rate item that keeps the source's, in the user's language.
QString OriginalText();

// Position of the first item that begins with prefix (ignoring case),
// searching from the second item on and wrapping round to the first;
// -1 when none does.
int FindItemWithPrefix(const QStringList& items, const QString& prefix);

struct FrameSize {
    int width = 0;
    int height = 0;
};

// Reads "<width><one character><height>" from the start of a size text,
// as in "720x576 - PAL" or "640*480". Both numbers must be 1 or more and fit
// an int; anything else is no size.
std::optional<FrameSize> ParseSizeText(const QString& text);

} // namespace velmont
