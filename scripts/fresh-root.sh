#!/usr/bin/env bash
# Proves the newcomer's path: builds a minimal Debian root with nothing but git added, clones this
# repository's current commit into it and runs the README's commands there, the test command last.
# Usage: bash scripts/fresh-root.sh [run|test]...   (default: run test)
# Downloaded packages are kept in $FRESH_ROOT_CACHE between runs; the root itself is always new.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)
target=$(realpath -m "${FRESH_ROOT:-$repo/build/fresh-root}")
cache=${FRESH_ROOT_CACHE:-/var/cache/velmora-fresh-root}
commands=("$@")
[ ${#commands[@]} -gt 0 ] || commands=(run test)
for c in "${commands[@]}"; do
  case "$c" in run|test) ;; *) echo "fresh-root: unknown command '$c' (run or test)" >&2; exit 2 ;; esac
done

log() { printf '[fresh-root %s] %s\n' "$(date +%T)" "$*"; }

# Everything mounted or started inside the root goes before the root is removed, on every exit path.
mounts=()
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  end_processes_in_root
  local i
  for (( i=${#mounts[@]}-1; i>=0; i-- )); do
    umount "${mounts[$i]}" 2>/dev/null || umount -l "${mounts[$i]}" 2>/dev/null || true
  done
  if [ -d "$target" ] && ! findmnt -rn -o TARGET | grep -q "^$target"; then
    rm -rf --one-file-system "$target"
  elif [ -d "$target" ]; then
    echo "fresh-root: something is still mounted under $target; left in place" >&2
  fi
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

end_processes_in_root() {
  [ -d "$target" ] || return 0
  local pass p
  for pass in TERM KILL; do
    for p in /proc/[0-9]*; do
      [ "$(readlink "$p/root" 2>/dev/null)" = "$target" ] && kill -s "$pass" "${p#/proc/}" 2>/dev/null || true
    done
    sleep 1
  done
}

mount_into() {  # mount arguments..., the last is the mount point
  local point=${*: -1}
  mkdir -p "$point"
  mount "$@"
  mounts+=("$point")
}

# The archive this machine installs from, and its Debian release.
archive_and_suite() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    awk '
      /^Types:/ { deb = ($0 ~ /(^|[ \t])deb([ \t]|$)/) }
      deb && /^URIs:/ { uri = $2 }
      deb && /^Suites:/ { suite = $2 }
      deb && uri && suite { print uri, suite; exit }
      /^$/ { uri = ""; suite = ""; deb = 0 }
    ' "$f"
  done
  [ -f /etc/apt/sources.list ] && awk '$1 == "deb" { print $2, $3 }' /etc/apt/sources.list
  return 0
}

read -r archive suite < <(archive_and_suite | grep -v -- '-security' | head -n 1) || true
if [ -z "${archive:-}" ] || [ -z "${suite:-}" ]; then
  echo "fresh-root: no Debian archive found in this machine's apt sources" >&2
  exit 1
fi

if ! command -v debootstrap >/dev/null; then
  log "installing debootstrap"
  mkdir -p "$cache"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap \
    >"$cache/apt-debootstrap.log" 2>&1 || {
    echo "fresh-root: installing debootstrap failed; the last lines of apt's output:" >&2
    tail -n 20 "$cache/apt-debootstrap.log" >&2
    exit 1
  }
fi

if findmnt -rn -o TARGET | grep -q "^$target"; then
  echo "fresh-root: $target still has mounts from an earlier run; unmount them first" >&2
  exit 1
fi
rm -rf --one-file-system "$target"
mkdir -p "$target" "$cache/debootstrap" "$cache/apt"

log "debootstrap minbase $suite from the machine's archive"
debootstrap --variant=minbase --include=git --cache-dir="$cache/debootstrap" "$suite" "$target" "$archive" \
  >"$cache/debootstrap.log" 2>&1 || {
  echo "fresh-root: debootstrap failed; the last lines of its output:" >&2
  tail -n 20 "$cache/debootstrap.log" >&2
  exit 1
}

# The root installs from the same archive as this machine, as a fresh install of that machine would.
rm -f "$target/etc/apt/sources.list"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  awk 'BEGIN { RS = ""; ORS = "\n\n" } /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ && !/deb-src/' "$f" \
    >"$target/etc/apt/sources.list.d/$(basename "$f")"
done
[ -f /etc/apt/sources.list ] && grep '^deb ' /etc/apt/sources.list >"$target/etc/apt/sources.list" || true
find "$target/etc/apt/sources.list.d" -name 'velmora-src.*' -delete
cp /etc/resolv.conf "$target/etc/resolv.conf" 2>/dev/null || true

mount_into -t proc proc "$target/proc"
mount_into -t sysfs sys "$target/sys"
mount_into --bind /dev "$target/dev"
mount_into -t devpts -o newinstance,ptmxmode=0666 devpts "$target/dev/pts"
mount_into -t tmpfs -o mode=1777 tmpfs "$target/dev/shm"
mount_into --bind "$cache/apt" "$target/var/cache/apt/archives"

in_root() {
  chroot "$target" /usr/bin/env -i HOME=/root TERM=dumb CI="${CI:-}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "$1"
}

log "cloning $commit"
git clone -q --no-hardlinks "$repo" "$target/root/velmora"
git -C "$target/root/velmora" checkout -q "$commit"

for c in "${commands[@]}"; do
  log "bash scripts/$c.sh"
  status=0
  in_root "cd /root/velmora && bash scripts/$c.sh" || status=$?
  if [ "$status" != 0 ]; then
    echo "fresh-root: bash scripts/$c.sh failed in the fresh root (exit status $status); its output is above" >&2
    exit "$status"
  fi
  if [ "$c" = run ] && [ -f "$target/root/velmora/build/screenshot.png" ]; then
    mkdir -p "$repo/build"
    cp "$target/root/velmora/build/screenshot.png" "$repo/build/fresh-root-screenshot.png"
    log "the run command's screenshot: $repo/build/fresh-root-screenshot.png"
  fi
done
log "done"
