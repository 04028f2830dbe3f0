#!/usr/bin/env bash
# update_e2e.sh OLD_PROBE NEW_PROBE FILE_HOLDER SIGNING_KEY: the self-update end to end under Wine,
# against a loopback server the Python half starts and stops.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${VEX_BUILD_DIR:-$(dirname "$(dirname "$(dirname "$1")")")}
. "$root/scripts/wine-env"
vex_wine_prefix "$build"
# Wine needs the Linux locale itself to map Chinese file names in a zh_CN
# session; make it privately when the system has not.
export VEX_LOCPATH=$build/locale
if [ ! -d "$VEX_LOCPATH/zh_CN.UTF-8" ]; then
  mkdir -p "$VEX_LOCPATH"
  localedef -i zh_CN -f UTF-8 "$VEX_LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1
fi
vex_start_display
trap vex_stop_all EXIT
python3 "$here/update_e2e.py" "$@"
