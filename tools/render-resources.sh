#!/usr/bin/env bash
# Renders Corvallo's pictures from their hand-written SVG sources.
#
#   resources/tips/tipNN.svg   -> resources/rendered/tipNN.png     (100x125)
#                              -> resources/rendered/tipNN@2x.png  (200x250)
#   resources/icon/*.svg       -> resources/rendered/corvallo.ico  (16, 20, 24, 32, 32 in 256 colours, 48, 256)
#                              -> resources/rendered/corvallo-N.png (N = 16, 22, 24, 32, 48, 256: the
#                                 Linux icon theme's sizes)
#   all of the above           -> docs/tips.png                    (contact sheet)
#
# The rendered files are committed, so building the program never needs a renderer.
# Run this after editing any SVG and commit the results; the resources_up_to_date
# test fails while a rendered file is out of date.
#
# Usage: tools/render-resources.sh [OUTPUT_ROOT]
#   OUTPUT_ROOT defaults to the repository; the test renders into a scratch directory
#   and compares.  Needs g++ (to read the tip texts from the program's catalogue),
#   rsvg-convert (librsvg2-bin), ImageMagick and fonts-dejavu-core.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The tip texts come from the program's own catalogue: this header, whose
# array (of std::string_view, with an empty slot 0) is named below.
tip_header=$repo/core/model/TipCatalogue.h
tip_array=corvallo::kTips
out=${1:-$repo}
tips_dir=$repo/resources/tips
icon_dir=$repo/resources/icon
rendered=$out/resources/rendered
sheet=$out/docs/tips.png
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
font_bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

for tool in g++ rsvg-convert convert montage; do
  command -v "$tool" >/dev/null || { echo "render-resources: $tool not found" >&2; exit 1; }
done
for f in "$font" "$font_bold"; do
  [[ -f $f ]] || { echo "render-resources: missing $f (apt-get install fonts-dejavu-core)" >&2; exit 1; }
done

# PNG writes carry no timestamps or text chunks, so re-rendering unchanged
# sources gives byte-identical files and clean diffs.
strip_png=(-strip -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt)

# render SVG WIDTH HEIGHT OUT.png -- straight RGBA at exactly WIDTHxHEIGHT.
render() {
  rsvg-convert --width "$2" --height "$3" "$1" | convert png:- "${strip_png[@]}" "PNG32:$4"
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT; [[ -n ${KEEP_SCRATCH:-} ]] && trap - EXIT && echo "$scratch"
mkdir -p "$rendered" "$(dirname "$sheet")"

# --- tip texts ---------------------------------------------------------------
# Printed by a tiny program compiled against the catalogue, each text ended by
# a NUL byte, so that they arrive exactly as the program shows them (trailing
# blanks included); the contact sheet prints each under its picture.
[[ -f $tip_header ]] || { echo "render-resources: missing $tip_header" >&2; exit 1; }
g++ -std=c++20 -I"$repo" -I"$(dirname "$tip_header")" -x c++ -o "$scratch/print-tips" - <<EOF
#include "$(basename "$tip_header")"

#include <cstdio>

int main() {
    for (const auto& tip : $tip_array) {
        if (tip.empty()) continue;  // slot 0
        std::fwrite(tip.data(), 1, tip.size(), stdout);
        std::fputc('\0', stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
EOF
"$scratch/print-tips" >"$scratch/tips"
mapfile -d '' captions <"$scratch/tips"
svg_count=$(find "$tips_dir" -maxdepth 1 -name 'tip[0-9][0-9].svg' | wc -l)
if ((${#captions[@]} != svg_count)); then
  echo "render-resources: $tip_header has ${#captions[@]} tips, $tips_dir has $svg_count pictures" >&2
  exit 1
fi

# --- tip pictures ------------------------------------------------------------
for i in $(seq 1 ${#captions[@]}); do
  nn=$(printf '%02d' "$i")
  svg=$tips_dir/tip$nn.svg
  [[ -f $svg ]] || { echo "render-resources: missing $svg" >&2; exit 1; }
  render "$svg" 100 125 "$rendered/tip$nn.png"
  render "$svg" 200 250 "$rendered/tip$nn@2x.png"
done

# --- program icon ------------------------------------------------------------
# 16-24 px come from the simplified drawing, which keeps the hole on whole pixels;
# the larger sizes use the detailed one.  The second 32x32 image is an 8-bit,
# 256-colour palette image for displays and shells that ask for one.
small=$icon_dir/corvallo-small.svg
large=$icon_dir/corvallo.svg
for s in 16 20 22 24; do render "$small" "$s" "$s" "$scratch/icon$s.png"; done
for s in 32 48 256; do render "$large" "$s" "$s" "$scratch/icon$s.png"; done
# The sizes the Linux package installs into the hicolor icon theme, as they are.
for s in 16 22 24 32 48 256; do cp "$scratch/icon$s.png" "$rendered/corvallo-$s.png"; done
convert "$scratch/icon32.png" +dither -colors 256 -type PaletteAlpha "$scratch/icon32-8bit.png"
# The palette image is quantised inside this command: a palette PNG read back from
# disk arrives as direct colour and would be written at 32 bits per pixel.
convert "$scratch/icon16.png" "$scratch/icon20.png" "$scratch/icon24.png" \
        "$scratch/icon32.png" \( "$scratch/icon32.png" +dither -colors 256 \) "$scratch/icon48.png" \
        "$scratch/icon256.png" "${strip_png[@]}" "$rendered/corvallo.ico"

# --- contact sheet -----------------------------------------------------------
# One tile per tip: the 2x picture, its number, and the wrapped text underneath,
# in the program's red-on-black look.  Every tile has the same height so the
# grid lines up.
for i in $(seq 1 ${#captions[@]}); do
  nn=$(printf '%02d' "$i")
  convert -background black \
    "$rendered/tip$nn@2x.png" \
    \( -fill '#e0392b' -font "$font_bold" -pointsize 15 label:"$i" \) \
    \( -size 200x -fill '#b8322a' -font "$font" -pointsize 12 -gravity center caption:"${captions[i-1]}" \) \
    -gravity center -append -gravity north -extent 200x340 +repage "$scratch/tile$nn.png"
done
montage "$scratch"/tile*.png -tile 6x -geometry +12+12 -background black "$scratch/grid.png"

# The icon at every size it ships in, at actual pixels, each labelled.
cells=()
for s in 16 20 24 32 32-8bit 48 256; do
  label="${s}px"
  [[ $s == 32-8bit ]] && label="32px, 256 colours"
  convert -background black "$scratch/icon$s.png" \
    \( -fill '#b8322a' -font "$font" -pointsize 12 label:"$label" \) \
    -gravity center -append +repage "$scratch/iconcell$s.png"
  cells+=("$scratch/iconcell$s.png")
done
convert -background black "${cells[@]}" -gravity west -splice 28x0 -gravity south +append +repage \
  -gravity center -extent "$(identify -format %w "$scratch/grid.png")x300" +repage "$scratch/iconrow.png"
convert -background black "$scratch/grid.png" "$scratch/iconrow.png" -append +repage \
  -flatten "${strip_png[@]}" "PNG24:$sheet"

echo "render-resources: wrote ${#captions[@]} tips (1x and 2x), corvallo.ico, corvallo-N.png and docs/tips.png under $out"
