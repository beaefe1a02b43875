"""Start-up of yueshi with 1,000 plans: from process start to the main window mapped on the
X server, measured from outside. Run under Xvfb and a session bus:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 bench/config_startup.py build/dist"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 9
dist = sys.argv[1]
folder = tempfile.mkdtemp(prefix="yueshi_bench_")
for name in ("yueshi", "yueshi_jk", "data.tdb"):
    shutil.copy2(os.path.join(dist, name), folder)
kinds = ["('提醒', '无', '无', '7:00:00', '/m/a.mp3', '起床', '每天')",
         "('关机', '无', '无', '23:00:00', '无', '30', '每天')",
         "('程序', '无', '无', '9:00:00', '/bin/true', '无', '每天')",
         "('倒计时', '无', '2099-1-1', '9:00:00', '/m/c.wma', '收菜', '无')"]
values = ",".join(kinds[i % 4] for i in range(1000))
subprocess.run(["sqlite3", os.path.join(folder, "data.tdb"),
                f"INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注) VALUES {values};"], check=True)

env = dict(os.environ, QT_QPA_PLATFORM="xcb")
# The agent is left running, as on a desktop: each start then only launches a second agent that ends.
agent = subprocess.Popen([os.path.join(folder, "yueshi_jk")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1)
samples = []
try:
    for run in range(RUNS + 1):
        start = time.monotonic()
        program = subprocess.Popen([os.path.join(folder, "yueshi")], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # xdotool's own --sync looks only every half second; ask every 5 ms instead.
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^悦时电脑闹钟 6.4.1$"],
                             stdout=subprocess.DEVNULL).returncode != 0:
            time.sleep(0.005)
        elapsed = (time.monotonic() - start) * 1000
        if run:  # the first run warms the file cache
            samples.append(elapsed)
        program.terminate()
        program.wait()
finally:
    agent.terminate()
    agent.wait()
print(f"yueshi start-up with 1000 plans, window shown: median {statistics.median(samples):.0f} ms "
      f"(min {min(samples):.0f}, max {max(samples):.0f}, {RUNS} runs)")
