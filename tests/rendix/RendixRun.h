#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Runs the built Rendix with the given arguments, standard output and error
// in one pipe, as the converter does; in workingDirectory when one is given.
struct RendixRun {
    int exitCode = -1;
    std::string output;
    std::vector<std::string> chunks; // what each read(2) of the pipe returned
};

RendixRun RunRendix(const std::vector<std::string>& args,
                    const std::vector<std::string>& environment = {},
                    const std::string& workingDirectory = {});

// Starts Rendix without waiting; *readEnd receives the pipe's reading end.
pid_t StartRendix(const std::vector<std::string>& args, const std::vector<std::string>& environment,
                  int* readEnd, const std::string& workingDirectory = {});

// Reads the pipe until end of file, chunk by chunk, and closes it.
void ReadAll(int fd, RendixRun& run);
