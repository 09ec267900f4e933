#pragma once

#include <string>
#include <vector>

namespace velmont {

// Splits one command line into arguments the way a Windows program reads
// its command line, so a line built for the encoder keeps its meaning:
// blanks and tabs separate arguments; double quotes group (and may open
// and close several times within one argument); 2n backslashes before a
// double quote give n backslashes and the quote groups, 2n+1 give n
// backslashes and a literal quote; other backslashes are literal.
// "" gives an empty argument.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

} // namespace velmont
