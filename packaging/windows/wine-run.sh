#!/bin/sh
# Runs a program of the Windows build under Wine: wine-run.sh PROGRAM.exe [ARGUMENTS]
# Its Wine prefix is build-windows/wine unless WINEPREFIX says otherwise; the first start
# makes it (some seconds). Programs outside build-windows/ find Qt's DLLs and plugins there. Wine's
# own messages and its Mono and Gecko installers stay off.
top=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$top/build-windows/wine}"
build=Z:$(printf '%s' "$top/build-windows" | tr / '\\')
export WINEPATH="$build" QT_PLUGIN_PATH="$build"
# Wine hands QT_* variables to Windows programs only when they are named WINEQT_*.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
