#pragma once

#include "ui/widgets/Desktop.h"

#include <deque>
#include <string>
#include <vector>

namespace velmont {

// A desktop that records what the windows asked of it and answers from
// values the test sets up. Never opens a box or powers anything off.
class FakeDesktop : public IDesktop {
  public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
    };

    // Recorded calls
    std::vector<Message> messages;
    std::vector<std::vector<FileFilter>> openFileRequests;
    int folderRequests = 0;
    std::vector<std::string> openedPaths;
    std::vector<std::string> openedUrls;
    std::vector<std::string> helpRequests;
    int powerOffRequests = 0;
    struct Notification {
        std::string summary;
        std::string folder;
    };
    std::vector<Notification> notifications;

    // Answers; a message takes the front of messageAnswers, or Ok/Yes when empty.
    std::deque<MessageResult> messageAnswers;
    OpenFilesResult openFilesAnswer; // Cancelled unless set
    FolderResult folderAnswer;       // Cancelled unless set
    bool openPathAnswer = true;
    bool helpAnswer = true;
    bool powerOffAnswer = true;

    MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) override {
        messages.push_back({text, caption, icon, buttons});
        if (!messageAnswers.empty()) {
            const MessageResult answer = messageAnswers.front();
            messageAnswers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Ok;
    }
    OpenFilesResult ChooseOpenFiles(const std::vector<FileFilter>& filters,
                                    const std::string& = {}) override {
        openFileRequests.push_back(filters);
        return openFilesAnswer;
    }
    FolderResult ChooseFolder(const std::string& = {}) override {
        ++folderRequests;
        return folderAnswer;
    }
    bool OpenPath(const std::string& path) override {
        openedPaths.push_back(path);
        return openPathAnswer;
    }
    bool OpenUrl(const std::string& url) override {
        openedUrls.push_back(url);
        return true;
    }
    bool ShowHelp(const std::string& helpFilePath) override {
        helpRequests.push_back(helpFilePath);
        return helpAnswer;
    }
    bool PowerOff() override {
        ++powerOffRequests;
        return powerOffAnswer;
    }
    void Notify(const std::string& summary, const std::string& folder) override {
        notifications.push_back({summary, folder});
    }
};

} // namespace velmont
