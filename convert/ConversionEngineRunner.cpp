#include "convert/ConversionEngineRunner.h"

#include "convert/ResolveEncoderValues.h"

namespace velmont {

void ConversionEngineRunner::ResolveEncoderValues(JobItem& job) {
    velmont::ResolveEncoderValues(job);
}

} // namespace velmont
