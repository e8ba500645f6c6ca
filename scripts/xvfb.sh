# Sourced by the scripts that need a display of their own.
# start_xvfb WIDTHxHEIGHT: starts a private Xvfb on a free display, exports DISPLAY and sets
# xvfb to its pid.
start_xvfb() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
}
