#include "rendix/RendixMain.h"

#include "rendix/Banner.h"
#include "rendix/Console.h"
#include "rendix/Options.h"
#include "rendix/Transcoder.h"

namespace rendix {

int RunRendix(const std::vector<std::string>& args) {
    InstallLibraryLog();
    ParseResult parsed = ParseOptions(args);
    if (!parsed.ok) {
        WriteOut(BannerLine());
        WriteOut("Error: " + parsed.error + "\n");
        return 1;
    }
    return RunConversion(parsed.options);
}

} // namespace rendix
