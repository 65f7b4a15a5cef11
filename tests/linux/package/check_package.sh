#!/usr/bin/env bash
# Checks the built .deb with the distribution's own tools.
#
#   check_package.sh lintian DEB    lintian reports no error and no warning
#   check_package.sh contents DEB EXPECTED
#                                   the files it holds (folders left out) are
#                                   exactly the paths listed in EXPECTED
#   check_package.sh desktop DEB    desktop-file-validate passes its menu entry
#   check_package.sh appstream DEB  appstreamcli passes its metainfo, offline,
#                                   and finds the menu entry it names
#
# Exits 77 (reported as skipped by ctest) when the tool is not installed.
set -euo pipefail

mode=${1:?usage: check_package.sh lintian|contents|desktop|appstream DEB [EXPECTED]}
deb=${2:?usage: check_package.sh MODE DEB}

need() {
  command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }
}

# unpack -- the package's files under a fresh folder, whose name it prints.
unpack() {
  root=$(mktemp -d "${TMPDIR:-/tmp}/corvallo-deb.XXXXXX")
  trap 'rm -rf "$root"' EXIT
  dpkg-deb -x "$deb" "$root"
}

case $mode in
  lintian)
    need lintian
    # --info shows the hints too, which do not fail the check.
    lintian --info --fail-on error,warning "$deb"
    ;;
  contents)
    expected=${3:?usage: check_package.sh contents DEB EXPECTED}
    # dpkg-deb -c prints "mode owner size date time ./path"; folders end in /.
    if ! diff -u "$expected" <(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed -n 's|^\./|/|; /[^/]$/p' | LC_ALL=C sort); then
      echo "the package's files (+) differ from $expected (-)"
      exit 1
    fi
    echo "the package holds the $(wc -l <"$expected") expected files"
    ;;
  desktop)
    need desktop-file-validate
    unpack
    entry=$root/usr/share/applications/corvallo.desktop
    # desktop-file-validate exits 0 on hints; anything it prints is a fault.
    output=$(desktop-file-validate "$entry" 2>&1) || { echo "$output"; exit 1; }
    if [[ -n $output ]]; then echo "$output"; exit 1; fi
    echo "desktop-file-validate: $entry is valid"
    ;;
  appstream)
    need appstreamcli
    unpack
    appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
    # The tree: the metainfo with the menu entry its launchable names.
    appstreamcli validate-tree --no-net --explain "$root"
    ;;
  *)
    echo "check_package.sh: unknown mode $mode" >&2
    exit 2
    ;;
esac
