#!/usr/bin/env bash
# Pictures of every window on a scaled screen, for a person to look at: the windows are made on test
# data, shown one at a time under Xvfb with Wine's x11 driver in a prefix whose screen has DPI dots
# per inch, and saved as PNG files in build/ARCH/screenshots-DPI.
#   bash tools/screenshots.sh [ARCH [DPI]]      (defaults: x86_64 144; build the edition first)
source "$(dirname "$0")/../scripts/common.sh"
use_arch "${1:-x86_64}"
dpi=${2:-144}
out=$build/screenshots-$dpi
program=$build/tests/test_dpi.exe
[ -f "$program" ] || fail "$program is missing: build the $arch edition first"
step "making the Bulgarian locale" make_locale
use_bulgarian_locale
quiet_sound
rm -rf "$out"
mkdir -p "$out"
# Wine names Linux paths through drive Z:.
windows_out="Z:$(echo "$out" | tr / '\\')"
VELMORA_SCREENSHOTS=$windows_out \
  bash "$root/tests/dpi/at_dpi.sh" "$dpi" "$build/wine/screenshots-$dpi" "$wine" "$program" \
  --gtest_filter='WindowScaleTest.Screenshots' || fail "the windows could not be shown and saved"
for bitmap in "$out"/*.bmp; do
  convert "$bitmap" "${bitmap%.bmp}.png" && rm "$bitmap"
done
say "the pictures are in $out:"
ls "$out"
