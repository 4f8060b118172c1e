#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a throwaway
# root, checks its control data and files, then starts the unpacked program on
# a private X server: the main window must appear, and closing it must end the
# program cleanly. Without a memory stick the detection message comes first;
# it is closed as a user would.
set -euo pipefail
build=$1
probe=$2
source "$(dirname "$0")/tree_checks.sh"
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli xvfb-run xauth python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[ -x "$build/quillmere" ] || { echo "SKIP: quillmere is not built in $build"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmere deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, got: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quillmere ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 1.0.0 ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = web ] || fail "Section is '$(field Section)'"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6core6 libfontconfig1 libc6 qt6-qpa-plugins; do
  [[ ",$depends," == *[\ ,]$needed[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
[[ ",$(field Recommends)," == *[\ ,]qt6-wayland[\ ,]* ]] || fail "Recommends lacks qt6-wayland: $(field Recommends)"

dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root"

[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
unset QT_QPA_PLATFORM
cd "$work"
timeout 60 xvfb-run -a python3 "$probe" lifecycle --main Quillmere --dismiss Error \
  --timeout 20 "$work/root/usr/bin/quillmere"
