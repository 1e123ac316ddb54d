# Waits for the windows of a program on an X screen, for the scripts that drive helion
# there. Sourced; needs `die` and WAIT_SECONDS from the script.

# Prints the id of the visible window whose caption matches $1, waiting until one appears.
wait_for_window() {
  local deadline=$((SECONDS + WAIT_SECONDS)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    if [ -n "$id" ]; then echo "$id"; return; fi
    sleep 0.1
  done
  die "no window titled /$1/ appeared within ${WAIT_SECONDS}s"
}
