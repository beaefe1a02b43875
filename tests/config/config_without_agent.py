"""yueshi without yueshi_jk beside it shows the error and ends; no window of its own appears."""

import subprocess
import sys

from e2e_support import *

folder = copy_dist(sys.argv[1])
os.remove(os.path.join(folder, "yueshi_jk"))
env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
launcher = start_atspi()
program = start(folder, "yueshi", env=env)
try:
    check(wait_for(lambda: window_ids("错误"), 15), "no box captioned 错误")
    box = atspi_find("Message1", "yueshi")
    check(box is not None, "the box is not reachable over AT-SPI")
    texts = []

    def collect(node):
        if node.get_role_name() == "label":
            texts.append(node.get_name())
        for i in range(node.get_child_count()):
            collect(node.get_child_at_index(i))

    collect(box)
    check("找不到监控程序，程序无法运行，请重新安装悦时电脑闹钟" in texts, f"wrong text: {texts}")
    check(not window_ids("悦时电脑闹钟 6.4.1"), "the main window showed")
    ok = atspi_find("Message1_OK", "yueshi")
    check(ok is not None and ok.get_name() == "确定", "no 确定 button")
    atspi_press(ok)
    try:
        status = program.wait(10)
    except subprocess.TimeoutExpired:
        fail("yueshi did not end after the box was closed")
    check(status != 0, "yueshi reported success")
    check(not name_has_owner(AGENT_NAME), "an agent came up")
    check(not os.path.exists(os.path.join(folder, "config.ini")), "yueshi went on to open its settings")
finally:
    stop(program)
    stop(launcher)
print("1 passed, 0 failed")
