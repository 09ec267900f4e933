#pragma once

#include <string>
#include <vector>

// Runs the built Rendix with the given arguments, standard output and error
// in one pipe, as the converter does.
struct RendixRun {
    int exitCode = -1;
    std::string output;
    std::vector<std::string> chunks; // what each read(2) of the pipe returned
};

RendixRun RunRendix(const std::vector<std::string>& args,
                    const std::vector<std::string>& environment = {});

// Runs a shell command (input generation); true on exit status 0.
bool RunShell(const std::string& command);

std::string RendixPath();
