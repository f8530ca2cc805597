#!/usr/bin/env bash
# Installs the game into a throw-away prefix and builds and unpacks its Debian package into a
# throw-away root; checks each time that every file is where the desktop entry and the
# metainfo say, and that both pass their validators.
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

# Checks an installed tree whose data lives under ROOT/share and programs under ROOT/bin.
check_tree() {
  local root="$1" desktop metainfo program icon size
  desktop="$root/share/applications/$id.desktop"
  metainfo="$root/share/metainfo/$id.metainfo.xml"
  [ -f "$desktop" ] || fail "no desktop entry at $desktop"
  [ -f "$metainfo" ] || fail "no metainfo at $metainfo"
  desktop-file-validate "$desktop" || fail "desktop-file-validate refused $desktop"
  appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli refused $metainfo"

  program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  [ -x "$root/bin/$program" ] || fail "Exec=$program is not installed in $root/bin"
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
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
  [[ "$depends" == *"$library"* ]] || fail "the package does not depend on $library"
done
dpkg-deb -x "$package" "$work/root"
check_tree "$work/root/usr"
echo "installed and packaged files are where the desktop entry and the metainfo say"
