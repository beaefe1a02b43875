#!/usr/bin/env bash
# Runs a command with a private PulseAudio server whose default output is a null sink
# named ci_null; tests record what is played from ci_null.monitor.
set -uo pipefail
export XDG_RUNTIME_DIR=$(mktemp -d)
export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
  --load=module-native-protocol-unix \
  --load="module-null-sink sink_name=ci_null" 2>/dev/null
pactl set-default-sink ci_null
"$@"
status=$?
pulseaudio --kill 2>/dev/null
rm -rf "$XDG_RUNTIME_DIR"
exit $status
