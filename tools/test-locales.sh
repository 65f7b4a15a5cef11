#!/usr/bin/env bash
# The long run of the update reminder's locale test under Wine: every locale
# in the list below, where the default "ctest --preset windows" runs one of
# each kind (ja_JP, he_IL, th_TH). Each run starts the real program at a first
# run, twenty days later and once more, with the clock moved by libfaketime.
# Writes the table of what was stored to build/windows/locales.md
# (docs/locales.md is its reviewed copy). The locales come from
# tools/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

# Locale and the ANSI code page Wine must give it.
locales=(
  en_US:1252 pl_PL:1250 ru_RU:1251 el_GR:1253 tr_TR:1254 he_IL:1255 ar_EG:1256
  lt_LT:1257 vi_VN:1258 th_TH:874 ja_JP:932 zh_CN:936 ko_KR:949 zh_TW:950
)

cmake --preset windows >/dev/null
cmake --build --preset windows
build=$PWD/build/windows
faketime=$(find /usr/lib/x86_64-linux-gnu/faketime /usr/lib/faketime -name libfaketime.so.1 \
  2>/dev/null | head -n 1 || true)
[[ -n $faketime ]] || { echo "libfaketime not found (Debian package faketime)" >&2; exit 1; }
table=$build/locales.md
{
  echo "| Locale | Code page | Short date | \"Date\" after a first run | \"Duration\" after a first run (name = value) | Asks after 20 days |"
  echo "|---|---|---|---|---|---|"
} >"$table"
failed=()
for entry in "${locales[@]}"; do
  locale=${entry%%:*}
  echo "== $locale"
  LANG=$locale.UTF-8 CORVALLO_EXPECTED_CODE_PAGE=${entry##*:} \
    CORVALLO_EXE="Z:$build/Corvallo.exe" CORVALLO_LOCALE_TABLE=$table \
    WINE_RUN_PRELOAD=$faketime FAKETIME_TIMESTAMP_FILE=$build/locale-clock-offset \
    FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
    bash tools/run/wine-run.sh --prefix "$build/wineprefix" \
    "$build/tests/win32/faults/corvallo_locale_tests.exe" || failed+=("$locale")
done
echo "Table: $table"
if ((${#failed[@]})); then
  echo "Failed: ${failed[*]}" >&2
  exit 1
fi
