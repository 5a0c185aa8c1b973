#!/bin/sh
# Fetches the Exo typeface (SIL Open Font License) from the npm registry and
# writes modules/font/Exo-Medium.ttf (latin subset, weight 500) with its licence.
# Needs npm and woff2_decompress (Debian package woff2).
set -eu
version=5.3.0
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
npm pack --silent "@fontsource/exo@$version" >/dev/null
tar xzf "fontsource-exo-$version.tgz"
cp package/files/exo-latin-500-normal.woff2 Exo-Medium.woff2
woff2_decompress Exo-Medium.woff2 >/dev/null

mkdir -p "$root/modules/font"
cp Exo-Medium.ttf "$root/modules/font/Exo-Medium.ttf"
cp package/LICENSE "$root/modules/font/OFL.txt"
echo "wrote $root/modules/font/Exo-Medium.ttf"
