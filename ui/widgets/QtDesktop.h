#pragma once

#include "ui/widgets/Desktop.h"

#include <QPointer>

class QWidget;

namespace velmont {

class DesktopNotifier;

// The real desktop: Qt message boxes and file dialogs, QDesktopServices for
// opening things, systemd-logind for powering off, the session bus
// for notifications. Boxes and dialogs are
// owned by the given window, or by the active window when none is given.
class QtDesktop : public IDesktop {
  public:
    explicit QtDesktop(QWidget* owner = nullptr);

    MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons = MessageButtons::Ok) override;
    OpenFilesResult ChooseOpenFiles(const std::vector<FileFilter>& filters,
                                    const std::string& title = {}) override;
    FolderResult ChooseFolder(const std::string& title = {}) override;
    bool OpenPath(const std::string& path) override;
    bool OpenUrl(const std::string& url) override;
    bool ShowHelp(const std::string& helpFilePath) override;
    bool PowerOff() override;
    void Notify(const std::string& summary, const std::string& folder) override;

  private:
    QWidget* Owner() const;

    QWidget* owner_;
    QPointer<DesktopNotifier> notifier_; // made on first use, goes with the application
};

// The process-wide real desktop, for widgets that were not handed another one.
IDesktop& SystemDesktop();

// "Audio Files (*.mp3 *.wav)" entries joined with ";;" as Qt's file dialogs expect.
std::string QtFilterString(const std::vector<FileFilter>& filters);

} // namespace velmont
