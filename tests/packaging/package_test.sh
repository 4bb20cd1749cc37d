#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a scratch folder, checks what it
# installs with the desktop's validators and lintian, and starts the installed program under
# Xvfb until its welcome window is on screen.
#
#   package_test.sh BUILD_DIR
set -euo pipefail

build=$1
app_id=no.kronesluk.Kronesluk
# shellcheck source=../end_to_end/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../end_to_end/x_session.sh"

cpack --config "$build/CPackConfig.cmake" -B "$workdir/package" >"$workdir/cpack.log" 2>&1 ||
    { cat "$workdir/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$(ls "$workdir"/package/kronesluk_*.deb)
root="$workdir/root"
dpkg-deb -x "$deb" "$root"

for file in usr/games/kronesluk "usr/share/applications/$app_id.desktop" \
    "usr/share/metainfo/$app_id.metainfo.xml" usr/share/man/man6/kronesluk.6.gz \
    usr/share/doc/kronesluk/copyright; do
    [ -f "$root/$file" ] || fail "the package does not install $file"
done
for size in 16 22 24 32 48 64 128 256; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "the ${size}x${size} icon is not that size"
done

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" ||
    fail "desktop-file-validate rejects the desktop entry"
# Launchers do not all search /usr/games: the entry names the program by its installed path.
grep -qx 'Exec=/usr/games/kronesluk' "$root/usr/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not start /usr/games/kronesluk"
appstreamcli validate --no-net --strict "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "appstreamcli rejects the metainfo"
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' ||
    fail "the package does not depend on Qt's widgets"
dpkg-deb --field "$deb" Depends | grep -q 'libcanberra0' ||
    fail "the package does not depend on libcanberra, which plays the beep"
for sound in sound-theme-freedesktop libcanberra-pulse; do
    dpkg-deb --field "$deb" Recommends | grep -qw "$sound" || fail "the package does not recommend $sound"
done

lintian --tag-display-limit 0 "$deb" >"$workdir/lintian.log" 2>&1 || true
if grep -q '^E:' "$workdir/lintian.log"; then
    cat "$workdir/lintian.log" >&2
    fail "lintian reports errors"
fi

start_x_server
start_program "$root/usr/games/kronesluk"
wait_for 40 viewable '^Kronesluk$' >/dev/null || fail "the installed program showed no welcome window"
quit_with_ctrl_q "$(viewable '^Kronesluk$')"
echo "PASS: the package installs, validates and runs"
