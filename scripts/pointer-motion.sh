#!/bin/bash
# Measures the pointer's motion as a user meets it, through the real program under Wine: builds
# it, then runs scripts/pointer_motion.py, which says what it prints. Asserts nothing.
# Usage: scripts/pointer-motion.sh [--load N] [PROGRAM-FOLDER]   (default: the build's program folder)
set -euo pipefail
cd "$(dirname "$0")/.."

preset=$(scripts/wine-arch.sh)
scripts/setup.sh "$preset" --target program >/dev/null
exec python3 scripts/pointer_motion.py "$preset" "$@"
