#include "model/EncodingSettings.h"

namespace velmont {

EncodingSettings::EncodingSettings() {
    for (FormatId id = 0; id < kFormatCount; ++id)
        ResetToBuiltIn(id);
}

EncodingParams* EncodingSettings::GetEncodingParams(FormatId id) {
    if (!IsValidFormat(id))
        return nullptr;
    return &records_[static_cast<std::size_t>(id)];
}

const EncodingParams* EncodingSettings::GetEncodingParams(FormatId id) const {
    if (!IsValidFormat(id))
        return nullptr;
    return &records_[static_cast<std::size_t>(id)];
}

void EncodingSettings::ResetToBuiltIn(FormatId id) {
    if (EncodingParams* record = GetEncodingParams(id))
        *record = BuiltInDefaults(id);
}

void EncodingSettings::SetOutputDirAll(const std::string& directory) {
    for (EncodingParams& record : records_)
        record.outputDir = directory;
}

} // namespace velmont
