#pragma once

#include <map>
#include <string>
#include <vector>

namespace velmont::cli {

// The command line split by the option table: values by long name (the
// last one given wins; a switch holds ""), and the inputs in order.
struct CommandLine {
    std::map<std::string, std::string> options;
    std::vector<std::string> inputs;

    bool Has(const std::string& name) const { return options.count(name) > 0; }
    const std::string* Value(const std::string& name) const;
};

// Accepts --name VALUE, --name=VALUE, -x VALUE, -xVALUE and "--" before
// inputs that start with '-'. Throws UsageError naming the option.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace velmont::cli
