#!/usr/bin/env bash
# Installs the game into a throw-away prefix and builds and unpacks its Debian package into a
# throw-away root; checks each time that every file is where the desktop entry and the
# metainfo say, and that both pass their validators. The package must hold the manual page
# and pass lintian without an error.
#
# Usage: check_install.sh BUILD_FOLDER
set -euo pipefail
build="$1"
id=org.example.kelvaro
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Checks an installed tree whose data lives under ROOT/share and the program under ROOT/games.
check_tree() {
  local root="$1" desktop metainfo program icon size
  desktop="$root/share/applications/$id.desktop"
  metainfo="$root/share/metainfo/$id.metainfo.xml"
  [ -f "$desktop" ] || fail "no desktop entry at $desktop"
  [ -f "$metainfo" ] || fail "no metainfo at $metainfo"
  desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli refused $metainfo"

  # Exec names the program alone: Debian's PATH holds /usr/games.
  program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  [[ "$program" != */* ]] || fail "Exec=$program is a path, not a program on the PATH"
  [ -x "$root/games/$program" ] || fail "Exec=$program is not installed in $root/games"
  [ -f "$root/share/man/man6/$program.6.gz" ] || fail "no manual page for $program"
  grep -q "<binary>$program</binary>" "$metainfo" || fail "the metainfo names another binary"
  icon="$(sed -n 's/^Icon=//p' "$desktop")"
  for size in 16 32 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] ||
      fail "no ${size}px icon named $icon"
  done
  [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo launches another desktop entry"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix"

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack failed"
package="$(ls "$work"/package/*.deb)"
depends="$(dpkg-deb -f "$package" Depends)"
echo "package: $(basename "$package"), depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 libncursesw6 libtinfo6 libstdc++6; do
  [[ "$depends" == *"$library"* ]] || fail "the package does not depend on $library"
done
contents="$(dpkg-deb -c "$package")"
for file in ./usr/games/kelvaro ./usr/share/man/man6/kelvaro.6.gz \
  ./usr/share/doc/kelvaro/copyright ./usr/share/doc/kelvaro/changelog.gz; do
  grep -q " $file\$" <<<"$contents" || fail "the package does not hold $file"
done
# lintian prints errors as "E: ..."; warnings are shown but do not fail the check.
lintian --tag-display-limit 0 --info --pedantic "$package" | tee "$work/lintian.txt" || true
if grep -q '^E: ' "$work/lintian.txt"; then fail "lintian reports errors"; fi
dpkg-deb -x "$package" "$work/root"
check_tree "$work/root/usr"
echo "installed and packaged files are where the desktop entry and the metainfo say"
