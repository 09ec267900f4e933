#include "cli/OptionTable.h"

#include <sstream>

namespace velmont::cli {

namespace {

constexpr const char* kSynopsis = "velmont-cli -f FORMAT [OPTION]... FILE|FOLDER...";
constexpr const char* kSummary = "convert audio and video files from the command line";

// What --json prints, for the programs that read it.
constexpr const char* kJsonEvents =
    ".SH JSON EVENTS\n"
    "With \\-\\-json each line of standard output is one JSON object; its \\fBevent\\fR "
    "says which. \\fBfile\\fR numbers the batch's files from 0 in the order given; "
    "texts are valid UTF\\-8 (see FILE NAMES).\n"
    ".TP\n.B started\n\\fBfile\\fR, \\fBinput\\fR (the source's path), \\fBoutput\\fR "
    "(the path being written).\n"
    ".TP\n.B progress\n\\fBfile\\fR, \\fBpercent\\fR (0 to 100, \\-1 while unknown), "
    "\\fBseconds\\fR (of the source encoded), \\fBspeed\\fR (seconds encoded per second, "
    "0 while unknown), \\fBsecondsLeft\\fR (\\-1 while unknown).\n"
    ".TP\n.B finished\n\\fBfile\\fR, \\fBinput\\fR, \\fBoutput\\fR, \\fBoutcome\\fR "
    "(converted, failed, stopped, not\\-started or read\\-failed), \\fBmessage\\fR (for a "
    "failure, the encoder's error line, else the last line of the run's log).\n";

std::string Head(const OptionSpec& option) {
    std::string head = option.shortName ? std::string("-") + option.shortName + ", " : "    ";
    head += "--" + option.longName;
    if (!option.valueName.empty())
        head += " " + option.valueName;
    return head;
}

// Any name the filesystem allows converts; what the views make of it.
constexpr const char* kFileNamesText =
    "A file name is any bytes. On a terminal and in the plain lines, control characters and "
    "bytes that are not UTF-8 are shown escaped (\\n, \\r, \\t, \\xHH), never sent raw. "
    "With --json every string is valid UTF-8: a byte of a name that is not part of a UTF-8 "
    "character is written as the escape \\udcHH (HH its value in hex), the way Python's "
    "\"surrogateescape\" decodes file names, so name.encode(\"utf-8\", \"surrogateescape\") "
    "gives the exact bytes back.";

// Escapes what roff reads as requests or escapes.
std::string Roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

} // namespace

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> options = {
        {"format", 'f', "NAME", "Output format (see --list-formats).", "General"},
        {"output", 'o', "FOLDER", "Output folder; default: the window's output folder.", "General"},
        {"output-name", 0, "NAME", "Output name without extension (one input only).", "General"},
        {"recursive", 'r', "",
         "A folder stands for the media files in it and all its subfolders; outputs keep the "
         "subfolders below it.",
         "General"},
        {"jobs", 'j', "N",
         "Files converted at once, or auto: one per core, at most 8, and video or two-pass "
         "files one at a time. Default: the window's \"Simultaneous conversions\" (auto "
         "unless changed).",
         "General"},
        {"overwrite", 0, "", "Replace outputs that already exist.", "General"},
        {"keep-both", 0, "", "Write beside existing outputs as \"name (2)\".", "General"},
        {"skip", 0, "", "Leave out files whose output already exists.", "General"},
        {"json", 0, "", "Print one JSON event per line on standard output.", "General"},
        {"quiet", 'q', "", "Print errors only.", "General"},
        {"list-formats", 0, "", "List the output formats and exit.", "General"},
        {"help", 'h', "", "Show this help and exit.", "General"},
        {"version", 'V', "", "Show the version and exit.", "General"},
        {"man", 0, "", "Print the manual page source.", "General", true},
        {"audio-codec", 0, "NAME", "Audio encoder, one the format offers.", "Audio"},
        {"sample-rate", 0, "HZ",
         "Sample rate in Hz, any the encoder takes (up to 192000); \"original\" keeps the "
         "source's.",
         "Audio"},
        {"audio-bitrate", 0, "RATE",
         "Audio bit rate such as 128k, up to the encoder's top (320k for mp3).", "Audio"},
        {"channels", 0, "N",
         "Channel count, 1 to what the encoder takes (up to 8); \"original\" keeps the "
         "source's.",
         "Audio"},
        {"volume", 0, "PERCENT", "Volume in percent, 0 to 200; 100 leaves it unchanged.", "Audio"},
        {"no-audio", 0, "", "Leave the sound out.", "Audio"},
        {"video-codec", 0, "NAME", "Video encoder, one the format offers.", "Video"},
        {"size", 0, "WxH", "Frame size such as 640x360; \"original\" keeps it.", "Video"},
        {"frame-rate", 0, "FPS", "Frames per second, 1 to 240; \"original\" keeps it.", "Video"},
        {"aspect", 0, "RATIO", "auto, 4:3 or 16:9.", "Video"},
        {"quality", 0, "N", "Quantizer scale 0 to 10 (0: the bit rate decides).", "Video"},
        {"video-bitrate", 0, "RATE", "Video bit rate such as 1024k (16k to 100000k).", "Video"},
        {"vbr-min", 0, "RATE", "Variable bit rate: its lowest rate (switches VBR on).", "Video"},
        {"vbr-max", 0, "RATE", "Variable bit rate: its highest rate (switches VBR on).", "Video"},
        {"two-pass", 0, "", "Encode the video in two passes.", "Video"},
        {"crop", 0, "L,T,R,B", "Pixels cut from the left, top, right and bottom.", "Video"},
        {"pad", 0, "L,T,R,B", "Pixels added at the left, top, right and bottom.", "Video"},
        {"title", 0, "TEXT", "Title tag; default: the source's.", "Tags"},
        {"author", 0, "TEXT", "Author tag.", "Tags"},
        {"album", 0, "TEXT", "Album tag.", "Tags"},
        {"comment", 0, "TEXT", "Comment tag.", "Tags"},
        {"track", 0, "N", "Track number.", "Tags"},
        {"year", 0, "N", "Year.", "Tags"},
    };
    return options;
}

const OptionSpec* FindLong(const std::string& name) {
    for (const OptionSpec& option : Options())
        if (option.longName == name)
            return &option;
    return nullptr;
}

const OptionSpec* FindShort(char name) {
    for (const OptionSpec& option : Options())
        if (option.shortName && option.shortName == name)
            return &option;
    return nullptr;
}

std::string HelpText() {
    std::ostringstream out;
    out << "Usage: " << kSynopsis << "\nConverts each file, and the media files in each folder,"
        << " to one format.\n";
    std::string section;
    for (const OptionSpec& option : Options()) {
        if (option.hidden)
            continue;
        if (option.section != section) {
            section = option.section;
            out << "\n" << section << ":\n";
        }
        std::string head = "  " + Head(option);
        head.resize(std::max<std::size_t>(head.size() + 1, 28), ' ');
        out << head << option.help << "\n";
    }
    out << "\nExit status: 0 all converted, 1 some failed, 2 bad usage or existing outputs,"
        << " 130 interrupted.\n";
    return out.str();
}

std::string ManPageSource() {
    std::ostringstream out;
    out << ".TH VELMONT-CLI 1 \"\" \"Velmont Media Converter\" \"User Commands\"\n"
        << ".SH NAME\nvelmont\\-cli \\- " << Roff(kSummary) << "\n"
        << ".SH SYNOPSIS\n"
        << Roff(kSynopsis) << "\n"
        << ".SH DESCRIPTION\nConverts each file, and the media files directly inside each "
           "folder (in natural name order; with \\-r in all its subfolders too), to one output "
           "format with the encoder Rendix, "
           "using the same encoding parameters and settings files as velmont\\-converter.\n";
    std::string section;
    for (const OptionSpec& option : Options()) {
        if (option.hidden)
            continue;
        if (option.section != section) {
            section = option.section;
            out << ".SH " << (section == "General" ? "OPTIONS" : Roff(section) + " OPTIONS")
                << "\n";
        }
        out << ".TP\n.B " << Roff(Head(option)) << "\n" << Roff(option.help) << "\n";
    }
    out << kJsonEvents;
    out << ".SH EXIT STATUS\n0 all converted, 1 some failed, 2 bad usage or existing outputs, "
           "130 interrupted.\n"
        << ".SH FILE NAMES\n"
        << Roff(kFileNamesText) << "\n"
        << ".SH EXAMPLES\n.nf\nvelmont\\-cli \\-f mp3 \\-o ~/Music/out song.flac talk.wav\n"
           "velmont\\-cli \\-f mp4 \\-\\-size 640x360 \\-\\-video\\-bitrate 1024k \\-o out/ "
           "clip.avi\n.fi\n"
        << ".SH SEE ALSO\nvelmont\\-converter(1), Rendix(1)\n";
    return out.str();
}

} // namespace velmont::cli
