#!/usr/bin/env bash
# Makes the Debian package of the build folder $2 with CPack $1 and checks it: the programs in
# /usr/games, compressed manual pages and changelog, the copyright file, the collections read by the
# packaged qbr, and no error or warning from lintian.
set -euo pipefail
cpack=$1 build=$2
command -v lintian >/dev/null || { echo "lintian is missing: run scripts/install-deps.sh"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null 2>"$work/cpack.log" ||
  { cat "$work/cpack.log"; echo "cpack failed"; exit 1; }
deb=$(echo "$work"/quintaro_*.deb)
[ -f "$deb" ] || { echo "cpack made no quintaro_*.deb"; exit 1; }
fail=0
problem() { echo "$*"; fail=1; }

dpkg-deb -x "$deb" "$work/root"
root=$work/root/usr
for f in games/quintaro games/qbr; do
  [ -x "$root/$f" ] || problem "/usr/$f is missing or not executable"
done
[ ! -e "$root/bin" ] || problem "the package has programs in /usr/bin: $(ls "$root/bin" | tr '\n' ' ')"
for f in share/man/man1/qbr.1.gz share/man/man6/quintaro.6.gz share/doc/quintaro/changelog.gz; do
  gzip -t "$root/$f" 2>/dev/null || problem "/usr/$f is missing or no gzip file"
done
head -n 1 "$root/share/doc/quintaro/copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  problem "/usr/share/doc/quintaro/copyright is no machine-readable copyright file"
"$root/games/qbr" check "$root/share/quintaro/leicht.qbr" --shuffles 0 >/dev/null ||
  problem "the packaged qbr fails on the packaged collection"

# lintian fails on any error or warning (its "E:" and "W:" lines), or when it cannot check the package.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
  grep -v "running with root privileges" "$work/lintian.log"
  problem "lintian rejects the package (lines above)"
fi
[ $fail = 0 ] && echo "package: $(basename "$deb") holds the game in /usr/games and passes lintian"
exit $fail
