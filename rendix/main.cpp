#include "rendix/Banner.h"
#include "rendix/Console.h"
#include "rendix/Options.h"
#include "rendix/OwnerWatch.h"
#include "rendix/Signals.h"
#include "rendix/Transcoder.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    rendix::InstallSignalHandlers();
    if (!rendix::WatchOwner()) {
        rendix::WriteOut("Error: the program that started Rendix has ended\n");
        return 1;
    }
    rendix::InstallLibraryLog();
    std::vector<std::string> args(argv + 1, argv + argc);
    rendix::ParseResult parsed = rendix::ParseOptions(args);
    if (!parsed.ok) {
        rendix::WriteOut(rendix::BannerLine());
        rendix::WriteOut("Error: " + parsed.error + "\n");
        return 1;
    }
    return rendix::RunConversion(parsed.options);
}
