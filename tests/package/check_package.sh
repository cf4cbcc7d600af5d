#!/usr/bin/env bash
# Builds the Debian package and checks it: lintian, desktop-file-validate and appstreamcli
# report no errors; the package unpacks to the layout the program runs with; and the
# unpacked program, run as a plain user, changes nothing in its folder or in the user's home.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

( cd "$build" && cpack -G DEB -B "$work/out" >/dev/null )
deb=$(ls "$work"/out/vettora_*.deb)
echo "package: $(basename "$deb")"

lintian --tag-display-limit 0 "$deb" > "$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then echo "lintian reports errors"; exit 1; fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=cn.vettora.Vettora
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1 | grep -v 'root privileges'
for f in usr/lib/vettora/vettora usr/lib/vettora/vettora-jet-reader usr/lib/vettora/Data/FoodData.mdb \
         usr/lib/vettora/vettora-updater usr/lib/vettora/libUpdate.so \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/48x48/apps/$id.png \
         usr/share/icons/hicolor/64x64/apps/$id.png usr/share/icons/hicolor/128x128/apps/$id.png \
         usr/share/icons/hicolor/256x256/apps/$id.png; do
    [ -e "$root/$f" ] || { echo "missing: $f"; exit 1; }
done
[ "$(readlink "$root/usr/bin/vettora")" = ../lib/vettora/vettora ] || { echo "bin/vettora is not the link"; exit 1; }
if grep -q -a "$(cat "$(dirname "$0")/../update/test-key.public")" "$root/usr/lib/vettora/vettora-updater"; then
    echo "the packaged updater trusts the tests' key"; exit 1
fi

# Run the unpacked program through its link, as a plain user with a fresh home.
home="$work/home"
runtime="$work/runtime"
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home" "$runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# Under a real X server the advert strip runs too; its web engine stays off the network.
display_env=(QT_QPA_PLATFORM=offscreen)
if [ -n "${DISPLAY:-}" ]; then
    xauth="$work/xauth"
    cp "${XAUTHORITY:-$HOME/.Xauthority}" "$xauth" && chmod 644 "$xauth"
    display_env=(DISPLAY="$DISPLAY" XAUTHORITY="$xauth" QTWEBENGINE_DISABLE_SANDBOX=1
                 QTWEBENGINE_CHROMIUM_FLAGS=--proxy-server=http://127.0.0.1:9)
fi
snapshot() { ( cd "$1" && find . -printf '%p %s %T@\n' | sort ); }
snapshot "$root" > "$work/root.before"
snapshot "$home" > "$work/home.before"

env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" "${display_env[@]}" \
    "${as_user[@]}" "$root/usr/bin/vettora" > "$work/run.log" 2>&1 &
pid=$!
sleep 7  # past the update check, five seconds after the launcher loads
if ! kill -0 "$pid" 2>/dev/null; then echo "the installed program did not keep running:"; cat "$work/run.log"; exit 1; fi
kill "$pid"; wait "$pid" 2>/dev/null || true

snapshot "$root" > "$work/root.after"
snapshot "$home" > "$work/home.after"
if ! diff "$work/root.before" "$work/root.after"; then echo "the program changed its install folder"; exit 1; fi
# Qt's and fontconfig's own caches are allowed (and with them the home folder's own time).
if ! diff <(grep -v -E '^\. |^\./\.cache( |/fontconfig|/qtshadercache)' "$work/home.before") \
          <(grep -v -E '^\. |^\./\.cache( |/fontconfig|/qtshadercache)' "$work/home.after"); then
    echo "the program wrote into the user's home"; exit 1
fi
echo "package checks passed"
