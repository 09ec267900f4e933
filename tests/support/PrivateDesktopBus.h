#pragma once

// A private D-Bus bus with a fake logind and a fake notification server on
// it (fake_desktop_bus.py), for tests of what the converter asks of the
// desktop. Both processes are the test's own and end with this object.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

class PrivateDesktopBus {
  public:
    // clickAction: the action the fake clicks on every notification.
    bool Start(const QString& clickAction = {}) {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        if (!daemon_.waitForReadyRead(10000))
            return false;
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address_);
        fake_.setProcessEnvironment(environment);
        QStringList arguments{VELMONT_SOURCE_DIR "/tests/support/fake_desktop_bus.py", LogPath()};
        if (!clickAction.isEmpty())
            arguments << clickAction;
        fake_.start("/usr/bin/python3", arguments);
        return fake_.waitForReadyRead(10000) && fake_.readLine().startsWith("ready");
    }
    ~PrivateDesktopBus() {
        for (QProcess* process : {&fake_, &daemon_}) {
            process->kill();
            process->waitForFinished();
        }
    }

    QString Address() const { return address_; }
    // What the fakes were asked, one line per request (see the script).
    QStringList Log() const {
        QFile log(LogPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

  private:
    QString LogPath() const { return folder_.filePath("requests.log"); }

    QTemporaryDir folder_;
    QProcess daemon_;
    QProcess fake_;
    QString address_;
};
