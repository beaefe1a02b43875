"""yueshi started with no agent running starts exactly one agent; a second yueshi leaves it at one."""

import sys
import time

from e2e_support import *

folder = copy_dist(sys.argv[1])
check(not name_has_owner(AGENT_NAME), "an agent already runs on this session bus")
env = dict(os.environ, QT_QPA_PLATFORM="xcb")
first = start(folder, "yueshi", env=env, log_name="first")
second = None
try:
    check(wait_for(lambda: name_has_owner(AGENT_NAME), 15), "yueshi did not start the agent")
    check(wait_for(lambda: window_ids("悦时电脑闹钟 6.4.1"), 15), "the main window did not show")
    check(wait_for(lambda: len(live_pids(folder, "yueshi_jk")) == 1, 5), "not exactly one agent")

    second = start(folder, "yueshi", env=env, log_name="second")
    check(wait_for(lambda: len(window_ids("悦时电脑闹钟 6.4.1")) == 2, 15), "the second window did not show")
    # The agent the second start launched ends by itself.
    check(wait_for(lambda: len(live_pids(folder, "yueshi_jk")) == 1, 10), "a second agent kept running")
    time.sleep(1)
    check(len(live_pids(folder, "yueshi_jk")) == 1, "a second agent came up late")
    check(first.poll() is None and second.poll() is None, "a configuration program ended")
finally:
    stop(first)
    if second:
        stop(second)
    stop_pids(live_pids(folder, "yueshi_jk"))
print("1 passed, 0 failed")
