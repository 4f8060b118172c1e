# Checks shared by the install and package tests; sourced, not run.
# check_tree ROOT: ROOT/usr holds an installed Quillmere.

app_id=io.github.quillmere.Quillmere
icon_sizes="16 24 32 48 64 128 256"

fail() { echo "FAIL: $*" >&2; exit 1; }

png_size() {  # prints "WIDTHxHEIGHT" from a PNG header
  local hex
  hex=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
  echo "$((16#${hex:0:8}))x$((16#${hex:8:8}))"
}

check_tree() {
  local root=$1 usr=$1/usr
  local desktop=$usr/share/applications/$app_id.desktop
  local metainfo=$usr/share/metainfo/$app_id.metainfo.xml
  [ -x "$usr/bin/quillmere" ] || fail "no executable in $usr/bin"
  [ -f "$desktop" ] || fail "no desktop entry at $desktop"
  [ -f "$metainfo" ] || fail "no metainfo at $metainfo"
  compgen -G "$usr/share/man/man1/quillmere.1*" >/dev/null || fail "no manual page in $usr/share/man/man1"
  desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  appstreamcli validate-tree --no-net "$root" || fail "installed tree does not validate"

  # The desktop entry must start what was installed and find its icon.
  local exec icon
  exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ -x "$usr/bin/$exec" ] || fail "Exec=$exec is not in $usr/bin"
  grep -q "<binary>$exec</binary>" "$metainfo" || fail "metainfo does not provide $exec"
  for size in $icon_sizes; do
    local png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no ${size} px icon named $icon"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png")"
  done
}
