#!/bin/sh
# Prints the Windows preset this machine can run under Wine: the 32-bit product where the
# kernel runs 32-bit processes, else the 64-bit build of the same sources.
if "$(dirname "$0")/wine-run.sh" - i686 --can-run; then echo windows-x86; else echo windows-x64; fi
