#include "ui/widgets/QtDesktop.h"

#include "platform/PowerOff.h"
#include "ui/widgets/DesktopNotifier.h"
#include "ui/widgets/LocalFileUris.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace velmont {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::OverwriteKeepBothSkip:
        return QMessageBox::NoButton; // its own buttons are added
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QtDesktop::QtDesktop(QWidget* owner) : owner_(owner) {}

QWidget* QtDesktop::Owner() const {
    return owner_ ? owner_ : QApplication::activeWindow();
}

namespace {

MessageResult AskOverwriteKeepBothSkip(QMessageBox& box) {
    QPushButton* overwrite = box.addButton(QCoreApplication::translate("QtDesktop", "Overwrite"),
                                           QMessageBox::DestructiveRole);
    QPushButton* keepBoth = box.addButton(QCoreApplication::translate("QtDesktop", "Keep both"),
                                          QMessageBox::AcceptRole);
    QPushButton* skip =
        box.addButton(QCoreApplication::translate("QtDesktop", "Skip"), QMessageBox::RejectRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keepBoth);
    box.exec();
    if (box.clickedButton() == overwrite)
        return MessageResult::Overwrite;
    if (box.clickedButton() == keepBoth)
        return MessageResult::KeepBoth;
    if (box.clickedButton() == skip)
        return MessageResult::Skip;
    return MessageResult::Cancel;
}

} // namespace

MessageResult QtDesktop::ShowMessage(const std::string& text, const std::string& caption,
                                     MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(ToQtIcon(icon), ToQt(caption), ToQt(text), ToQtButtons(buttons), Owner());
    if (buttons == MessageButtons::OverwriteKeepBothSkip)
        return AskOverwriteKeepBothSkip(box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageResult::Ok;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        // Closed without a button: the negative answer where there is one.
        if (buttons == MessageButtons::OkCancel)
            return MessageResult::Cancel;
        if (buttons == MessageButtons::YesNo)
            return MessageResult::No;
        return MessageResult::Ok;
    }
}

std::string QtFilterString(const std::vector<FileFilter>& filters) {
    std::string result;
    for (const FileFilter& filter : filters) {
        if (!result.empty())
            result += ";;";
        std::string patterns;
        for (const std::string& pattern : filter.patterns) {
            if (!patterns.empty())
                patterns += ' ';
            patterns += pattern;
        }
        // Qt reads the patterns from the last parentheses, separated by
        // blanks: a description that already lists them gets them rewritten.
        const std::string& text = filter.description;
        const std::size_t open = text.rfind('(');
        if (!text.empty() && text.back() == ')' && open != std::string::npos)
            result += text.substr(0, open) + "(" + patterns + ")";
        else
            result += text + " (" + patterns + ")";
    }
    return result;
}

OpenFilesResult QtDesktop::ChooseOpenFiles(const std::vector<FileFilter>& filters,
                                           const std::string& title) {
    OpenFilesResult result;
    const QString filterText = ToQt(QtFilterString(filters));
    QString selected = filterText.section(QStringLiteral(";;"), 0, 0);
    // URLs, not names: a desktop's file chooser hands over the bytes of a
    // name that is not valid UTF-8 in them.
    const QList<QUrl> files = QFileDialog::getOpenFileUrls(Owner(), ToQt(title), QUrl(), filterText,
                                                           &selected, {}, {QStringLiteral("file")});
    result.paths = LocalPathsFromUrls(files);
    result.outcome = result.paths.empty() ? DialogOutcome::Cancelled : DialogOutcome::Chosen;
    return result;
}

FolderResult QtDesktop::ChooseFolder(const std::string& title) {
    FolderResult result;
    const QString folder = QFileDialog::getExistingDirectory(Owner(), ToQt(title));
    if (folder.isEmpty()) {
        result.outcome = DialogOutcome::Cancelled;
        return result;
    }
    const QFileInfo info(folder);
    if (!info.isDir()) {
        // A choice that is no folder on disk (a virtual location) has no path.
        result.outcome = DialogOutcome::Failed;
        return result;
    }
    result.outcome = DialogOutcome::Chosen;
    result.path = QDir::toNativeSeparators(info.absoluteFilePath()).toStdString();
    return result;
}

bool QtDesktop::OpenPath(const std::string& path) {
    if (path.empty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(path)));
}

bool QtDesktop::OpenUrl(const std::string& url) {
    const QUrl address = QUrl::fromUserInput(ToQt(url));
    if (!address.isValid() || address.isEmpty())
        return false;
    return QDesktopServices::openUrl(address);
}

bool QtDesktop::ShowHelp(const std::string& helpFilePath) {
    if (!QFileInfo::exists(ToQt(helpFilePath)))
        return false;
    return OpenPath(helpFilePath);
}

bool QtDesktop::PowerOff() {
    return PowerOffComputer();
}

void QtDesktop::Notify(const std::string& summary, const std::string& folder) {
    if (!notifier_)
        notifier_ = new DesktopNotifier(QApplication::instance());
    notifier_->Notify(ToQt(summary), ToQt(folder));
}

IDesktop& SystemDesktop() {
    static QtDesktop desktop;
    return desktop;
}

} // namespace velmont
