#pragma once

#include <string>
#include <system_error>

namespace velmont {

// Makes the folders of `relative` ("Artist/Album") below `base`, one level
// at a time, and never through a link: a link, file or anything but a
// folder already at one of those names is an error (ENOTDIR), as is
// an absolute path or a "." or ".." step (EINVAL). `base` itself must exist
// and may be a link, being the user's choice.
std::error_code MakeFoldersBelow(const std::string& base, const std::string& relative);

} // namespace velmont
