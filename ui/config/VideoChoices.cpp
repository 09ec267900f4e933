#include "ui/config/VideoChoices.h"

#include "model/Catalogue.h"
#include "model/EncodingParams.h"

#include <QCoreApplication>
#include <climits>

namespace velmont {

QString OriginalText() {
    return QCoreApplication::translate("VideoChoices", "Original");
}

QStringList FrameSizeTexts(int videoCodecId) {
    if (videoCodecId == kVideoCodecH263)
        return {"128x96  - SQCIF", "176x144 - QCIF", "352x288 - QPAL", "704x576 - 4CIF",
                "1408x1152"};
    return {OriginalText(),       "352x288 - QPAL",     "720x576 - PAL",      "768x576 - SPAL",
            "352x240 - QNTSC",    "368x208 -",          "640x480 - SNTSC",    "720x480 - NTSC",
            "352x240 - FILM",     "128x96  - SQCIF",    "176x144 - QCIF",     "352x288 - CIF",
            "704x576 - 4CIF",     "160x120 - QQVGA",    "320x240 - QVGA",     "640x480 - VAG",
            "800x600 - SVAG",     "1024x768  - XGA",    "1600x1200 - UXGA",   "2048x1536 - QXGA",
            "1280x1024 - SXGA",   "2560x2048 - QSXGA",  "5120x4096 - HSXGA",  "852x480  - WVGA",
            "1366x768 - WXAG",    "1600x1024 - WSXGA",  "1920x1200 - WUXGA",  "2560x1600 - WOXGA",
            "3200x2048 - WQSXGA", "3840x2400 - WQUXGA", "6400x4096 - WHSXGA", "7680x4800 - WHUXGA",
            "320x200 - CGA",      "640x350 - EGA",      "852x480 - HD480",    "1280x720  - HD720",
            "1920x1080 - HD1080"};
}

QStringList FrameRateTexts() {
    QStringList texts{OriginalText()};
    for (std::size_t i = 1; i < kFrameRates.size(); ++i)
        texts << QString::asprintf("%.3f fps", kFrameRates[i]);
    return texts;
}

QStringList AspectRatioTexts() {
    return {QCoreApplication::translate("VideoChoices", "Auto"), " 4:3", "16:9"};
}

QStringList QuantizerTexts() {
    QStringList texts;
    for (int scale = 0; scale <= 10; ++scale)
        texts << QString::asprintf("QB%d", scale);
    return texts;
}

QStringList VideoBitrateTexts() {
    QStringList texts;
    for (int kbps : kVideoBitratesKbps)
        texts << QString::asprintf("%d kbps", kbps);
    return texts;
}

QStringList PassTexts() {
    return {QCoreApplication::translate("VideoChoices", "Pass 1"),
            QCoreApplication::translate("VideoChoices", "Pass 2")};
}

int FindItemWithPrefix(const QStringList& items, const QString& prefix) {
    const qsizetype count = items.size();
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype position = step % count;
        if (items[position].startsWith(prefix, Qt::CaseInsensitive))
            return static_cast<int>(position);
    }
    return -1;
}

namespace {

// One decimal integer read like strtol: leading blanks, an optional sign,
// then digits up to the first non-digit. 0 when there are no digits or the
// number does not fit an int.
long long ReadNumber(const QString& text, qsizetype& at) {
    while (at < text.size() && text[at].isSpace())
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        negative = text[at++] == u'-';
    long long value = 0;
    bool overflow = false;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        if (!overflow)
            value = value * 10 + (text[at].unicode() - u'0');
        overflow = overflow || value > INT_MAX;
    }
    if (overflow)
        return 0;
    return negative ? -value : value;
}

} // namespace

std::optional<FrameSize> ParseSizeText(const QString& text) {
    qsizetype at = 0;
    const long long width = ReadNumber(text, at);
    if (at < text.size())
        ++at; // the separator, whatever it is
    const long long height = ReadNumber(text, at);
    if (width < 1 || height < 1)
        return std::nullopt;
    return FrameSize{static_cast<int>(width), static_cast<int>(height)};
}

} // namespace velmont
