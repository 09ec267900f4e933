#include "ui/widgets/LocalFileUris.h"

namespace velmont {

namespace {

constexpr char kFileScheme[] = "file://";

// The path of one file URI, its host part ("file://host/path") dropped.
bool AppendLocalPath(QByteArray uri, std::vector<std::string>& paths) {
    uri = uri.trimmed();
    if (!uri.startsWith(kFileScheme))
        return false;
    const qsizetype pathStart = uri.indexOf('/', qsizetype(sizeof kFileScheme - 1));
    if (pathStart < 0)
        return false;
    const QByteArray path = QByteArray::fromPercentEncoding(uri.mid(pathStart));
    if (path.isEmpty())
        return false;
    paths.emplace_back(path.constData(), std::size_t(path.size()));
    return true;
}

} // namespace

std::vector<std::string> LocalPathsFromUriList(const QByteArray& uriList) {
    std::vector<std::string> paths;
    for (const QByteArray& line : uriList.split('\n')) {
        if (!line.startsWith('#'))
            AppendLocalPath(line, paths);
    }
    return paths;
}

std::vector<std::string> LocalPathsFromUrls(const QList<QUrl>& urls) {
    std::vector<std::string> paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            AppendLocalPath(url.toEncoded(), paths);
    }
    return paths;
}

} // namespace velmont
