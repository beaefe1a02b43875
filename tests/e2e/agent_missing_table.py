"""Without data.tdb the agent shows its error, ends with a failure status and creates nothing."""

import os
import subprocess
import sys

from e2e_support import *

check("DISPLAY" in os.environ, "needs an X server (run under xvfb-run)")
folder = copy_dist(sys.argv[1], with_table=False)
env = os.environ.copy()
env["QT_QPA_PLATFORM"] = "xcb"
agent = start(folder, env=env)
try:
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(agent.pid),
                            "--name", "^错误"], capture_output=True, text=True, timeout=30)
    windows = found.stdout.split()
    check(len(windows) == 1, "expected one error window, found: " + found.stdout)
    # No window manager runs: give the dialog the focus, then press Enter as a person would.
    subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], check=True, timeout=10)
    subprocess.run(["xdotool", "key", "Return"], check=True, timeout=10)
    try:
        status = agent.wait(15)
    except subprocess.TimeoutExpired:
        fail("the agent did not end after its error was closed")
    check(status != 0, "the agent ended with status 0")
    check(not os.path.exists(os.path.join(folder, "data.tdb")), "the agent created data.tdb")
finally:
    stop(agent)
print("1 passed, 0 failed")
