#!/usr/bin/env bash
# The desktop entry and metainfo in the source tree pass the freedesktop and
# AppStream validators.
set -euo pipefail
packaging=$1
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
desktop-file-validate "$packaging/io.github.quillmere.Quillmere.desktop"
appstreamcli validate --pedantic --no-net "$packaging/io.github.quillmere.Quillmere.metainfo.xml"
