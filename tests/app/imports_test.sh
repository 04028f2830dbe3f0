#!/usr/bin/env bash
# vexbox.exe must be one self-contained file: it may import system DLLs only.
set -euo pipefail
exe=$1
allowed='^(kernel32|user32|gdi32|comctl32|wininet|oleaut32|ole32|shell32|shlwapi|msimg32|advapi32|msvcrt|ws2_32|api-ms-win-[a-z0-9-]+)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
echo "$dlls"
bad=$(echo "$dlls" | grep -v -E "$allowed" || true)
if [ -n "$bad" ]; then
  echo "FAIL: not a system DLL: $bad"
  exit 1
fi
# shell32 (and the COM it brings) is loaded by its full path when a page is
# opened, COM and oleacc when a screen reader first asks; shlwapi is not
# used at all.
for late in shell32 shlwapi ole32 oleaut32; do
  if echo "$dlls" | grep -qx "$late.dll"; then
    echo "FAIL: imports $late.dll at start"
    exit 1
  fi
done
echo "ok   imports only system DLLs ($(stat -c %s "$exe") bytes)"
