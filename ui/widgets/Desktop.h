#pragma once

#include <string>
#include <vector>

namespace velmont {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, OverwriteKeepBothSkip };
enum class MessageResult { Ok, Cancel, Yes, No, Overwrite, KeepBoth, Skip };

// One entry of an open-file dialog's type list, e.g. {"Audio Files", {"*.mp3", "*.wav"}}.
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
};

enum class DialogOutcome {
    Chosen,    // the user confirmed; the paths are filled
    Cancelled, // the user closed the dialog without a choice
    Failed     // the dialog could not deliver a choice
};

struct OpenFilesResult {
    DialogOutcome outcome = DialogOutcome::Cancelled;
    std::vector<std::string> paths; // full paths, in the order the dialog reported them
};

struct FolderResult {
    DialogOutcome outcome = DialogOutcome::Cancelled;
    std::string path; // without a trailing separator unless it is the root
};

// What the windows ask of the desktop. Kept free of Qt types so tests can
// swap in a recording fake (tests/ui/FakeDesktop.h) and never open a real
// modal box or power the machine off.
class IDesktop {
  public:
    virtual ~IDesktop() = default;

    virtual MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      MessageIcon icon,
                                      MessageButtons buttons = MessageButtons::Ok) = 0;
    // Multiple selection; only existing files can be chosen. The first filter
    // is the one selected when the dialog opens.
    virtual OpenFilesResult ChooseOpenFiles(const std::vector<FileFilter>& filters,
                                            const std::string& title = {}) = 0;
    virtual FolderResult ChooseFolder(const std::string& title = {}) = 0;
    // A local file or folder, opened with its default application.
    virtual bool OpenPath(const std::string& path) = 0;
    // A web (or any other scheme) address, opened with its default handler.
    virtual bool OpenUrl(const std::string& url) = 0;
    // The help page: a local file, opened with its default handler.
    virtual bool ShowHelp(const std::string& helpFilePath) = 0;
    // Powers the computer off; false when the request was refused.
    virtual bool PowerOff() = 0;
    // A desktop notification whose "Open Folder" action opens `folder`.
    virtual void Notify(const std::string& summary, const std::string& folder) = 0;
};

} // namespace velmont
