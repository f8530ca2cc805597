#!/usr/bin/env bash
# Redraws all of the game's pictures (background*.png, icon-*.png) into this folder.
#
# Builds kelvaro_draw_assets in a throw-away build folder and runs it on Qt's offscreen
# platform, so no display is needed. The drawing is deterministic: running this again without
# changing draw_assets.cpp gives identical files.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(mktemp -d "${TMPDIR:-/tmp}/kelvaro-assets.XXXXXX")"
trap 'rm -rf "$build"' EXIT

generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi

cmake -S "$here" -B "$build" "${generator[@]}" \
    -DCMAKE_BUILD_TYPE=Release \
    -DKELVARO_BUILD_ASSET_GENERATOR=ON
cmake --build "$build" --target kelvaro_draw_assets --parallel 2
QT_QPA_PLATFORM=offscreen "$build/kelvaro_draw_assets" "$here"
