#!/usr/bin/env bash
# queue_view.sh [BUILD_DIR]: the queue view benchmark on a virtual X display, as
# a user's screen would draw it (Xvfb, the xcb platform).
set -euo pipefail
build=${1:-build}
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$build/bin/bench_queue_view"
