# shellcheck shell=bash
# Sourced by the scripts that need a display of their own.
# start_xvfb WIDTHxHEIGHT: starts a private Xvfb on a free display, exports DISPLAY and sets
# xvfb to its pid.
start_xvfb() {
  local display_file
  display_file=$(mktemp)
  # Off the caller's stdout too: an Xvfb left behind would hold a pipe the caller reads open.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  # shellcheck disable=SC2034 # read by the scripts that source this file
  xvfb=$!
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  DISPLAY=":$(cat "$display_file")"
  export DISPLAY
  rm -f "$display_file"
}
