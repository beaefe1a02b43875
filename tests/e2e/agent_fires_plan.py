"""A one-off reminder written with sqlite3 and announced with dbus-send is fired and deleted
by the running agent in its second: its window shows and its music reaches the sound server."""

import datetime
import os
import subprocess
import sys
import time

from e2e_support import *

check("DISPLAY" in os.environ, "needs an X server (run under xvfb-run)")
folder = copy_dist(sys.argv[1])
recording = os.path.join(folder, "monitor.wav")
# Attached before anything plays: the null sink hands out sound in large blocks otherwise.
recorder = subprocess.Popen(["parecord", "--device=ci_null.monitor", "--latency-msec=20",
                             "--file-format=wav", recording])
env = os.environ.copy()
env["QT_QPA_PLATFORM"] = "xcb"
env["QTWEBENGINE_CHROMIUM_FLAGS"] = "--disable-gpu"
agent = start(folder, env=env)
try:
    check(wait_for(lambda: name_has_owner(AGENT_NAME), 15), "the agent did not come up")
    due = (now() + datetime.timedelta(seconds=4)).replace(microsecond=0)
    later = due + datetime.timedelta(hours=1)
    sql(folder, "INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注) VALUES "
                f"('提醒', '无', '{date_text(due)}', '{time_text(due)}', '/music/不存在.mp3', '端到端测试', '一次');"
                # A recurring row stays after the one-off row fired.
                f"INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注) VALUES "
                f"('提醒', '无', '无', '{time_text(later)}', '/music/a.mp3', '每天的', '每天');")
    send_notice("新建响铃")

    check_deleted_in_its_second(folder, "备注='一次'", due, "the one-off reminder row")
    check(sql(folder, "SELECT 内容, 备注 FROM myproject").strip() == "每天的|每天",
          "the recurring row should stay")

    shown = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(agent.pid),
                            "--name", "^悦时电脑闹钟提醒："], capture_output=True, text=True, timeout=20)
    check(len(shown.stdout.split()) == 1, "the reminder window did not show")
    time.sleep(3)  # the missing music falls back to the default music, which plays on
    check(agent.poll() is None, "the agent ended")
finally:
    stop(agent)
    recorder.terminate()
    recorder.wait(5)

stats = subprocess.run(["sox", recording, "-n", "stats"], capture_output=True, text=True).stderr
peak = [line for line in stats.splitlines() if line.startswith("Pk lev dB")]
check(peak and float(peak[0].split()[3]) > -30, "the recording is silent:\n" + stats)
print("1 passed, 0 failed")
