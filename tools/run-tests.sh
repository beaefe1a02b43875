#!/usr/bin/env bash
# Runs every test, each program under its own X server, session bus and sound server, so the
# run is the same on a fresh machine, in CI and on a desktop that runs the real programs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export QTWEBENGINE_DISABLE_SANDBOX=1
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  dbus-run-session -- "$root/tools/with-sound-server.sh" \
  ctest --test-dir "$build" --output-on-failure "$@"
