#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Brightsum on a private X server and D-Bus session with Qt's
# accessibility bridge on, and lets check_exercise_tree.py look at it as a
# screen reader would. Always ends the program and its servers.
#   run.sh PATH/TO/brightsum
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = "--inside" ]; then
  # On the private X server and session bus: start the program, check, end it.
  program=$2 scratch=$3
  exec >"$scratch/check.log" 2>&1
  export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  export XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
  ready="$scratch/listening"
  timeout 90 /usr/bin/python3 "$here/check_exercise_tree.py" "$ready" &
  checker=$!
  for _ in $(seq 100); do
    [ -e "$ready" ] || ! kill -0 "$checker" 2>/dev/null && break
    sleep 0.1
  done
  "$program" >"$scratch/program.log" 2>&1 &
  pid=$!
  wait "$checker"
  result=$?
  kill "$pid" 2>/dev/null
  for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if [ "$result" -ne 0 ]; then
    echo "--- what the program printed:"
    cat "$scratch/program.log"
  fi
  exit "$result"
fi

program=$(readlink -f "${1:?usage: run.sh PATH/TO/brightsum}")
for tool in xvfb-run xauth dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing $tool: install at-spi2-core dbus-daemon xvfb xauth xdotool"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "missing python3-pyatspi"; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config/Halvane" "$scratch/runtime"
chmod 700 "$scratch/runtime"
# A computer already set up, so the first-run dialog stays away; nobody has signed in yet.
printf '[application]\nwidth=1100\nheight=760\nx=0\ny=0\n' >"$scratch/config/Halvane/Brightsum.conf"

# The session bus starts the accessibility bus and its registry when first asked;
# the desktop's own accessibility bus, if any, is left alone. Whatever the
# servers leave running holds no pipe of the caller: all output goes to files.
unset AT_SPI_BUS_ADDRESS
timeout -k 5 110 xvfb-run -a -s "-screen 0 1280x900x24" \
  dbus-run-session -- bash "$0" --inside "$program" "$scratch" >"$scratch/buses.log" 2>&1
result=$?
cat "$scratch/check.log" 2>/dev/null
[ "$result" -eq 0 ] || { echo "--- what the servers printed (exit status $result):"; cat "$scratch/buses.log"; }
exit "$result"
