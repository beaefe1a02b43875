#!/usr/bin/python3
"""The reminder window's costs, measured from outside on the real agent:
- from the start of the due second to the first audible sample at the sound server's monitor;
- CPU of the agent while the reminder rings and its spectrum moves;
- resident memory before the first reminder and after the window was closed again.
Run under an X server, a session bus and a PulseAudio null sink named ci_null, for example:
  xvfb-run -a dbus-run-session -- tools/with-sound-server.sh bench/reminder_ring.py build/dist
"""

import array
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

RATE = 44100
dist = sys.argv[1] if len(sys.argv) > 1 else "build/dist"
folder = tempfile.mkdtemp(prefix="yueshi_bench_")
shutil.copytree(dist, folder, dirs_exist_ok=True)


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS"):
                return int(line.split()[1]) / 1024
    return 0.0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


# Listen to the monitor in small blocks and note when the first loud block arrives.
first_loud = []
listening = threading.Event()


def listen():
    recorder = subprocess.Popen(["parec", "--device=ci_null.monitor", "--latency-msec=10",
                                 "--format=s16le", "--channels=1", f"--rate={RATE}"],
                                stdout=subprocess.PIPE)
    block = RATE // 200 * 2  # 5 ms of samples
    while True:
        data = recorder.stdout.read(block)
        if not data:
            return
        arrived = time.time()
        listening.set()
        samples = array.array("h", data)
        loud = [i for i, s in enumerate(samples) if abs(s) > 300]
        if loud and armed.is_set() and not first_loud:
            # The block arrived after its last sample was heard.
            first_loud.append(arrived - (len(samples) - loud[0]) / RATE)
            recorder.terminate()
            return


armed = threading.Event()
threading.Thread(target=listen, daemon=True).start()
listening.wait(10)
# Wake the null sink up, so that it no longer hands out sound in large blocks.
subprocess.run("sox -n -t wav - synth 0.3 sine 440 vol 0.5 | paplay", shell=True)
time.sleep(1)

env = dict(os.environ, QT_QPA_PLATFORM="xcb")
if os.geteuid() == 0:
    env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"  # the web engine refuses root otherwise
agent = subprocess.Popen([os.path.join(folder, "yueshi_jk")], stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL, env=env)
time.sleep(3)
idle_rss = rss_mb(agent.pid)

due = (datetime.datetime.now() + datetime.timedelta(seconds=3)).replace(microsecond=0)
row = (f"'提醒', '无', '{due.year}-{due.month}-{due.day}', "
       f"'{due.hour}:{due.minute:02}:{due.second:02}', '无', '性能测试', '一次'")
subprocess.run(["sqlite3", "-cmd", ".timeout 5000", os.path.join(folder, "data.tdb"),
                f"INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注) VALUES ({row})"],
               check=True)
subprocess.run(["dbus-send", "--session", "--type=signal", "/org/yueshi/Notices",
                "org.yueshi.Notices.Notice", "string:新建响铃"], check=True)
armed.set()
time.sleep(max(0.0, due.timestamp() - time.time()) + 3)
latency_ms = (first_loud[0] - due.timestamp()) * 1000 if first_loud else float("nan")

# CPU while ringing, with the spectrum animating.
before = cpu_seconds(agent.pid)
time.sleep(20)
ringing_cpu = (cpu_seconds(agent.pid) - before) / 20 * 100

window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(agent.pid),
                         "--name", "^悦时电脑闹钟提醒："], capture_output=True, text=True).stdout.split()
if window:
    subprocess.run(["xdotool", "windowfocus", "--sync", window[0]])
    subprocess.run(["xdotool", "key", "alt+c"])
time.sleep(5)
closed_rss = rss_mb(agent.pid)
agent.terminate()
agent.wait(10)
shutil.rmtree(folder)

print(f"due second to first audible sample: {latency_ms:.0f} ms")
print(f"CPU while ringing with the spectrum: {ringing_cpu:.2f} % of one core")
print(f"resident memory: {idle_rss:.1f} MB idle, {closed_rss:.1f} MB after the reminder was closed "
      f"(+{closed_rss - idle_rss:.1f} MB)")
