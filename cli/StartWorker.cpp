#include "cli/StartWorker.h"

#include "convert/ConversionEngine.h"

namespace velmont::cli {

void StartWorker(BatchSession& session, IConversionDialog& dialog) {
    session.Start([] { return std::make_unique<ConversionEngine>(); }, dialog);
}

} // namespace velmont::cli
