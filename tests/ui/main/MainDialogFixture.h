#pragma once

// Shared by the main window's tests: a window whose modal dialogs are
// replaced by recorders, living in a temporary program folder.

#include "FakeDesktop.h"
#include "UiTestSupport.h"
#include "ui/config/CTagDlg.h"
#include "ui/main/MainDialog.h"
#include "ui/widgets/CXListCtrl.h"

#include <QDir>
#include <QTemporaryDir>

#include <optional>
#include <vector>

namespace velmont {

class RecordingMainDialog : public MainDialog {
  public:
    using MainDialog::MainDialog;

    // What the hooks were handed.
    std::vector<FormatId> configRequests;
    std::vector<QString> tagRequests;
    std::vector<TagTexts> tagTextsShown;
    std::vector<ConversionRequest> conversions;
    int aboutBoxes = 0;

    // The tag dialog's answer: texts after OK, nothing for Cancel.
    std::optional<TagTexts> tagAnswer;

  protected:
    bool RunTagDialog(const QString& fileName, TagTexts& texts) override {
        tagRequests.push_back(fileName);
        tagTextsShown.push_back(texts);
        if (!tagAnswer)
            return false;
        texts = *tagAnswer;
        return true;
    }
    void RunConfigDialog(FormatId formatId) override { configRequests.push_back(formatId); }
    void RunConversionDialog(const ConversionRequest& request) override {
        conversions.push_back(request);
    }
    void RunAboutBox() override { ++aboutBoxes; }
};

// Added files are probed in the background: waits for their rows.
inline bool WaitUntilAdded(const MainDialog& dialog) {
    return QTest::qWaitFor([&dialog] { return !dialog.IsAdding(); }, 60000);
}

inline MainDialogSetup SetupIn(const QTemporaryDir& folder) {
    const std::string directory = QDir(folder.path()).absolutePath().toStdString() + "/";
    return {directory, directory + "record.ini", {}};
}

} // namespace velmont
