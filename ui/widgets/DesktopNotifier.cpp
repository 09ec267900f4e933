#include "ui/widgets/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

namespace velmont {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

QDBusMessage NotifyCall(const QString& summary, const QString& folder) {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    const QStringList actions{"default", QObject::tr("Open Folder"), "open-folder",
                              QObject::tr("Open Folder")};
    const QVariantMap hints{{"desktop-entry", QStringLiteral("velmont-converter")}};
    // The body may be read as markup.
    call << QStringLiteral("Velmont Media Converter") << 0u << QStringLiteral("velmont-converter")
         << summary << folder.toHtmlEscaped() << actions << hints << -1;
    return call;
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, "ActionInvoked", this,
                SLOT(OnActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, "NotificationClosed", this,
                SLOT(OnClosed(uint, uint)));
}

void DesktopNotifier::Notify(const QString& summary, const QString& folder) {
    // Not waited for: a slow server must not hold up the window.
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(NotifyCall(summary, folder)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, folder](auto* call) {
        const QDBusPendingReply<uint> reply = *call;
        if (reply.isValid())
            folderOf_[reply.value()] = folder;
        call->deleteLater();
    });
}

void DesktopNotifier::OnActionInvoked(uint id, const QString&) {
    const auto found = folderOf_.find(id);
    if (found != folderOf_.end())
        QDesktopServices::openUrl(QUrl::fromLocalFile(found->second));
}

void DesktopNotifier::OnClosed(uint id, uint) {
    folderOf_.erase(id);
}

} // namespace velmont
