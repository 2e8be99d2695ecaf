#!/usr/bin/env bash
# Builds the Windows release into dist/: for each edition, the per-user installer and the portable zip.
source "$(dirname "$0")/common.sh"
prepare
for a in "${archs[@]}"; do
  use_arch "$a"
  build_targets release
done
say "the release is in $root/dist:"
ls -1 "$root/dist"
