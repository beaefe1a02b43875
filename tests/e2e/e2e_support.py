"""Shared helpers of the end-to-end tests: each test runs the real programs from a copy of
the dist folder and watches them from outside (sqlite3, dbus-send, xdotool)."""

import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import time

AGENT_NAME = "org.yueshi.Agent"


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)


def copy_dist(dist, with_table=True):
    folder = tempfile.mkdtemp(prefix="yueshi_e2e_")
    for name in os.listdir(dist):
        if name == "data.tdb" and not with_table:
            continue
        source = os.path.join(dist, name)
        target = os.path.join(folder, name)
        if os.path.isdir(source):
            shutil.copytree(source, target)
        else:
            shutil.copy2(source, target)
    return folder


def start(folder, program="yueshi_jk", env=None, log_name=None):
    log = open(os.path.join(folder, (log_name or program) + ".log"), "w")
    return subprocess.Popen([os.path.join(folder, program)], stdout=log, stderr=subprocess.STDOUT,
                            stdin=subprocess.DEVNULL, env=env or os.environ.copy())


def name_has_owner(name):
    out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                          "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                          "string:" + name], capture_output=True, text=True).stdout
    return "boolean true" in out


def wait_for(predicate, timeout, step=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(step)
    return predicate()


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def sql(folder, statement):
    # The agent writes too: wait for its lock like the programs do.
    return subprocess.run(["sqlite3", "-cmd", ".timeout 5000", os.path.join(folder, "data.tdb"), statement],
                          capture_output=True, text=True, check=True).stdout


def send_notice(name):
    subprocess.run(["dbus-send", "--session", "--type=signal", "/org/yueshi/Notices",
                    "org.yueshi.Notices.Notice", "string:" + name], check=True)


def date_text(moment):
    return f"{moment.year}-{moment.month}-{moment.day}"


def time_text(moment):
    return f"{moment.hour}:{moment.minute:02}:{moment.second:02}"


def now():
    return datetime.datetime.now()


CONFIG_NAME = "org.yueshi.Config"


def live_pids(folder, program):
    """Pids of the running (not zombie) processes started from folder/program."""
    path = os.path.join(folder, program)
    pids = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                state = stat.read().rsplit(")", 1)[1].split()[0]
            if state != "Z" and os.readlink(f"/proc/{entry}/exe") == path:
                pids.append(int(entry))
        except OSError:
            continue
    return pids


def stop_pids(pids):
    for pid in pids:
        try:
            os.kill(pid, 15)
        except ProcessLookupError:
            pass


def window_ids(name):
    out = subprocess.run(["xdotool", "search", "--name", "^" + name + "$"], capture_output=True, text=True).stdout
    return out.split()


def start_atspi():
    """The accessibility bus, as a desktop session has it; programs need QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1."""
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)
    return launcher


def atspi_find(description, app_name=None, timeout=10):
    """The first showing accessible whose description (our object name) matches, in any or one application."""
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    def search(node):
        try:
            if node.get_description() == description:
                states = node.get_state_set()
                if states.contains(Atspi.StateType.SHOWING):
                    return node
            for i in range(node.get_child_count()):
                found = search(node.get_child_at_index(i))
                if found:
                    return found
        except Exception:
            return None
        return None

    deadline = time.monotonic() + timeout
    while True:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is None or (app_name and app.get_name() != app_name):
                continue
            found = search(app)
            if found:
                return found
        if time.monotonic() > deadline:
            return None
        time.sleep(0.1)


def atspi_press(node):
    node.get_action_iface().do_action(0)


def check_deleted_in_its_second(folder, condition, due, what):
    """Watches the rows matching condition until they are gone and checks that they went in
    the second due, not before it and not more than a few seconds late."""
    def left():
        return sql(folder, f"SELECT COUNT(*) FROM myproject WHERE {condition}").strip() != "0"

    while left() and now() < due + datetime.timedelta(seconds=3):
        time.sleep(0.02)
    first_seen_gone = now()
    check(not left(), f"the agent did not delete {what} in its second")
    check(first_seen_gone >= due, f"{what} was deleted before its second")
