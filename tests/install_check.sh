#!/usr/bin/env bash
# Installs the build folder $2 (sources in $3) with CMake $1 under /usr in a temporary DESTDIR and checks what lands where;
# then the package's layout, which moves the programs to games/.
set -euo pipefail
cmake=$1 build=$2 src=$3
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh"; exit 1; }
done
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest "$cmake" --install "$build" --prefix /usr >/dev/null
root=$dest/usr
id=de.norvik.Quintaro
fail=0
problem() { echo "$*"; fail=1; }

# Exactly these files, and nothing besides them.
expected=(
  bin/quintaro bin/qbr
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  share/man/man1/qbr.1.gz share/man/man6/quintaro.6.gz
  share/doc/quintaro/copyright share/doc/quintaro/changelog.gz
  "share/icons/hicolor/scalable/apps/$id.svg"
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for f in "$src"/data/*.qbr "$src"/data/*.htm "$src"/data/hilfe-feld.png; do
  expected+=("share/quintaro/$(basename "$f")")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort) \
  || problem "the installed files differ from the expected ones (< expected, > installed)"
[ "$(find "$dest" -mindepth 1 -maxdepth 1)" = "$root" ] || problem "something was installed outside the prefix"

for exe in quintaro qbr; do
  [ -x "$root/bin/$exe" ] || problem "bin/$exe is not executable"
done
for page in man1/qbr.1 man6/quintaro.6; do
  gzip -dc "$root/share/man/$page.gz" | cmp -s - "$src/dist/$(basename "$page")" || problem "share/man/$page.gz is not dist/$(basename "$page") compressed"
done
"$root/bin/qbr" check "$root/share/quintaro/leicht.qbr" --shuffles 0 >/dev/null || problem "the installed qbr fails on the installed collection"
for f in "$src"/data/*.qbr "$src"/data/*.htm "$src"/data/hilfe-feld.png; do
  cmp -s "$f" "$root/share/quintaro/$(basename "$f")" || problem "share/quintaro/$(basename "$f") differs from data/"
done

# Each PNG holds the size its folder names (width and height from the IHDR chunk).
for size in 16 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$png" ] || continue
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
  [ "$w $h" = "$size $size" ] || problem "the ${size}x$size icon is ${w}x$h"
done

# The entry starts the installed game with the installed icon, and the AppStream entry launches that entry.
desktop=$root/share/applications/$id.desktop
metainfo=$root/share/metainfo/$id.metainfo.xml
grep -qx "Exec=quintaro" "$desktop" || problem "the desktop entry does not start quintaro"
grep -qx "Icon=$id" "$desktop" || problem "the desktop entry does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || problem "the metainfo does not launch $id.desktop"
desktop-file-validate "$desktop" || problem "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net "$metainfo" || problem "appstreamcli rejects the metainfo"

# The package's layout, installed as CPack installs it: the same files with the programs in games/.
games=$(mktemp -d)
trap 'rm -rf "$dest" "$games"' EXIT
DESTDIR=$games "$cmake" -DCMAKE_INSTALL_PREFIX=/usr -DQUINTARO_PROGRAM_DIR=games -P "$build/cmake_install.cmake" >/dev/null
diff <(cd "$root" && find . -type f | sed 's|^\./bin/|./games/|' | sort) <(cd "$games/usr" && find . -type f | sort) \
  || problem "the package's layout differs from the install's other than in bin/ and games/ (< install, > package)"
exit $fail
