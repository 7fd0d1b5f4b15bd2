#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots installed with the package's documents, with the program in
# a virtual screen and a window manager, signed in as a new child who answers
# a few Addition questions. Needs xvfb, openbox, xdotool and imagemagick.
# The output is kept in the repository; run this again when the windows change:
#   packaging/make-screenshots.sh build/brightsum
set -euo pipefail

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1100x760x24" "$0" "$@"
fi

program=$(realpath "${1:?usage: $0 PATH_TO_BRIGHTSUM}")
output=$(realpath "$(dirname "$0")")/screenshots
config=$(mktemp -d)
mkdir -p "$config/Halvane"
# A window geometry in the store skips the first-run setup.
printf '[application]\nwidth=1100\nheight=760\nx=0\ny=0\n' >"$config/Halvane/Brightsum.conf"

openbox & manager=$!
sleep 2
XDG_CONFIG_HOME=$config "$program" & app=$!
trap 'kill $app $manager 2>/dev/null; rm -rf "$config"' EXIT

shoot() {
  xdotool mousemove 1000 750
  sleep 1
  import -window root -strip -define png:exclude-chunks=date,time "$output/$1.png"
}

sleep 5
shoot signin
xdotool type --delay 80 Maya
xdotool key Return
sleep 2
xdotool key ctrl+2
sleep 2
# The answers of the first five Addition questions.
for answer in 7 11 15 17 50; do
  xdotool type --delay 80 "$answer"
  xdotool key Return
  sleep 1.5
done
shoot exercise
# The Clue button of the exercise window as the window opens.
xdotool mousemove 84 362 click 1
sleep 1
shoot clue
