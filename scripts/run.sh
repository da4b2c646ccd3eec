#!/usr/bin/env bash
# The run command: installs what is missing, builds, and starts the jukebox.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh
scripts/build.sh build
exec build/bin/vantor "$@"
