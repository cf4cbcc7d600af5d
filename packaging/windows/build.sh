#!/usr/bin/env bash
# The Windows program, cross-built on Debian 12 from Debian's packages alone.
#
#   build.sh qt        Qt, SQLite and libsodium for Windows, built once into the cache and reused
#   build.sh program   the program and its tests for Windows in build-windows/ (runs 'qt' first;
#                      the build-time tools come from the Linux build in build/)
#   build.sh package   the installer and the portable zip in build-windows/ (runs 'program' first)
#   build.sh test      the test suite under Wine, then the program driven under Wine and Xvfb
#
# Qt 6.4.2 comes from Debian's qt6-base source package (the version of the Linux build),
# SQLite and libsodium from Debian's sqlite3 and libsodium source packages; all built with
# MinGW-w64 (POSIX threads).
# The cache is $VETTORA_CACHE (default ~/.cache/vettora), one folder per recipe: a change
# of the options below or of the toolchain file builds a new one.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
toolchain=$here/mingw-w64-x86_64.cmake
cache=${VETTORA_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/vettora}
jobs=${JOBS:-$(nproc)}

qt_source_package=qt6-base
sqlite_source_package=sqlite3
sodium_source_package=libsodium

# Only what the program uses: Core, Gui, Widgets, Network (the local socket of the
# single-instance rule, the advert probe) and Test, with the Windows platform plugin.
# Optimised for size: smaller DLLs, and the build takes much less time than at -O3.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DFEATURE_optimize_size=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_tabletevent=OFF  # Debian's source has no wintab.h
    -DFEATURE_ssl=OFF -DFEATURE_schannel=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF  # GDI draws the text
    -DFEATURE_freetype=OFF
    -DFEATURE_style_windowsvista=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_gif=OFF -DFEATURE_jpeg=OFF -DFEATURE_ico=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF
)

recipe_key() {
    { printf '%s\n' "$qt_source_package" "$sqlite_source_package" "${qt_options[@]}"; cat "$toolchain"; } |
        sha256sum | cut -c1-12
}
prefix=$cache/windows-qt-$(recipe_key)

# apt-get source with a deb-src list of our own: the system's configuration stays as it is.
fetch_source() {
    local package=$1 into=$2 apt
    local lists=$cache/apt-lists sources=$cache/apt-sources.list
    mkdir -p "$lists/partial" "$into"
    local configured=() f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && configured+=("$f")
    done
    sed -n 's/^URIs: *//p; s/^deb \(http[^ ]*\) .*/\1/p' "${configured[@]}" | grep -E 'debian(-security)?/?$' | sort -u |
        while read -r uri; do
        case $uri in
        *security*) echo "deb-src $uri bookworm-security main" ;;
        *) echo "deb-src $uri bookworm main"; echo "deb-src $uri bookworm-updates main" ;;
        esac
    done > "$sources"
    apt=(-o Dir::Etc::SourceList="$sources" -o Dir::Etc::SourceParts=/dev/null -o Dir::State::Lists="$lists")
    apt-get -q "${apt[@]}" update >/dev/null
    (cd "$into" && apt-get -q "${apt[@]}" source "$package" >/dev/null 2>&1)
}

build_sqlite() {
    local work=$cache/src/sqlite
    rm -rf "$work"
    fetch_source "$sqlite_source_package" "$work"
    local tree
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    # The amalgamation is made by the source tree's own tools on this machine.
    (cd "$tree" && ./configure -q --disable-tcl >/dev/null && make -s sqlite3.c >/dev/null)
    mkdir -p "$prefix/sqlite/include" "$prefix/sqlite/lib/pkgconfig"
    x86_64-w64-mingw32-gcc-posix -O2 -c "$tree/sqlite3.c" -o "$work/sqlite3.o" \
        -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DQS=0
    x86_64-w64-mingw32-ar rcs "$prefix/sqlite/lib/libsqlite3.a" "$work/sqlite3.o"
    cp "$tree/sqlite3.h" "$tree/sqlite3ext.h" "$prefix/sqlite/include/"
    cat > "$prefix/sqlite/lib/pkgconfig/sqlite3.pc" <<EOF
prefix=\${pcfiledir}/../..
Name: SQLite
Description: SQLite for Windows, built from Debian's source
Version: $(cat "$tree/VERSION")
Libs: -L\${prefix}/lib -lsqlite3
Cflags: -I\${prefix}/include
EOF
    rm -rf "$work"
}

# libsodium checks the update list's signature: built from Debian's libsodium source.
build_sodium() {
    local work=$cache/src/sodium
    rm -rf "$work" "$prefix/sodium"
    fetch_source "$sodium_source_package" "$work"
    local tree
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    (cd "$tree" && autoreconf -fi >/dev/null 2>&1 && CC=x86_64-w64-mingw32-gcc-posix ./configure -q --host=x86_64-w64-mingw32 --prefix="$prefix/sodium" \
        --disable-shared --enable-static >/dev/null 2>&1 && make -s -j"$jobs" >/dev/null 2>&1 && make -s install >/dev/null)
    # Static, and named relative to its own folder, so that the cache can move.
    sed -i 's|^prefix=.*|prefix=${pcfiledir}/../..|; s|^Cflags: \(.*\)|Cflags: \1 -DSODIUM_STATIC|' \
        "$prefix/sodium/lib/pkgconfig/libsodium.pc"
    rm -rf "$work"
}

build_qt() {
    local work=$cache/src/qtbase build=$cache/src/qtbase-build start=$SECONDS
    rm -rf "$work" "$build" "$prefix.partial"
    fetch_source "$qt_source_package" "$work"
    local tree
    tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    # Host libraries must not leak into the Windows build.
    PKG_CONFIG_LIBDIR=/nonexistent cmake -G Ninja -S "$tree" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix.partial" \
        "${qt_options[@]}" >"$cache/qt-configure.log"
    cmake --build "$build" --parallel "$jobs" >"$cache/qt-build.log"
    cmake --install "$build" >/dev/null
    find "$prefix.partial" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    mv "$prefix.partial" "$prefix"
    rm -rf "$work" "$build"
    echo "Windows Qt built in $(( (SECONDS - start) / 60 )) min: $prefix"
}

ensure_qt() {
    [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || build_qt
    [ -f "$prefix/sqlite/lib/libsqlite3.a" ] || build_sqlite
    [ -f "$prefix/sodium/lib/libsodium.a" ] || build_sodium
}

build=$top/build-windows

# The maker's key the updater trusts: the Linux build's setting.
update_key() { sed -n 's/^VETTORA_UPDATE_KEY:STRING=//p' "$top/build/CMakeCache.txt"; }

build_program() {
    ensure_qt
    [ -x "$top/build/tools/vettora_render_picture" ] || { echo "build the Linux program first (make build)" >&2; exit 1; }
    PKG_CONFIG_LIBDIR=$prefix/sqlite/lib/pkgconfig:$prefix/sodium/lib/pkgconfig cmake -G Ninja -S "$top" -B "$build" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_STRIP="$(command -v x86_64-w64-mingw32-strip)" -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh" \
        -DVETTORA_HOST_TOOLS="$top/build/tools" -DVETTORA_UPDATE_KEY="$(update_key)" >/dev/null
    cmake --build "$build" --parallel "$jobs"
}

# One install tree makes both: the installer (NSIS, 64-bit) and the portable zip, named
# with the version the build wrote into the product's identity.
build_package() {
    build_program
    local identity=$build/identity/product_identity.h version
    version=$(sed -n 's/^#define VETTORA_VERSION "\(.*\)"$/\1/p' "$identity")
    local installer=$build/Vettora-$version-setup.exe portable=$build/Vettora-$version-windows-x64.zip
    local stage=$build/stage/Vettora-$version
    rm -rf "$build/stage"
    cmake --install "$build" --prefix "$stage" --strip >/dev/null
    find "$stage" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
    # The uninstaller removes exactly these files and then the folders they leave empty.
    (cd "$stage" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
     cd "$stage" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') \
        > "$build/uninstall-files.nsh"
    makensis -V2 -INPUTCHARSET UTF8 -DIDENTITY="$identity" -DSTAGE="$stage" -DUNINSTALL_LIST="$build/uninstall-files.nsh" \
        -DICON="$build/packaging/windows/vettora.ico" -DSIDE_BITMAP="$build/packaging/windows/installer-side.bmp" \
        -DOUTFILE="$installer" "$here/installer.nsi"
    rm -f "$portable"
    (cd "$build/stage" && cmake -E tar cf "$portable" --format=zip "Vettora-$version")
    echo "$installer ($(du -k "$installer" | cut -f1) KiB), $portable ($(du -k "$portable" | cut -f1) KiB)"
}

# In an X server of its own with a window manager, as a desktop has: the test suite
# under Wine, then the end-to-end test of the zip and the installer.
test_windows() {
    build_package
    local close_window=$top/build/tests/close_window
    [ -x "$close_window" ] || { echo "build the Linux program first (make build)" >&2; exit 1; }
    local xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")  # no reset when the last client leaves
    "${xvfb[@]}" bash -c '
        openbox >/dev/null 2>&1 & wm=$!
        "$1/wine-run.sh" wineboot -i >/dev/null 2>&1
        ctest --test-dir "$2" --output-on-failure --parallel 2 --timeout 300
        status=$?
        WINEPREFIX="$2/wine" wineserver -k
        kill $wm
        exit $status' windows-tests "$here" "$build"
    "${xvfb[@]}" "$top/tests/e2e/e2e_windows.sh" "$build" "$close_window"
}

case ${1:-} in
qt) ensure_qt ;;
prefix) echo "$prefix" ;;
program) build_program ;;
package) build_package ;;
test) test_windows ;;
*) echo "usage: $0 qt|program|package|test|prefix" >&2; exit 2 ;;
esac
