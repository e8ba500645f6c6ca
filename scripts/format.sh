#!/bin/bash
# Formats every C and C++ file of the repository in place, as .clang-format says.
# Usage: scripts/format.sh [--check]   (--check changes nothing and fails naming each file:line
#                                      the formatter would change)
set -euo pipefail
cd "$(dirname "$0")/.."

# One version: another clang-format lays out some constructs differently.
mode=(-i)
[ "${1:-}" = --check ] && mode=(--dry-run -Werror)
git ls-files -z '*.c' '*.h' '*.cpp' '*.hpp' | xargs -0 clang-format-14 "${mode[@]}"
