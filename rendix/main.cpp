#include "rendix/Console.h"
#include "rendix/JobServer.h"
#include "rendix/OwnerWatch.h"
#include "rendix/RendixMain.h"
#include "rendix/Signals.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (rendix::ServeRequested(argc))
        return rendix::ServeJobs(argv);
    rendix::InstallSignalHandlers();
    if (!rendix::WatchOwner()) {
        rendix::WriteOut("Error: the program that started Rendix has ended\n");
        return 1;
    }
    return rendix::RunRendix(std::vector<std::string>(argv + 1, argv + argc));
}
