#pragma once

#include <QByteArray>
#include <QList>
#include <QUrl>

#include <string>
#include <vector>

namespace velmont {

// Local file paths as bytes. A file name need not be valid UTF-8, and a
// QString cannot carry the bytes that are not: they are read from the
// percent-encoded URI text, which keeps every byte.

// From a text/uri-list ("file:///a/b%E9.wav" lines; comments and other
// schemes are skipped).
std::vector<std::string> LocalPathsFromUriList(const QByteArray& uriList);
// From URLs; their encoded form still holds the bytes they were made from.
std::vector<std::string> LocalPathsFromUrls(const QList<QUrl>& urls);

} // namespace velmont
