#include "ui/main/MediaFileFilters.h"

#include "model/MediaFolder.h"

#include <QCoreApplication>
#include <sstream>

namespace velmont {

namespace {

std::vector<std::string> SplitPatterns(const std::string& joined) {
    std::vector<std::string> patterns;
    std::istringstream stream(joined);
    std::string pattern;
    while (std::getline(stream, pattern, ';'))
        patterns.push_back(pattern);
    return patterns;
}

std::vector<std::string> AllMediaPatterns() {
    std::vector<std::string> patterns;
    for (const auto* list : {&MediaFileExtensions(), &MoreMediaExtensions()})
        for (const std::string& extension : *list)
            patterns.push_back("*" + extension);
    return patterns;
}

// In the user's language where the text was marked for it.
std::string Translated(const char* description) {
    return QCoreApplication::translate("MediaFileFilters", description).toStdString();
}

} // namespace

const std::vector<FileFilter>& MediaFileFilters() {
    static const std::vector<FileFilter> filters = [] {
        const std::pair<const char*, const char*> entries[] = {
            {QT_TRANSLATE_NOOP("MediaFileFilters", "Video Files"),
             "*.rm;*.rmvb;*.rv;*.3g2;*.3gp;*.avi;*.mpg;*.mpeg;*.mpa;*.m4v;*.mp4;"
             "*.mov;*.wm;*.asf;*.asx;*.wmv;*.flv;*.swf;*.webm;*.mkv"},
            {QT_TRANSLATE_NOOP("MediaFileFilters", "Audio Files"),
             "*.ra;*.ram;*.ac3;*.aif;*.aifc;*.aiff;*.amr;*.au;*.flac;*.fla;*.m4a;"
             "*.mp2;*.mp3;*.ogg;*.wav;*.wma;*.opus"},
            {"RealMedia files(*.rm;*.rmvb;*.ra;*.ram;*.rv)", "*.rm;*.rmvb;*.ram;*.ra;*.rv"},
            {"3GP files(*.3g2;*.3gp)", "*.3g2;*.3gp"},
            {"Avi files(*.avi)", "*.avi"},
            {"Ac3 files(*.ac3)", "*.ac3"},
            {"Aiff files(*.aif;*.aifc;*.aiff)", "*.aif;*.aifc;*.aiff"},
            {"Amr files(*.amr)", "*.amr"},
            {"Au files(*.au)", "*.au"},
            {"Flac files(*.flac;*.fla)", "*.flac;*.fla"},
            {"Flash files(*.flv;*.swf)", "*.flv;*.swf"},
            {"Matroska files(*.mkv;*.webm)", "*.mkv;*.webm"},
            {"Mp4 files(*.m4a;*.m4v;*.mp4)", "*.m4a;*.m4v;*.mp4"},
            {"Mpeg Audio files(*.mp2;*.mp3)", "*.mp2;*.mp3"},
            {"Mpeg Video files(*.mpg;*.mpeg;*.mpa)", "*.mpg;*.mpeg;*.mpa"},
            {"Opus files(*.opus)", "*.opus"},
            {"Quick Time(*.mov)", "*.mov"},
            {"Vorbis/Ogg files(*.ogg)", "*.ogg"},
            {"Wave files(*.wav)", "*.wav"},
            {"Windows Media files(*.wma;*.wmv;*.wm;*.asf;*.asx)", "*.wma;*.wmv;*.wm;*.asf;*.asx"},
            {QT_TRANSLATE_NOOP("MediaFileFilters", "All Files(*.*)"), "*.*"},
        };
        // "All Media Files" offers every file a folder drop takes.
        std::vector<FileFilter> list{
            {Translated(QT_TRANSLATE_NOOP("MediaFileFilters", "All Media Files")),
             AllMediaPatterns()}};
        for (const auto& [description, patterns] : entries)
            list.push_back({Translated(description), SplitPatterns(patterns)});
        return list;
    }();
    return filters;
}

} // namespace velmont
