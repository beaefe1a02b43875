"""A one-off reminder written with sqlite3 and announced with dbus-send is fired and deleted
by the running agent in its second."""

import datetime
import sys
import time

from e2e_support import *

folder = copy_dist(sys.argv[1])
agent = start(folder)
try:
    check(wait_for(lambda: name_has_owner(AGENT_NAME), 15), "the agent did not come up")
    due = (now() + datetime.timedelta(seconds=4)).replace(microsecond=0)
    sql(folder, "INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注) VALUES "
                f"('提醒', '无', '{date_text(due)}', '{time_text(due)}', '/music/闹钟.mp3', '端到端测试', '一次');"
                # A recurring row of another kind keeps its own scan going and stays.
                f"INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注) VALUES "
                f"('程序', '无', '无', '{time_text(due)}', '/bin/true', '无', '每天');")
    send_notice("新建响铃")

    def reminder_left():
        return sql(folder, "SELECT COUNT(*) FROM myproject WHERE 类型='提醒'").strip() == "1"

    while reminder_left() and now() < due + datetime.timedelta(seconds=3):
        time.sleep(0.02)
    first_seen_gone = now()
    check(not reminder_left(), "the one-off reminder row was not deleted in its second")
    check(first_seen_gone >= due, "the reminder row was deleted before its second")
    check(sql(folder, "SELECT 类型, 备注 FROM myproject").strip() == "程序|每天",
          "the recurring launch row should stay")
    check(agent.poll() is None, "the agent ended")
finally:
    stop(agent)
with open(f"{folder}/yueshi_jk.log") as log:
    output = log.read()
check("端到端测试 | /music/闹钟.mp3" in output, "the reminder was not handed to its window: " + output)
# The launch row was not announced: its scan was not armed, so it did not fire.
check("打开 /bin/true" not in output, "an unannounced kind was scanned")
print("1 passed, 0 failed")
