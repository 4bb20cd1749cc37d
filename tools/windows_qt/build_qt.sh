#!/usr/bin/env bash
# Cross-builds the static Qt for Windows that kronesluk.exe links against, from the very
# qt6-base source Debian ships for the Qt we build against on Linux, and keeps it in a cache
# outside the checkout. A second run with the same version and options finds it and returns.
#
#   tools/windows_qt/build_qt.sh          prints the prefix of the ready Qt on stdout
#   tools/windows_qt/build_qt.sh --cached prints it only if it is built already, else fails
#
# KSL_CACHE_DIR moves the cache (default: ${XDG_CACHE_HOME:-~/.cache}/kronesluk).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

say() { printf '\033[1mwindows qt:\033[0m %s\n' "$*" >&2; }

# The same version as Debian's own Qt: moc, rcc and uic of the host must match the target's.
# The cache is keyed on Debian's exact version, so a security update (6.4.2+dfsg-N+1) that the
# Linux build picks up rebuilds the Windows Qt from the updated source too.
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=$(dpkg-query -W -f='${source:Upstream-Version}' qt6-base-dev)
qt_version=${qt_version%%+*}

# Only what the game uses, built for size. The tablet header is missing from Debian's source;
# the Windows platform plugin of 6.4 does not compile without OpenGL, so OpenGL stays (loaded
# dynamically), and does not link without Direct2D, whose DirectWrite font database it names.
# The second platform plugin that draws through Direct2D 1.1 is never loaded by the game: it
# would compile the whole Windows plugin a second time.
qt_options=(
    -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_BUILD_TYPE=MinSizeRel
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DINPUT_opengl=dynamic
    -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d1_1=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_network=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_testlib=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_freetype=OFF
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)
key=$(printf '%s\n' "$debian_version" "${qt_options[@]}" "$(x86_64-w64-mingw32-g++-posix -dumpversion)" \
    | sha256sum | cut -c1-12)

cache=${KSL_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/kronesluk}
prefix="$cache/qt-$qt_version-mingw-static-$key"
if [ -f "$prefix/.complete" ]; then
    printf '%s\n' "$prefix"
    exit 0
fi
[ "${1:-}" = --cached ] && exit 1

work="$cache/qt-$qt_version-work/$debian_version"
mkdir -p "$work"

# Debian's source package, fetched and verified by apt through a private configuration that
# adds a deb-src entry for the mirror the system already uses; the system's own is untouched.
source_dir="$work/src"
if [ ! -f "$source_dir/.fetched" ]; then
    say "fetching the qt6-base $qt_version source through apt"
    apt_dir="$work/apt"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$work/download"
    mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 2>/dev/null \
        | grep -v security | head -n1 || true)
    if [ -z "$mirror" ]; then
        say "apt names no Debian mirror to fetch the qt6-base source from: add one to"
        say "/etc/apt/sources.list (or sources.list.d), run 'apt-get update', and try again"
        exit 1
    fi
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    cat >"$apt_dir/sources.list.d/qt-source.sources" <<SOURCES
Types: deb-src
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    # A Qt with a security update comes from the security archive; its source is there too.
    security=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 2>/dev/null \
        | grep security | head -n1 || true)
    if [ -n "$security" ]; then
        cat >>"$apt_dir/sources.list.d/qt-source.sources" <<SOURCES

Types: deb-src
URIs: $security
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    fi
    apt_private=(-o "Dir::Etc::sourcelist=/dev/null" -o "Dir::Etc::sourceparts=$apt_dir/sources.list.d"
                 -o "Dir::State::Lists=$apt_dir/lists" -o "Debug::NoLocking=1")
    apt-get "${apt_private[@]}" update -q >&2
    (cd "$work/download" && apt-get "${apt_private[@]}" source --download-only -q "qt6-base=$debian_version" >&2)
    rm -rf "$source_dir"
    dpkg-source --no-check -x "$work/download"/qt6-base_*.dsc "$source_dir" >&2
    touch "$source_dir/.fetched"
fi

say "configuring Qt $qt_version for x86_64-w64-mingw32 (static, cache key $key)"
build="$work/build-$key"
cmake -S "$source_dir" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${qt_options[@]}" >&2
say "building Qt (20 minutes on two idle cores, an hour on a busy machine; later runs reuse $prefix)"
started=$SECONDS
cmake --build "$build" --parallel "$jobs" >&2
cmake --install "$build" >&2
# The cold build's own time, for the benchmarks to report.
echo "$((SECONDS - started))" >"$prefix/.build-seconds"
touch "$prefix/.complete"
rm -rf "$build"
printf '%s\n' "$prefix"
