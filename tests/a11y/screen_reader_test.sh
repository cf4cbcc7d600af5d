#!/usr/bin/env bash
# The program through AT-SPI, as a screen reader such as Orca reads it: a session bus of
# its own, the accessibility bus on it, the program with its accessibility bridge on, and
# a client that works the body mass index page by names and actions alone.
# Run under xvfb-run. Usage: screen_reader_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No advert page: the proxy is an address where nothing listens.
export http_proxy=http://127.0.0.1:9
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1/vettora" &
    program=$!
    status=0
    /usr/bin/python3 "$2/screen_reader_client.py" || status=$?
    kill "$program" "$launcher" 2>/dev/null || true
    exit "$status"
' bash "$build" "$here" 2>&1 | grep -v -e '^dbus-daemon\[' -e '^SpiRegistry daemon'
