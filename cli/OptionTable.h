#pragma once

#include <string>
#include <vector>

namespace velmont::cli {

// One command-line option. --help and the manual page are both written
// from the table, so they cannot disagree.
struct OptionSpec {
    std::string longName;  // without "--"
    char shortName = 0;    // 0 = none
    std::string valueName; // empty for a switch
    std::string help;
    std::string section; // the heading it is listed under
    bool hidden = false; // left out of --help and the manual page
};

const std::vector<OptionSpec>& Options();
// The option by its long or short name; null when unknown.
const OptionSpec* FindLong(const std::string& name);
const OptionSpec* FindShort(char name);

// --help's text.
std::string HelpText();
// The manual page in roff (man(7)).
std::string ManPageSource();

} // namespace velmont::cli
