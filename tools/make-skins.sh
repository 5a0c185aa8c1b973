#!/bin/sh
# Draws both skins into modules/img/, the icons (modules/img/logo.ico,
# packaging/icons/hicolor/) and the contact sheets in docs/data/.
# Usage: tools/make-skins.sh [build folder]   (default: build-tools/)
# Needs the build packages and ImageMagick (/usr/bin/convert) for the .ico file.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-tools}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target k3skins
export QT_QPA_PLATFORM=offscreen
"$build/tools/k3skins" pictures "$root" "$work"

for size in 16 24 32 48 64 128 256; do
    dir="$root/packaging/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    cp "$work/icon-$(printf %03d "$size").png" "$dir/k3config.png"
done
/usr/bin/convert "$work"/icon-016.png "$work"/icon-024.png "$work"/icon-032.png "$work"/icon-048.png \
    "$work"/icon-064.png "$work"/icon-128.png "$work"/icon-256.png "$root/modules/img/logo.ico"

"$build/tools/k3skins" sheets "$root"
echo "skins, icons and contact sheets written"
