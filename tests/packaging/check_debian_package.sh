#!/usr/bin/env bash
# Builds the Debian package from a scratch copy of the source tree as a
# maintainer would, holds it to lintian, installs it on this machine, starts
# the installed program as an unprivileged user on a private X server, purges
# it and checks that nothing of it is left. Needs root to install; 77 = skipped.
set -euo pipefail
source=$(cd "$1" && pwd)
probe=$2
source "$(dirname "$0")/tree_checks.sh"
skip() { echo "SKIP: $*"; exit 77; }

for tool in dpkg-buildpackage dh dpkg-checkbuilddeps lintian apt-get runuser xvfb-run xauth \
            python3 desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
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

echo "building the package in $work"
(cd "$tree" && dpkg-buildpackage -us -uc) >"$work/build.log" 2>&1 \
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
[ "$(field Recommends)" = qt6-wayland ] || fail "Recommends is '$(field Recommends)'"
mkdir "$work/control"
dpkg-deb -e "$deb" "$work/control"
! grep -rl ldconfig "$work/control" || fail "a maintainer script calls ldconfig"

dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root"
mapfile -t shipped < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')

apt-get install -y -q --no-install-recommends "$deb" >"$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "the package does not install"; }
installed=true
for f in "${shipped[@]}"; do [ -e "$f" ] || fail "$f is not installed"; done
man -w quillmere >/dev/null || fail "man quillmere finds no page"

# An unprivileged user with a home and runtime folder of its own, so the
# browser engine would keep its sandbox.
home=$work/home
mkdir -m 700 "$home" "$home/run"
cp "$probe" "$home/window_probe.py"
chown -R nobody: "$home"
unset QT_QPA_PLATFORM QTWEBENGINE_DISABLE_SANDBOX
(cd "$home" && timeout 90 runuser -u nobody -- env HOME="$home" XDG_RUNTIME_DIR="$home/run" \
   TMPDIR="$home" xvfb-run -a python3 "$home/window_probe.py" lifecycle --main Quillmere --dismiss Error \
   --timeout 30 /usr/bin/quillmere) || fail "the installed program did not run to its main window"
[ -z "$(ls -A "$home/run/quillmere" 2>/dev/null)" ] || fail "a preview folder outlived the program"

apt-get purge -y -q quillmere >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "purge failed"; }
installed=false
! dpkg-query -W quillmere >/dev/null 2>&1 || fail "dpkg still knows quillmere after the purge"
for f in "${shipped[@]}" /usr/lib/"$(dpkg-architecture -qDEB_HOST_MULTIARCH)"/quillmere \
         /usr/share/doc/quillmere; do
  [ ! -e "$f" ] || fail "$f is left after the purge"
done
echo "package built, lint-clean, installed, run and purged"
