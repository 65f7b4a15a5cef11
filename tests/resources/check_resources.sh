#!/usr/bin/env bash
# Checks the committed tip pictures, icon and contact sheet:
#   - the tip sources are exactly tip01.svg..tip30.svg, portrait 100x125, pure vector, no text;
#   - each has a 100x125 and a 200x250 PNG, free of timestamp/text chunks;
#   - every rendered file matches a fresh render of its source (so nothing is stale);
#   - the 30 pictures are all visibly different from one another;
#   - corvallo.ico holds 16, 20, 24, 32, 48 and 256 px images, one of them a
#     32x32 8-bit (256-colour palette) image;
#   - corvallo-N.png, the Linux icon theme's sizes, are N x N and match a fresh render.
# Prints one line per failure and a closing "N passed, M failed"; exits non-zero on failure.
# Exits 77 (reported as skipped by ctest) when the rendering tools are not installed.
#
# Usage: check_resources.sh SOURCE_DIR
set -uo pipefail

src=${1:?usage: check_resources.sh SOURCE_DIR}
tips=$src/resources/tips
rendered=$src/resources/rendered
ico=$rendered/corvallo.ico
sheet=$src/docs/tips.png
count=30
icon_sizes="16 22 24 32 48 256"

for tool in g++ rsvg-convert convert compare identify montage od; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ]] || { echo "SKIP: fonts-dejavu-core is not installed"; exit 77; }

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# pixels_differing A B FUZZ -- how many pixels of A and B differ by more than FUZZ;
# prints "error" if the two cannot be compared (missing file, different sizes).
pixels_differing() {
  local out rc
  out=$(compare -metric AE -fuzz "$3" "$1" "$2" null: 2>&1)
  rc=$?
  if ((rc > 1)) || ! [[ $out =~ ^[0-9.e+]+$ ]]; then echo error; return; fi
  printf '%.0f\n' "$out"
}

# within LIMIT VALUE -- true when VALUE is a number no greater than LIMIT.
within() { [[ $2 != error ]] && (($2 <= $1)); }

numbers=$(seq -f '%02g' 1 "$count")

# --- sources -----------------------------------------------------------------
expected_svgs=$(for nn in $numbers; do echo "tip$nn.svg"; done)
actual_svgs=$(cd "$tips" 2>/dev/null && ls -1 -- *.svg 2>/dev/null | LC_ALL=C sort)
if [[ $actual_svgs == "$expected_svgs" ]]; then pass; else
  fail "resources/tips must hold exactly tip01.svg..tip$count.svg; found: $(echo $actual_svgs)"
fi

for nn in $numbers; do
  svg=$tips/tip$nn.svg
  [[ -f $svg ]] || continue
  problems=()
  grep -q 'viewBox="0 0 100 125"' "$svg" || problems+=("viewBox is not 0 0 100 125")
  grep -qiE '<text|<tspan' "$svg" && problems+=("contains text")
  grep -qiE '<image|href="(https?:|data:|file:)' "$svg" && problems+=("embeds an image or external file")
  if ((${#problems[@]})); then fail "tip$nn.svg: ${problems[*]}"; else pass; fi
done

# --- committed PNGs ----------------------------------------------------------
expected_pngs=$(for nn in $numbers; do echo "tip$nn.png"; echo "tip$nn@2x.png"; done | LC_ALL=C sort)
actual_pngs=$(cd "$rendered" 2>/dev/null && ls -1 -- tip*.png 2>/dev/null | LC_ALL=C sort)
if [[ $actual_pngs == "$expected_pngs" ]]; then pass; else
  fail "resources/rendered must hold exactly tipNN.png and tipNN@2x.png for 01..$count"
fi

for nn in $numbers; do
  for variant in ".png:100x125" "@2x.png:200x250"; do
    file=$rendered/tip$nn${variant%%:*}
    want="PNG ${variant#*:}"
    [[ -f $file ]] || { fail "missing $(basename "$file")"; continue; }
    got=$(identify -format '%m %wx%h' "$file" 2>/dev/null)
    if [[ $got != "$want" ]]; then fail "$(basename "$file") is '$got', expected '$want'"; continue; fi
    if LC_ALL=C grep -qa -e tIME -e tEXt -e zTXt -e iTXt "$file"; then
      fail "$(basename "$file") carries timestamp or text metadata"
      continue
    fi
    pass
  done
done

# --- fresh render ------------------------------------------------------------
# Anti-aliasing may differ a little between renderer versions, hence the fuzz and
# a tolerance of 0.2% of the pixels; any real edit to a drawing changes far more.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! bash "$src/tools/render-resources.sh" "$scratch" >"$scratch/render.log" 2>&1; then
  fail "tools/render-resources.sh failed:"
  sed 's/^/  /' "$scratch/render.log"
else
  pass
  for nn in $numbers; do
    for variant in ".png:25" "@2x.png:100"; do
      name=tip$nn${variant%%:*}
      [[ -f $rendered/$name ]] || continue
      diff=$(pixels_differing "$rendered/$name" "$scratch/resources/rendered/$name" 5%)
      if within "${variant#*:}" "$diff"; then pass; else
        fail "$name is stale: $diff pixels differ from a fresh render of tip$nn.svg (re-run tools/render-resources.sh)"
      fi
    done
  done

  fresh_ico=$scratch/resources/rendered/corvallo.ico
  frames=$(identify -format '%wx%h\n' "$ico" 2>/dev/null | wc -l)
  fresh_frames=$(identify -format '%wx%h\n' "$fresh_ico" 2>/dev/null | wc -l)
  if ((frames == 0 || frames != fresh_frames)); then
    fail "corvallo.ico has $frames images, a fresh render has $fresh_frames"
  else
    for ((k = 0; k < frames; k++)); do
      diff=$(pixels_differing "$ico[$k]" "$fresh_ico[$k]" 5%)
      if within 4 "$diff"; then pass; else
        fail "corvallo.ico image $k is stale: $diff pixels differ from a fresh render"
      fi
    done
  fi

  for size in $icon_sizes; do
    name=corvallo-$size.png
    [[ -f $rendered/$name ]] || continue
    diff=$(pixels_differing "$rendered/$name" "$scratch/resources/rendered/$name" 5%)
    if within 4 "$diff"; then pass; else
      fail "$name is stale: $diff pixels differ from a fresh render"
    fi
  done

  if [[ -f $sheet ]]; then
    diff=$(pixels_differing "$sheet" "$scratch/docs/tips.png" 5%)
    if within 200 "$diff"; then pass; else
      fail "docs/tips.png is stale: $diff pixels differ from a fresh render"
    fi
  else
    fail "docs/tips.png is missing"
  fi
fi

# --- all pictures distinct ----------------------------------------------------
# By pixels, not file hashes: two drawings that merely differ in a comment or a
# hidden element would hash differently yet show the same picture.  The least
# different pair currently differs in over a quarter of its pixels; demand 10%.
min_differing=$((100 * 125 / 10))
for i in $numbers; do
  for j in $numbers; do
    [[ $i < $j ]] || continue
    a=$rendered/tip$i.png
    b=$rendered/tip$j.png
    [[ -f $a && -f $b ]] || continue
    diff=$(pixels_differing "$a" "$b" 10%)
    if [[ $diff != error ]] && ((diff >= min_differing)); then pass; else
      fail "tip$i and tip$j look alike: only $diff pixels differ"
    fi
  done
done

# --- icon --------------------------------------------------------------------
if [[ ! -f $ico ]]; then
  fail "resources/rendered/corvallo.ico is missing"
else
  sizes=$(identify -format '%w\n' "$ico" 2>/dev/null | sort -nu | tr '\n' ' ')
  for s in 16 20 24 32 48 256; do
    if [[ " $sizes" == *" $s "* ]]; then pass; else fail "corvallo.ico has no ${s}x${s} image (has: $sizes)"; fi
  done

  # The icon directory: a 6-byte header (reserved, type 1, count), then 16 bytes
  # per image: width, height (0 means 256), colour count, reserved, planes,
  # bits per pixel, size, offset.
  read -r reserved type n < <(od -An -tu2 -N6 "$ico")
  if [[ $reserved != 0 || $type != 1 ]] || ((n < 6)); then
    fail "corvallo.ico does not start with an icon directory of at least six images"
  else
    pass
    found_palette=no
    for ((k = 0; k < n; k++)); do
      read -r w h < <(od -An -tu1 -j $((6 + 16 * k)) -N2 "$ico")
      read -r bpp < <(od -An -tu2 -j $((6 + 16 * k + 6)) -N2 "$ico")
      if ((w == 32 && h == 32 && bpp == 8)); then
        colours=$(identify -format '%k' "$ico[$k]" 2>/dev/null)
        ((colours > 0 && colours <= 256)) && found_palette=yes
      fi
    done
    if [[ $found_palette == yes ]]; then pass; else
      fail "corvallo.ico has no 32x32 8-bit (256-colour palette) image"
    fi
  fi
fi

for size in $icon_sizes; do
  file=$rendered/corvallo-$size.png
  [[ -f $file ]] || { fail "missing corvallo-$size.png"; continue; }
  got=$(identify -format '%m %wx%h' "$file" 2>/dev/null)
  if [[ $got != "PNG ${size}x${size}" ]]; then
    fail "corvallo-$size.png is '$got', expected 'PNG ${size}x${size}'"
  elif LC_ALL=C grep -qa -e tIME -e tEXt -e zTXt -e iTXt "$file"; then
    fail "corvallo-$size.png carries timestamp or text metadata"
  else
    pass
  fi
done

echo "$passed passed, $failed failed"
((failed == 0))
