#pragma once

#include <QObject>
#include <QString>

#include <map>

namespace velmont {

// Desktop notifications through org.freedesktop.Notifications on the
// session bus. A notification carries an "Open Folder" action (also its
// default action); clicking it opens that notification's folder. Where no
// notification server runs, nothing is shown and nothing waits for one.
class DesktopNotifier : public QObject {
    Q_OBJECT

  public:
    explicit DesktopNotifier(QObject* parent = nullptr);

    void Notify(const QString& summary, const QString& folder);

  private slots:
    void OnActionInvoked(uint id, const QString& action);
    void OnClosed(uint id, uint reason);

  private:
    std::map<uint, QString> folderOf_; // of each notification still shown
};

} // namespace velmont
