"""A one-off alarm saved in the window, driven over AT-SPI as a screen reader user would,
reaches the running agent, which deletes it in its second."""

import datetime
import sys

from e2e_support import *

folder = copy_dist(sys.argv[1])
env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
launcher = start_atspi()
program = start(folder, "yueshi", env=env)
try:
    check(wait_for(lambda: name_has_owner(AGENT_NAME), 15), "the agent did not come up")
    # The editor's time is preset to start-up plus five seconds, its period to 仅一次.
    shortcut = atspi_find("Button_Shou1", "yueshi")
    check(shortcut is not None, "no 闹钟 button on the home page")
    atspi_press(shortcut)
    save = atspi_find("Button2_3", "yueshi")
    check(save is not None and save.get_name() == "确定", "the alarm editor did not open")
    atspi_press(save)
    ok = atspi_find("Message1_OK", "yueshi")
    check(ok is not None, "no success message")
    rows = sql(folder, "SELECT 类型, 备注, 日期, 时间 FROM myproject").strip().split("|")
    check(rows[:2] == ["提醒", "一次"], f"unexpected row {rows}")
    due = datetime.datetime.strptime(rows[2] + " " + rows[3], "%Y-%m-%d %H:%M:%S")
    check(due > now(), "too slow: the alarm fell due before it was announced")
    atspi_press(ok)  # the notice goes out when the message is closed

    check_deleted_in_its_second(folder, "1", due, "the one-off alarm")
    check(program.poll() is None, "yueshi ended")
finally:
    stop(program)
    stop_pids(live_pids(folder, "yueshi_jk"))
    stop(launcher)
print("1 passed, 0 failed")
