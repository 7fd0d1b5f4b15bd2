#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the desktop integration files. Run by CTest.
#   check.sh validate PACKAGING_FOLDER APP_ID SIZE...
#       the desktop's validators, then the links between the files: the entry
#       named by the metadata, the icon at every size; the French and Spanish
#       names and summaries, and no screenshot address that nothing serves
#   check.sh install BUILD_FOLDER APP_ID SIZE...
#       installs the build into a scratch prefix and looks for every file there
#   check.sh package BUILD_FOLDER SOURCE_FOLDER
#       makes the Debian package in a scratch folder: no path of the source tree
#       in the program, Depends worked out from it, no sound library linked but
#       the ones it loads recommended, and lintian clean of errors and warnings
#       (skipped, exit 77, when lintian is not installed)
set -u

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The width and height stored in a PNG file's header, as "W H".
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4, $7 * 256 + $8 }'
}

# The value of a key of the desktop entry.
desktop_value() {
  sed -n "s/^$2=//p" "$1" | head -n 1
}

validate() {
  folder=$1 id=$2
  shift 2
  desktop=$folder/$id.desktop
  metainfo=$folder/$id.metainfo.xml
  for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "FAIL: $tool is missing: install the Debian packages desktop-file-utils and appstream" >&2
      exit 1
    fi
  done
  # Its warnings and hints leave the exit status at 0, so any output counts.
  report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] ||
    fail "desktop-file-validate: ${report:-rejects $desktop}"
  appstreamcli validate --no-net --strict --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"

  grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
  icon=$(desktop_value "$desktop" Icon)
  grep -q "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "the metadata's icon is not $icon"
  for size in "$@"; do
    file=$folder/icons/$size/$icon.png
    if [ ! -f "$file" ]; then
      fail "no icon $file"
    elif [ "$(png_size "$file")" != "$size $size" ]; then
      fail "$file is $(png_size "$file"), not $size x $size"
    fi
  done
  # The languages the program speaks besides English.
  for lang in fr es; do
    for key in Name GenericName Comment Keywords; do
      [ -n "$(desktop_value "$desktop" "$key\\[$lang\\]")" ] || fail "the entry has no ${key}[$lang]"
    done
    for element in name summary; do
      grep -q "<$element xml:lang=\"$lang\">" "$metainfo" || fail "the metadata has no $lang $element"
    done
  done
  # No address on the web serves screenshots: the metadata names none, and
  # those in screenshots/ go with the package's documents.
  if grep -q '<screenshot' "$metainfo"; then
    fail "the metadata names screenshots that no address serves"
  fi
}

install_check() {
  build=$1 id=$2
  shift 2
  prefix=$(mktemp -d)
  trap 'rm -rf "$prefix"' EXIT
  "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null || { fail "cmake --install failed"; return; }
  share=$prefix/share
  exec=$(desktop_value "$share/applications/$id.desktop" Exec)
  [ -x "$prefix/bin/${exec%% *}" ] || fail "the entry's Exec '$exec' is not an installed program"
  for file in applications/$id.desktop metainfo/$id.metainfo.xml \
              brightsum/Exercises/Addition.dat brightsum/HTM/welcome.htm \
              brightsum/Art/Icons/main.png "brightsum/Sample/Sample Template.dat" \
              man/man6/brightsum.6.gz doc/brightsum/copyright doc/brightsum/changelog.Debian.gz; do
    [ -f "$share/$file" ] || fail "share/$file is not installed"
  done
  icon=$(desktop_value "$share/applications/$id.desktop" Icon)
  for size in "$@"; do
    [ -f "$share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no installed $icon icon at $size"
  done
  ls "$share"/doc/brightsum/screenshots/*.png >/dev/null 2>&1 || fail "the screenshots are not installed"
}

package_check() {
  build=$1 source=$2
  command -v lintian >/dev/null 2>&1 || { echo "lintian is not installed: the package is not checked"; exit 77; }
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  "${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; return; }
  deb=$(ls "$scratch"/*.deb)
  dpkg-deb -x "$deb" "$scratch/root"
  # Text in the program is UTF-8 or UTF-16 (Qt's string literals).
  program=$scratch/root/usr/bin/brightsum
  if { strings -a "$program"; strings -a -el "$program"; } | grep -F "$source"; then
    fail "the packaged program names the source tree $source"
  fi
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6widgets6 qt6-qpa-plugins; do
    echo "$depends" | grep -q "$needed" || fail "Depends lacks $needed: $depends"
  done
  # The sound libraries are loaded when the first sound plays, never at start.
  linked=$(objdump -p "$program" | sed -n 's/^ *NEEDED *//p')
  echo "$linked" | grep -E 'Multimedia|libpulse|libsndfile' && fail "the program links a sound library"
  recommends=$(dpkg-deb -f "$deb" Recommends)
  echo "$depends" | grep -E 'texttospeech|speech-dispatcher' && fail "Depends holds the speech libraries: $depends"
  for wanted in libpulse0 libsndfile1 libqt6texttospeech6 qt6-speech-speechd-plugin speech-dispatcher; do
    echo "$recommends" | grep -q "$wanted" || fail "Recommends lacks $wanted: $recommends"
  done
  lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings in $(basename "$deb")"
}

mode=${1:-}
[ $# -ge 3 ] || { echo "usage: $0 validate|install|package FOLDER ..." >&2; exit 2; }
shift
case $mode in
  validate) validate "$@" ;;
  install) install_check "$@" ;;
  package) package_check "$@" ;;
  *) echo "usage: $0 validate|install|package FOLDER ..." >&2; exit 2 ;;
esac
[ "$failures" -eq 0 ] || exit 1
echo "packaging $mode: all checks passed"
