#!/usr/bin/env bash
# beacon_e2e.sh EXE: runs EXE under Wine (own prefix, own display) against a
# loopback counter on the configured counter port; see beacon_e2e.py.
set -uo pipefail
exe=$1
build=${VEX_BUILD_DIR:?}
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$exe" ]; then
  echo "SKIP: $exe is not built yet"
  exit 77
fi
. "${VEX_SOURCE_DIR:?}/scripts/wine-env"
vex_wine_prefix "$build"
vex_start_display
trap vex_stop_all EXIT
python3 "$here/beacon_e2e.py" "$exe" "$build/CMakeCache.txt"
