#!/usr/bin/env bash
# The Windows Qt's cache follows Debian's exact qt6-base version: the same version finds the
# built Qt again, a security update (a new Debian revision of the same 6.4.2) builds it anew
# from that revision's source, and a system whose apt names no mirror is told what to set up.
# apt, dpkg and the build are stand-ins that write down what they were asked.
#   windows_qt_cache_test.sh PATH_TO_BUILD_QT_SH
set -euo pipefail
build_qt=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; sed 's/^/  asked: /' "$work/asked" >&2 2>/dev/null; exit 1; }

mkdir "$work/bin"
stand_in() { # stand_in NAME BODY: a command on PATH that logs its arguments, then runs BODY
    printf '#!/usr/bin/env bash\necho "%s $*" >>"%s/asked"\n%s\n' "$1" "$work" "$2" \
        >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}
stand_in dpkg-query 'case "$*" in *Upstream-Version*) echo 6.4.2+dfsg ;; *) cat "'"$work"'/version" ;; esac'
stand_in apt-get 'case "$1" in
    indextargets) cat "'"$work"'/mirrors" ;;
    *) for a; do case "$a" in qt6-base=*) touch qt6-base_1.dsc ;; esac; done ;;
esac'
stand_in dpkg-source 'mkdir -p "${@: -1}"'
stand_in cmake 'for a; do case "$a" in -DCMAKE_INSTALL_PREFIX=*) echo "${a#*=}" >"'"$work"'/prefix" ;; esac; done
[ "$1" = --install ] && mkdir -p "$(cat "'"$work"'/prefix")"
true'
stand_in x86_64-w64-mingw32-g++-posix 'echo 12'
export PATH="$work/bin:$PATH" KSL_CACHE_DIR="$work/cache"

build() { # build DEBIAN_VERSION: prints the prefix the Windows build would use
    echo "$1" >"$work/version"
    : >"$work/asked"
    "$build_qt" 2>"$work/said"
}
builds() { grep -c '^cmake --build' "$work/asked" || true; }

echo 'http://mirror.invalid/debian/' >"$work/mirrors"
first=$(build 6.4.2+dfsg-10) || fail "the first build failed: $(cat "$work/said")"
[ "$(builds)" -eq 1 ] || fail "the first run built Qt $(builds) times"
grep -q 'source --download-only .*qt6-base=6.4.2+dfsg-10$' "$work/asked" ||
    fail "the source of 6.4.2+dfsg-10 was not asked for"

again=$(build 6.4.2+dfsg-10) || fail "the second run failed"
[ "$again" = "$first" ] && [ "$(builds)" -eq 0 ] || fail "the same version was built again"

updated=$(build 6.4.2+dfsg-10+deb12u1) || fail "the build of the update failed"
[ "$updated" != "$first" ] && [ "$(builds)" -eq 1 ] || fail "a security update reused the old Qt"
grep -q 'qt6-base=6.4.2+dfsg-10+deb12u1$' "$work/asked" ||
    fail "the update's own source was not fetched"

: >"$work/mirrors"
if build 6.4.2+dfsg-11 >/dev/null; then fail "a system without a mirror built Qt"; fi
grep -q 'apt names no Debian mirror' "$work/said" || fail "no word of the missing mirror"
echo "PASS: cached per Debian version, rebuilt on an update, a missing mirror explained"
