#pragma once

#include "model/EncodingParams.h"
#include "model/EncodingSettings.h"
#include "model/JobItem.h"

namespace velmont {

// Fills the job's encoder values (bit/s, Hz, frame rate, codec names, output
// directory) from its format's record in `settings`. A job whose format has
// no record is left as it is.
void ResolveEncoderValues(JobItem& job, const EncodingSettings& settings);

// The same from a given record.
void ResolveEncoderValues(JobItem& job, const EncodingParams& params);

} // namespace velmont
