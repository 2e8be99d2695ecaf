#!/usr/bin/env bash
# Builds the Windows release into dist/: the per-user installer and the portable zip.
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare
build_all release
