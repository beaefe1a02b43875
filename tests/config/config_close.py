"""Close() on org.yueshi.Config ends the configuration program at once; the agent runs on."""

import subprocess
import sys

from e2e_support import *

folder = copy_dist(sys.argv[1])
env = dict(os.environ, QT_QPA_PLATFORM="xcb")
program = start(folder, "yueshi", env=env)
try:
    check(wait_for(lambda: name_has_owner(CONFIG_NAME), 15), "yueshi did not take its bus name")
    check(wait_for(lambda: window_ids("悦时电脑闹钟 6.4.1"), 15), "the main window did not show")
    subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=" + CONFIG_NAME, "/org/yueshi/Config",
                    "org.yueshi.Config.Close"], check=True, capture_output=True)
    try:
        status = program.wait(10)
    except subprocess.TimeoutExpired:
        fail("yueshi did not end on Close()")
    check(status == 0, f"yueshi ended with status {status}")
    check(not name_has_owner(CONFIG_NAME), "the bus name stayed")
    check(wait_for(lambda: name_has_owner(AGENT_NAME), 10), "the agent is not running")
finally:
    stop(program)
    stop_pids(live_pids(folder, "yueshi_jk"))
print("1 passed, 0 failed")
