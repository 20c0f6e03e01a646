# The device-output part of scripts/bench: a file sent to LPT1 of the bench
# prefix, with the port linked to a plain file (one copy per run, so that the
# truncation at every open doesn't matter) or to a FIFO that a reader drains
# into one, timed from the first byte that reaches the port to the last. Source it after common.sh and wine.sh, with
# the bench prefix in use; the caller provides `now`, `die` and COMMAND_LOG.

DEVICE_PORT=lpt1
MAIN_CAPTION="Uitvoer van bestand naar"
OPEN_DIALOG_CAPTION="Selecteer bestand"
FORM_CLASS=MorvaneForm
WINDOW_TIMEOUT_MS=20000
RUN_TIMEOUT_MS=600000

# link_device_port TARGET: points the bench prefix's LPT1 at the file TARGET.
link_device_port() {
  local target=$1
  : >"$target"
  ln -sfn "$target" "$WINEPREFIX/dosdevices/$DEVICE_PORT"
}

unlink_device_port() {
  rm -f "$WINEPREFIX/dosdevices/$DEVICE_PORT"
  stop_fifo_reader
}

# link_device_fifo TARGET: points LPT1 at a FIFO whose reader appends all it
# gets to the file TARGET: a port that is a device, not a file on disk, and
# takes bytes as fast as they come.
link_device_fifo() {
  local target=$1 fifo=$BENCH_DIR/lpt1.fifo
  : >"$target"
  [[ -p $fifo ]] || mkfifo "$fifo"
  stop_fifo_reader
  # Held open for reading and writing, so that the program's closes don't end
  # the stream.
  (
    exec 3<>"$fifo"
    exec cat <&3 >>"$target"
  ) </dev/null &
  FIFO_READER_PID=$!
  ln -sfn "$fifo" "$WINEPREFIX/dosdevices/$DEVICE_PORT"
}

stop_fifo_reader() {
  [[ -n ${FIFO_READER_PID:-} ]] || return 0
  kill "$FIFO_READER_PID" 2>/dev/null || true
  wait "$FIFO_READER_PID" 2>/dev/null || true
  FIFO_READER_PID=
}

# first_to_last TARGET BYTES PID: watches TARGET grow while the process PID
# sends to it and prints the seconds from its first byte to its BYTES-th.
first_to_last() {
  local target=$1 expected=$2 pid=$3 size first="" last=""
  while :; do
    size=$(stat -c %s "$target")
    if [[ -z $first ]] && ((size > 0)); then first=$(now); fi
    if ((size >= expected)); then
      last=$(now)
      break
    fi
    kill -0 "$pid" 2>/dev/null || [[ $(stat -c %s "$target") -ge $expected ]] ||
      die "the sender ended after $size of $expected bytes"
    sleep 0.002
  done
  [[ -n $first ]] || first=$last
  awk -v f="$first" -v l="$last" 'BEGIN { printf "%.3f\n", l - f }'
}

# timed_device_command TARGET BYTES COMMAND...: runs COMMAND in the
# background and prints the seconds from the port's first byte to its last.
timed_device_command() {
  local target=$1 expected=$2 pid time
  shift 2
  : >"$target"
  sync
  "$@" </dev/null >"$COMMAND_LOG" 2>&1 &
  pid=$!
  time=$(first_to_last "$target" "$expected" "$pid")
  wait "$pid" || { cat "$COMMAND_LOG" >&2; die "failed: $*"; }
  [[ $(stat -c %s "$target") == "$expected" ]] || die "the port received more than was sent: $*"
  echo "$time"
}

# driver ARGS...: the window driver of the end-to-end tests.
driver() {
  wine "$WINDOW_DRIVER" "$@" </dev/null
}

# start_window_program: starts morvane.exe without arguments in the run
# folder and waits until its main window is up and the splash has gone.
start_window_program() {
  (cd "$RUN_DIR" && exec wine morvane.exe) </dev/null >"$BENCH_DIR/window-program.log" 2>&1 &
  WINDOW_PROGRAM_PID=$!
  driver wait "$FORM_CLASS" "$MAIN_CAPTION" "$WINDOW_TIMEOUT_MS" >/dev/null ||
    die "the main window did not appear"
  driver wait-gone "$FORM_CLASS" Info "$WINDOW_TIMEOUT_MS" || die "the splash did not go"
}

stop_window_program() {
  driver close "$FORM_CLASS" "$MAIN_CAPTION" || true
  wait "$WINDOW_PROGRAM_PID" || true
}

# send_with_window FILE: sends FILE to LPT1 as a user does, with the LPT1
# button and the open dialog of the program started before.
send_with_window() {
  driver press "$FORM_CLASS" "$MAIN_CAPTION" LPT1 "$WINDOW_TIMEOUT_MS" || die "LPT1 not pressed"
  driver choose-file "$OPEN_DIALOG_CAPTION" "$WINDOW_TIMEOUT_MS" "$1" ||
    die "the open dialog took no file"
}

# timed_window_send TARGET BYTES FILE: sends FILE through the program's window
# and prints the seconds from the first byte at the port to the last.
timed_window_send() {
  local target=$1 expected=$2 file=$3 time
  : >"$target"
  sync
  send_with_window "$file"
  time=$(first_to_last "$target" "$expected" "$WINDOW_PROGRAM_PID")
  driver wait-enabled "$FORM_CLASS" "$MAIN_CAPTION" LPT1 "$RUN_TIMEOUT_MS" || die "the run did not end"
  echo "$time"
}

# longest_answer FILE: sends FILE through the program's window while the
# driver sends the window a message every 10 ms, and prints the longest the
# window took to answer, in µs.
longest_answer() {
  local probe_log=$BENCH_DIR/probe.log probe_pid
  driver probe "$FORM_CLASS" "$MAIN_CAPTION" LPT1 "$RUN_TIMEOUT_MS" "" >"$probe_log" 2>&1 &
  probe_pid=$!
  send_with_window "$1"
  wait "$probe_pid" || { cat "$probe_log" >&2; die "the probe failed"; }
  awk '/^longest-wait-us / { print $2 }' "$probe_log"
}
