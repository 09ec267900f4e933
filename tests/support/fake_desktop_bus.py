#!/usr/bin/python3
"""Stands in for logind and the notification server on a private bus.

Usage: fake_desktop_bus.py LOG [ACTION]
Owns org.freedesktop.login1 and org.freedesktop.Notifications on the bus
of DBUS_SESSION_BUS_ADDRESS and appends what it is asked to LOG, one line
each:
    inhibit WHAT|WHO|WHY|MODE      a lock was taken
    released WHY                   every copy of its descriptor was closed
    notify APP|SUMMARY|BODY|ACTIONS|DESKTOP-ENTRY
With ACTION, every notification is answered by a click on that action.
Prints "ready" once both names are owned.
"""
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

LOG = sys.argv[1]
ACTION = sys.argv[2] if len(sys.argv) > 2 else None


def record(line):
    with open(LOG, "a", encoding="utf-8") as log:
        log.write(line + "\n")


class Logind(dbus.service.Object):
    @dbus.service.method("org.freedesktop.login1.Manager", in_signature="ssss", out_signature="h")
    def Inhibit(self, what, who, why, mode):
        record(f"inhibit {what}|{who}|{why}|{mode}")
        read_end, write_end = os.pipe()

        def on_hangup(fd, _condition):
            record(f"released {why}")
            os.close(fd)
            return False

        GLib.io_add_watch(read_end, GLib.IO_HUP | GLib.IO_ERR, on_hangup)
        lock = dbus.types.UnixFd(write_end)
        os.close(write_end)
        return lock


class Notifications(dbus.service.Object):
    next_id = 0

    @dbus.service.method("org.freedesktop.Notifications", in_signature="susssasa{sv}i",
                         out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        entry = str(hints.get("desktop-entry", ""))
        record(f"notify {app}|{summary}|{body}|{','.join(actions)}|{entry}")
        Notifications.next_id += 1
        sent = Notifications.next_id
        if ACTION:
            GLib.timeout_add(50, lambda: self.ActionInvoked(sent, ACTION) and False)
        return sent

    @dbus.service.method("org.freedesktop.Notifications", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.signal("org.freedesktop.Notifications", signature="us")
    def ActionInvoked(self, sent, action):
        pass


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
names = [dbus.service.BusName(name, bus) for name in
         ("org.freedesktop.login1", "org.freedesktop.Notifications")]
logind = Logind(bus, "/org/freedesktop/login1")
notifications = Notifications(bus, "/org/freedesktop/Notifications")
print("ready", flush=True)
GLib.MainLoop().run()
