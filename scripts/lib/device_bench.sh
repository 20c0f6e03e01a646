# The device-output part of scripts/bench: a file sent to LPT1 of the bench
# prefix, with the port linked to a plain file (one copy per run, so that the
# truncation at every open doesn't matter). Source it after common.sh and
# wine.sh, with the bench prefix in use; the caller provides `now` and `die`.

DEVICE_PORT=lpt1

# link_device_port TARGET: points the bench prefix's LPT1 at the file TARGET.
link_device_port() {
  local target=$1
  : >"$target"
  ln -sfn "$target" "$WINEPREFIX/dosdevices/$DEVICE_PORT"
}

unlink_device_port() {
  rm -f "$WINEPREFIX/dosdevices/$DEVICE_PORT"
}

# timed_device_copy TARGET BYTES COMMAND...: runs COMMAND, checks that TARGET
# then holds BYTES bytes, and prints the seconds the command took. The
# command's output goes to $COMMAND_LOG.
timed_device_copy() {
  local target=$1 expected=$2 start ended size
  shift 2
  : >"$target"
  sync
  start=$(now)
  "$@" </dev/null >"$COMMAND_LOG" 2>&1 || { cat "$COMMAND_LOG" >&2; die "failed: $*"; }
  ended=$(now)
  size=$(stat -c %s "$target")
  [[ $size == "$expected" ]] || die "the port received $size bytes, $expected sent: $*"
  awk -v s="$start" -v e="$ended" 'BEGIN { printf "%.3f\n", e - s }'
}

# longest_gap: the longest gap between two dispatches in µs that the last run
# of device_send reported.
longest_gap() {
  awk '/^longest-gap-us / { print $2 }' "$COMMAND_LOG"
}

# device_peak_memory EXE DEVICE FILE TARGET: runs the program's device
# output on FILE and prints its peak resident size in KiB (VmHWM from /proc).
device_peak_memory() {
  local exe=$1 device=$2 file=$3 target=$4 pid peak=0 value
  : >"$target"
  wine "$exe" "$device" "$file" </dev/null >"$COMMAND_LOG" 2>&1 &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    value=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    [[ -n $value ]] && peak=$value
    sleep 0.02
  done
  wait "$pid" || { cat "$COMMAND_LOG" >&2; die "$exe failed on $file"; }
  echo "$peak"
}
