#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop reads of it:
# the layout, the entry and the metadata as their validators see them.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "install-check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.tovaleaf.Tovaleaf
entry=$prefix/share/applications/$id.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
meta=$prefix/share/metainfo/$id.metainfo.xml

[ -x "$prefix/bin/tovaleaf" ] || fail "no program in bin"
for f in color.htm shadow.vs time.vs tvl.txt map.htm attension.txt; do
  [ -f "$prefix/share/tovaleaf/$f" ] || fail "installation file $f missing"
done
[ -f "$entry" ] && [ -f "$icon" ] && [ -f "$meta" ] || fail "entry, icon or metadata missing"

desktop-file-validate "$entry" || fail "desktop-file-validate refused the entry"
appstreamcli validate --no-net "$meta" || fail "appstreamcli refused the metadata"

grep -qx 'Exec=tovaleaf %f' "$entry" || fail "the entry does not start the program with a file"
grep -qx "Icon=$id" "$entry" || fail "the entry names another icon"
grep -q '^Name\[ja\]=' "$entry" && grep -q '^Comment\[ja\]=' "$entry" || fail "no Japanese name or comment"
grep -q '<svg' "$icon" || fail "the icon is not an SVG drawing"
echo "install-check: installed and validated under $prefix"
