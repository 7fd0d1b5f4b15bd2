#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What installing Brightsum costs on a fresh Debian 12, beside programs of the
# same kind: the number of new packages and the megabytes of disk space that
# apt reports for each, recommended packages included. Nothing is installed:
# apt is only asked (--assume-no), in a Debian 12 root made once by debootstrap.
#
#   measure-install.sh ROOT [BRIGHTSUM.deb...]
#
# ROOT is a folder outside the source tree: made with debootstrap when it holds
# no Debian 12 system yet, reused as it is otherwise (its package lists are
# brought up to date). Without a .deb, build/brightsum_*.deb beside this script's
# folder is measured (made with `cd build && cpack -G DEB`). MIRROR chooses the
# Debian mirror for a new root (debootstrap's own by default). Run as root.
set -eu

[ $# -ge 1 ] || { echo "usage: $0 ROOT [BRIGHTSUM.deb...]" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0: debootstrap and chroot need root" >&2; exit 2; }
root=$(realpath -m "$1")
shift
if [ $# -eq 0 ]; then
  set -- "$(dirname "$(realpath "$0")")"/../build/brightsum_*.deb
fi
for deb in "$@"; do
  [ -f "$deb" ] || { echo "$0: no package $deb (cd build && cpack -G DEB)" >&2; exit 2; }
done

# The peers: programs for practising arithmetic at school, on Qt or KDE and not.
peers="kbruch gcompris-qt|gcompris tuxmath"

export LC_ALL=C DEBIAN_FRONTEND=noninteractive

if [ ! -f "$root/var/lib/dpkg/status" ]; then
  command -v debootstrap >/dev/null 2>&1 || { echo "$0: apt-get install debootstrap" >&2; exit 2; }
  echo "Making a Debian 12 root in $root ..." >&2
  mkdir -p "$root"
  # shellcheck disable=SC2086 # an empty MIRROR leaves debootstrap its own
  debootstrap bookworm "$root" ${MIRROR:-} >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
fi
case $(cat "$root/etc/debian_version" 2>/dev/null) in
  12.*) ;;
  *) echo "$0: $root is not a Debian 12 root" >&2; exit 2 ;;
esac

in_root() { chroot "$root" "$@"; }
in_root apt-get update -qq >/dev/null

scratch=$root/tmp/measure-install
mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT

# "PACKAGES MB" that apt would add for the packages or .deb files named.
measure() {
  report=$(in_root apt-get install --assume-no -o APT::Install-Recommends=true "$@" 2>&1) || true
  count=$(echo "$report" | sed -n 's/.* \([0-9]*\) newly installed.*/\1/p')
  space=$(echo "$report" | sed -n 's/^After this operation, \([0-9.,]*\) \([kMG]\)B of additional disk space.*/\1 \2/p')
  if [ -z "$count" ] || [ -z "$space" ]; then
    echo "$report" | grep -E '^E:' >&2
    echo "- -"
    return
  fi
  echo "$count $space" | tr -d , | awk '{ mb = $2 * ($3 == "k" ? 0.001 : $3 == "G" ? 1000 : 1); printf "%d %.0f\n", $1, mb }'
}

printf 'Debian %s root %s; load %s\n' "$(cat "$root/etc/debian_version")" "$root" \
  "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-36s %9s %8s %9s\n' "installs" "packages" "MB" "x kbruch"

results=$scratch/results
: >"$results"
for deb in "$@"; do
  cp "$deb" "$scratch/"
  echo "$(basename "$deb") $(measure "/tmp/measure-install/$(basename "$deb")")" >>"$results"
done
for alternatives in $peers; do
  name=$(echo "$alternatives" | tr '|' '\n' | while read -r candidate; do
    in_root apt-cache show "$candidate" >/dev/null 2>&1 && { echo "$candidate"; break; }
  done)
  [ -n "$name" ] || { echo "$alternatives: not in the archive" >&2; continue; }
  echo "$name $(measure "$name")" >>"$results"
done

kbruch=$(awk '$1 == "kbruch" { print $3 }' "$results")
awk -v k="${kbruch:-0}" '{
  ratio = (k > 0 && $3 != "-") ? sprintf("%.2f", $3 / k) : "-"
  printf "%-36s %9s %8s %9s\n", $1, $2, $3, ratio
}' "$results"
