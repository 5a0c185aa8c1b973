#!/bin/sh
# Writes modules/font/k3config-Symbols.ttf with its licence: the few symbols the
# interface shows that Exo has no glyph for, taken from Noto Sans JP and Noto Sans
# Symbols 2 (SIL Open Font License) from the npm registry and renamed, as the
# licence asks of a modified font. The program registers it as Exo's fallback.
# Needs npm, woff2_decompress (Debian package woff2) and fonttools (Debian package).
set -eu
symbols='→╳▲►▼◄●【】'
jp=5.3.0
symbols2=5.3.0
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
npm pack --silent "@fontsource/noto-sans-jp@$jp" "@fontsource/noto-sans-symbols-2@$symbols2" >/dev/null
mkdir jp symbols2
tar xzf "fontsource-noto-sans-jp-$jp.tgz" -C jp
tar xzf "fontsource-noto-sans-symbols-2-$symbols2.tgz" -C symbols2
# The packages split a font by Unicode range: ╳ is in part 57 of Noto Sans JP, → in 107, 【】 in 116.
n=0
for part in jp/package/files/noto-sans-jp-57-500-normal jp/package/files/noto-sans-jp-107-500-normal \
            jp/package/files/noto-sans-jp-116-500-normal symbols2/package/files/noto-sans-symbols-2-symbols-400-normal; do
    woff2_decompress "$part.woff2" >/dev/null
    cp "$part.ttf" "part$n.ttf"
    n=$((n + 1))
done
pyftmerge part0.ttf part1.ttf part2.ttf part3.ttf 2>/dev/null
pyftsubset merged.ttf --text="$symbols" --output-file=subset.ttf
/usr/bin/python3 - <<'PY'
from fontTools.ttLib import TTFont
copyrights = sorted({TTFont(f)["name"].getDebugName(0) for f in ("part0.ttf", "part3.ttf")})
font = TTFont("subset.ttf")
names = {0: " ".join(copyrights), 1: "k3config Symbols", 2: "Regular", 4: "k3config Symbols",
         6: "k3configSymbols-Regular"}
font["name"].names = [n for n in font["name"].names if n.nameID not in (0, 1, 2, 3, 4, 6, 16, 17)]
for nameID, text in names.items():
    font["name"].setName(text, nameID, 3, 1, 0x409)
font.save("k3config-Symbols.ttf")
with open("licence-head.txt", "w") as head:
    head.write("k3config Symbols is a subset of Noto Sans JP and Noto Sans Symbols 2, renamed.\n\n")
    head.write("\n".join(copyrights) + "\n\n")
PY

mkdir -p "$root/modules/font"
cp k3config-Symbols.ttf "$root/modules/font/k3config-Symbols.ttf"
sed 1,2d symbols2/package/LICENSE | cat licence-head.txt - >"$root/modules/font/k3config-Symbols-OFL.txt"
echo "wrote $root/modules/font/k3config-Symbols.ttf"
