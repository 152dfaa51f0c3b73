#!/usr/bin/python3
# Drives a real LibreOffice the way a user works with the word report: the template is
# opened as the desktop opens it (soffice with the file as its argument), then on each
# "refresh PDF" line of standard input the document's links are refreshed with the menu
# command the instructions name (Tools > Update > Update All, dispatched to the document's
# frame as the menu does) and the document is exported to PDF. Every answer goes to
# standard output as one line.
#
# usage: libreoffice_session.py PROFILE_DIR TEMPLATE  (commands: "refresh PDF", "quit")
# Own user profile, own pipe, a hard deadline: a LibreOffice that hangs is killed, never
# left behind.

import os
import signal
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue

DEADLINE_S = 150


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def say(line):
    sys.stdout.write(line + "\n")
    sys.stdout.flush()


def main():
    profile, template = sys.argv[1], sys.argv[2]
    pipe = "motra_lo_%d" % os.getpid()
    office = subprocess.Popen(
        ["soffice", "-env:UserInstallation=" + uno.systemPathToFileUrl(os.path.abspath(profile)),
         "--headless", "--invisible", "--norestore", "--nologo", "--nolockcheck",
         "--accept=pipe,name=%s;urp;" % pipe, os.path.abspath(template)],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True)

    def stop(*_):
        try:
            os.killpg(office.pid, signal.SIGKILL)
        except OSError:
            pass
        os._exit(3)

    signal.signal(signal.SIGALRM, stop)
    signal.signal(signal.SIGTERM, stop)
    signal.alarm(DEADLINE_S)
    try:
        run(pipe, office)
    except Exception as error:  # reported, then the office goes with us
        say("error " + str(error).replace("\n", " "))
    finally:
        try:
            office.wait(timeout=15)
        except subprocess.TimeoutExpired:
            pass
        try:
            os.killpg(office.pid, signal.SIGKILL)
        except OSError:
            pass


def run(pipe, office):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    ctx = None
    while ctx is None:
        if office.poll() is not None:
            raise RuntimeError("LibreOffice ended before it could be reached (exit %d)" % office.returncode)
        try:
            ctx = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
        except Exception:
            time.sleep(0.2)
    desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
    doc = None
    while doc is None:
        components = desktop.Components.createEnumeration()
        if components.hasMoreElements():
            doc = components.nextElement()
        else:
            time.sleep(0.2)
    # A template opened from the desktop becomes a new document that has no file yet.
    say("opened url=%s title=%s" % (doc.getURL(), doc.Title))
    frame = doc.getCurrentController().getFrame()
    dispatcher = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.DispatchHelper", ctx)
    for line in sys.stdin:
        command, _, argument = line.strip().partition(" ")
        if command == "refresh":
            dispatcher.executeDispatch(frame, ".uno:UpdateAll", "", 0, ())
            # Lossless pictures, so that the test can compare them with the bitmaps.
            options = (prop("UseLosslessCompression", True), prop("ReduceImageResolution", False))
            doc.storeToURL(uno.systemPathToFileUrl(os.path.abspath(argument)),
                           (prop("FilterName", "writer_pdf_Export"), prop("FilterData", options)))
            say("exported " + argument)
        elif command == "quit":
            break
        else:
            say("error unknown command " + command)
    doc.close(True)
    try:
        desktop.terminate()
    except Exception:
        pass  # the bridge goes down with the office
    say("bye")


if __name__ == "__main__":
    main()
