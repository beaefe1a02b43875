#!/usr/bin/env bash
# The agent's idle cost: CPU time and resident memory of yueshi_jk over a period with
# 10,000 plans of all kinds in its table and none due, measured from /proc.
# Usage: bench/agent_idle.sh [dist folder] [seconds]
set -euo pipefail
dist=${1:-build/dist}
seconds=${2:-60}
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
cp -r "$dist"/. "$work"/
# 10,000 rows of all four kinds at times before 20:00 plus recurring rows; none falls due
# within the measurement unless it runs across those hours.
sqlite3 "$work/data.tdb" "
WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 9999)
INSERT INTO myproject (类型, 星期, 日期, 时间, 路径, 内容, 备注)
SELECT CASE i % 4 WHEN 0 THEN '提醒' WHEN 1 THEN '程序' WHEN 2 THEN '关机' ELSE '倒计时' END,
       '一', '2000-1-1', (i % 24) || ':' || printf('%02d', i % 60) || ':' || printf('%02d', (i / 60) % 60),
       '/music/a.mp3', '30',
       CASE i % 4 WHEN 3 THEN '无' ELSE '一次' END
FROM n;"
QT_QPA_PLATFORM=offscreen "$work/yueshi_jk" >/dev/null 2>&1 &
pid=$!
sleep 3
ticks=$(getconf CLK_TCK)
cpu_before=$(awk '{print $14 + $15}' /proc/$pid/stat)
sleep "$seconds"
cpu_after=$(awk '{print $14 + $15}' /proc/$pid/stat)
rss_kb=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
kill $pid
wait $pid 2>/dev/null || true
rm -rf "$work"
awk -v c=$((cpu_after - cpu_before)) -v t="$ticks" -v s="$seconds" -v r="$rss_kb" 'BEGIN {
  printf "agent idle over %d s: CPU %.3f %% of one core, resident %.1f MB\n", s, 100 * c / t / s, r / 1024 }'
