"""A second agent ends at once and silently; the first keeps running and keeps its name."""

import subprocess
import sys

from e2e_support import *

folder = copy_dist(sys.argv[1])
check(not name_has_owner(AGENT_NAME), "an agent already runs on this session bus")
first = start(folder, log_name="first")
try:
    check(wait_for(lambda: name_has_owner(AGENT_NAME), 15), "the first agent did not come up")
    second = start(folder, log_name="second")
    try:
        status = second.wait(10)
    except subprocess.TimeoutExpired:
        stop(second)
        fail("the second agent did not end by itself")
    check(status == 0, f"the second agent ended with status {status}")
    with open(f"{folder}/second.log") as log:
        check(log.read() == "", "the second agent said something")
    check(first.poll() is None, "the first agent ended")
    check(name_has_owner(AGENT_NAME), "the agent's bus name was lost")
finally:
    stop(first)
print("1 passed, 0 failed")
