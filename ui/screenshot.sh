#!/usr/bin/env bash
# Renders the window's pages into docs/ on a virtual X display, through the
# same xcb platform and fonts as a desktop session. The build directory can be
# chosen with FENIKO_BUILD_DIR (default build/release).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${FENIKO_BUILD_DIR:-build/release}
tool=$build_dir/ui/feniko_screenshot
if [ ! -x "$tool" ]; then
  echo "missing $tool: build the release preset first" >&2
  exit 1
fi
mkdir -p docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$tool" docs
