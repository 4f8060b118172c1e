#!/usr/bin/env bash
# Builds the Debian package from a scratch copy of the source tree as a
# maintainer would, holds it to lintian, installs it on this machine, starts
# the installed program as an unprivileged user on a private X server (to its
# main window, then to a preview drawn with the browser sandbox on), purges it
# and checks that nothing of it is left. Needs root to install; 77 = skipped.
set -euo pipefail
source=$(cd "$1" && pwd)
probe=$2
source "$(dirname "$0")/tree_checks.sh"
skip() { echo "SKIP: $*"; exit 77; }

for tool in dpkg-buildpackage dh dpkg-checkbuilddeps lintian apt-get runuser xvfb-run xauth \
            python3 desktop-file-validate appstreamcli man dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
[ "$(id -u)" -eq 0 ] || skip "installing the package needs root"
if dpkg-query -W -f='${db:Status-Status}' quillmere 2>/dev/null | grep -qx installed; then
  skip "quillmere is installed already; this test would remove it"
fi
(cd "$source" && dpkg-checkbuilddeps) || skip "build dependencies are missing (see above)"

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
(cd "$work" && tar --exclude=quillmere-1.0.0/debian -cJf quillmere_1.0.0.orig.tar.xz quillmere-1.0.0)

# Without a network, as build daemons build: nothing may be fetched.
offline=()
! unshare --net true 2>/dev/null || offline=(unshare --net)
echo "building the package in $work ${offline:+(without network)}"
(cd "$tree" && "${offline[@]}" dpkg-buildpackage -us -uc) >"$work/build.log" 2>&1 \
  || { tail -40 "$work/build.log"; fail "dpkg-buildpackage failed"; }
deb=$work/quillmere_1.0.0-1_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package at $deb"

# Every tag counts, whatever its level; overrides carry their reasons in debian/.
lintian -EvI --pedantic "$work"/quillmere_1.0.0-1_*.changes 2>/dev/null | tee "$work/lintian.log"
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
as_user xvfb-run -a /usr/bin/python3 "$home/window_probe.py" lifecycle --main Quillmere --dismiss Error \
  --timeout 30 /usr/bin/quillmere || fail "the installed program did not run to its main window and end"
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
