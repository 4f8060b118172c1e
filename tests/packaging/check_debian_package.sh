#!/usr/bin/env bash
# Builds the Debian package as Debian's build daemons do: from a scratch copy
# of the source tree, in a fresh chroot that holds only build-essential and
# the Build-Depends, without network; any compiler or CMake warning fails it.
# Then holds the package to lintian, installs it on this machine, starts the
# installed program as an unprivileged user on a private X server (on one
# processor, to its main window; then to a preview drawn with the browser
# sandbox on), purges it and checks that nothing of it is left.
# Needs root and Debian's package mirror; 77 = skipped.
set -euo pipefail
source=$(cd "$1" && pwd)
probe=$2
source "$(dirname "$0")/tree_checks.sh"
skip() { echo "SKIP: $*"; exit 77; }

for tool in mmdebstrap lintian apt-get runuser taskset xvfb-run xauth python3 desktop-file-validate \
            appstreamcli man dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
[ "$(id -u)" -eq 0 ] || skip "the chroot and installing the package need root"
if dpkg-query -W -f='${db:Status-Status}' quillmere 2>/dev/null | grep -qx installed; then
  skip "quillmere is installed already; this test would remove it"
fi
# The chroot takes its packages from where this machine's apt takes Debian's.
sources=
for file in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list; do
  [ -s "$file" ] && { sources=$file; break; }
done
[ -n "$sources" ] || skip "this machine's apt names no Debian mirror"

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-package.XXXXXX")
installed=false
cleanup() {
  if $installed; then apt-get purge -y -q quillmere >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

# The sources as the repository has them, without build trees.
tree=$work/quillmere-1.0.0
mkdir "$tree"
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
  (cd "$source" && git ls-files -z --cached --others --exclude-standard \
     | tar --null --ignore-failed-read -cf - -T - 2>/dev/null) | tar -xf - -C "$tree"
else
  (cd "$source" && tar --exclude='./build*' -cf - .) | tar -xf - -C "$tree"
fi

# apt-get build-dep installs what debian/control names and nothing else; the
# build itself runs without a network, so nothing may be fetched.
out=$work/out
mkdir "$out"
echo "building the package in a fresh chroot; results in $work"
mmdebstrap --variant=buildd --mode=root --quiet \
  --customize-hook='mkdir "$1/build"' \
  --customize-hook="copy-in $tree /build" \
  --customize-hook='chroot "$1" sh -c "cd /build/quillmere-1.0.0 && apt-get build-dep -y -q -o APT::Install-Recommends=false ./"' \
  --customize-hook='unshare --net chroot "$1" sh -c "cd /build/quillmere-1.0.0 && dpkg-buildpackage -us -uc; echo \$? >../status" >"$1/build/build.log" 2>&1' \
  --customize-hook='rm -rf "$1/build/quillmere-1.0.0"' \
  --customize-hook="sync-out /build $out" \
  bookworm /dev/null "$sources" >"$work/chroot.log" 2>&1 || {
    ! grep -qE 'Temporary failure resolving|Could not resolve|Failed to fetch|Unable to connect' \
      "$work/chroot.log" || skip "Debian's mirror is out of reach"
    tail -40 "$work/chroot.log"; fail "the chroot could not be made"; }
[ "$(cat "$out/status")" = 0 ] || { tail -40 "$out/build.log"; fail "dpkg-buildpackage failed"; }
! grep -E ': warning:' "$out/build.log" || fail "the compiler warns"
# debhelper hands these three to every CMake project, and CMake reports them
# unread; any other is a setting the project does not know (or no longer has).
unused=$(sed -n '/Manually-specified variables were not used/,/^-- /s/^    \([A-Za-z0-9_]*\)$/\1/p' "$out/build.log" \
  | grep -vxE 'CMAKE_EXPORT_NO_PACKAGE_REGISTRY|CMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY|FETCHCONTENT_FULLY_DISCONNECTED' || true)
[ -z "$unused" ] || fail "the package build sets variables the project does not read: $unused"
warnings=$(grep -c '^CMake Warning' "$out/build.log" || true)
! grep -q 'Manually-specified variables were not used' "$out/build.log" || warnings=$((warnings - 1))
[ "$warnings" -eq 0 ] || { grep -A5 '^CMake Warning' "$out/build.log"; fail "CMake warns"; }
deb=$out/quillmere_1.0.0_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package at $deb"

# Every tag counts, whatever its level; overrides carry their reasons in debian/.
lintian -EvI --pedantic "$out"/quillmere_1.0.0_*.changes 2>/dev/null | tee "$work/lintian.log"
! grep -q '^[EWIPX]: ' "$work/lintian.log" || fail "lintian has tags to report"

field() { dpkg-deb -f "$deb" "$1"; }
for needed in libc6 libqt6widgets6 libqt6webenginewidgets6 libfontconfig1 qt6-qpa-plugins \
              libqt6webenginecore6-bin; do
  [[ ", $(field Depends)," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $(field Depends)"
done
[ "$(field Recommends)" = "qt6-image-formats-plugins, qt6-wayland" ] || fail "Recommends is '$(field Recommends)'"
mkdir "$work/control"
dpkg-deb -e "$deb" "$work/control"
! grep -rl ldconfig "$work/control" || fail "a maintainer script calls ldconfig"

dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root"
# A library search path would send the loader through the program's folders
# for every system library at each start.
for elf in "$work/root/usr/bin/quillmere" "$work"/root/usr/lib/*/quillmere/*.so; do
  ! readelf -d "$elf" | grep -qE 'RPATH|RUNPATH' || fail "$elf carries a library search path"
done
mapfile -t shipped < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')

apt-get install -y -q --no-install-recommends "$deb" >"$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "the package does not install"; }
installed=true
for f in "${shipped[@]}"; do [ -e "$f" ] || fail "$f is not installed"; done
man -w quillmere >/dev/null || fail "man quillmere finds no page"

# An unprivileged user with a home and runtime folder of its own, as a person
# would start it: the browser engine keeps its sandbox.
home=$work/home
mkdir -m 700 "$home" "$home/run"
cp "$probe" "$(dirname "$0")/preview_sandboxed.py" "$home/"
chown -R nobody: "$home"
unset QT_QPA_PLATFORM QTWEBENGINE_DISABLE_SANDBOX
as_user() {
  (cd "$home" && timeout 120 runuser -u nobody -- env HOME="$home" XDG_RUNTIME_DIR="$home/run" \
     TMPDIR="$home" "$@")
}
as_user taskset -c 0 xvfb-run -a /usr/bin/python3 "$home/window_probe.py" lifecycle --main Quillmere \
  --dismiss Error --timeout 30 /usr/bin/quillmere || fail "the installed program did not run to its main window and end"
as_user dbus-run-session -- env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a \
  /usr/bin/python3 "$home/preview_sandboxed.py" /usr/bin/quillmere 2>"$work/preview.log" \
  || { grep -v dbus-daemon "$work/preview.log" | tail -20; fail "the installed preview did not run sandboxed"; }

apt-get purge -y -q quillmere >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "purge failed"; }
installed=false
! dpkg-query -W quillmere >/dev/null 2>&1 || fail "dpkg still knows quillmere after the purge"
for f in "${shipped[@]}" /usr/lib/"$(dpkg-architecture -qDEB_HOST_MULTIARCH)"/quillmere \
         /usr/share/doc/quillmere; do
  [ ! -e "$f" ] || fail "$f is left after the purge"
done
echo "package built, lint-clean, installed, run and purged"
