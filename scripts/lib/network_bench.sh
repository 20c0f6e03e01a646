# The network printer's figures for scripts/bench: a file sent to a tcp://
# address on 127.0.0.1 through the program's window against the bare Winsock
# loop of the same block size and kind of write (socket_loop.c), the
# program's peak memory for a small and a large file sent so, and small files
# through a watched folder to tcp:// against the spooler path. The printer is
# tcp_sink.py, which records each connection's bytes and its first and last
# byte. Expects the bench's prefix, RUN_DIR, COMMAND_LOG, the window helpers of
# device_bench.sh and the watch helpers of watch_bench.sh.

NET_PORT=${BENCH_NET_PORT:-19100}
NET_ADDRESS=tcp://127.0.0.1:$NET_PORT
NET_WATCH_FILES=${BENCH_NET_WATCH_FILES:-1000}

start_tcp_sink() {
  NET_RECORD=$BENCH_DIR/tcp-sink.log
  NET_SINK_PID=$BENCH_DIR/tcp-sink.pid
  : >"$NET_RECORD"
  start_daemon "$NET_SINK_PID" "$BENCH_DIR/tcp-sink.out" \
    python3 "$MORVANE_ROOT/scripts/lib/tcp_sink.py" "$NET_PORT" "$NET_RECORD"
  wait_until 10 bash -c "exec 2>/dev/null 3<>/dev/tcp/127.0.0.1/$NET_PORT" ||
    die "the tcp sink did not listen on $NET_PORT"
  # That look was a connection of its own.
  wait_until 10 test -s "$NET_RECORD" || die "the tcp sink did not record"
  : >"$NET_RECORD"
}

stop_tcp_sink() {
  [[ -z ${NET_SINK_PID:-} ]] || stop_daemon "$NET_SINK_PID"
}

# sink_lines: the connections the sink has recorded.
sink_lines() { wc -l <"$NET_RECORD"; }

# sink_has COUNT: whether the sink has recorded COUNT connections.
sink_has() { (($(sink_lines) >= $1)); }

# await_connection COUNT BYTES: waits for the COUNT-th connection and prints
# the seconds from its first byte to its last; dies unless it took BYTES.
await_connection() {
  local count=$1 bytes=$2 line
  wait_until "$ARRIVAL_TIMEOUT" sink_has "$count" ||
    die "the tcp sink got no connection $count"
  line=$(sed -n "${count}p" "$NET_RECORD")
  [[ ${line%% *} == "$bytes" ]] || die "the tcp sink took ${line%% *} bytes, $bytes sent"
  awk -v l="$line" 'BEGIN { split(l, f, " "); printf "%.3f\n", f[3] - f[2] }'
}

# timed_window_network_send BYTES FILE: sends FILE with the Win button of the
# window program, whose printer is the sink's address.
timed_window_network_send() {
  local bytes=$1 file=$2 next
  next=$(($(sink_lines) + 1))
  driver press "$FORM_CLASS" "$MAIN_CAPTION" Win "$WINDOW_TIMEOUT_MS" || die "Win not pressed"
  driver choose-file "$OPEN_DIALOG_CAPTION" "$WINDOW_TIMEOUT_MS" "$file" ||
    die "the open dialog took no file"
  await_connection "$next" "$bytes"
  driver wait-enabled "$FORM_CLASS" "$MAIN_CAPTION" Win "$RUN_TIMEOUT_MS" || die "the run did not end"
}

timed_socket_loop() {
  local bytes=$1 file=$2 next
  next=$(($(sink_lines) + 1))
  wine socket_loop.exe 127.0.0.1 "$NET_PORT" "$file" </dev/null >"$COMMAND_LOG" 2>&1 ||
    { cat "$COMMAND_LOG" >&2; die "socket_loop failed"; }
  await_connection "$next" "$bytes"
}

# network_peak_memory FILE BYTES: a batch run of FILE to the sink's address;
# prints the program's peak resident size in KiB.
network_peak_memory() {
  local file=$1 bytes=$2 pid peak=0 value next
  next=$(($(sink_lines) + 1))
  (cd "$RUN_DIR" && exec wine morvane.exe /WIN "/PRINTER=$NET_ADDRESS" "$file") \
    </dev/null >"$COMMAND_LOG" 2>&1 &
  pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    value=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || true)
    [[ -n $value ]] && peak=$value
    sleep 0.02
  done
  wait "$pid" || die "morvane.exe failed on $file to $NET_ADDRESS"
  await_connection "$next" "$bytes" >/dev/null
  echo "$peak"
}

# measure_network_watch COUNT: COUNT small files put into a watched folder
# at once, sent to the sink's address; sets NET_WATCH_SECONDS and
# NET_WATCH_CHECK.
measure_network_watch() {
  local count=$1 i start before
  before=$(sink_lines)
  start_watch "/PRINTER=$NET_ADDRESS"
  for ((i = 0; i < count; i++)); do
    printf 'file %05d\n' "$i" >"$RUN_DIR/staging/n$(printf '%05d' "$i").prn"
  done
  start=$(now)
  (cd "$RUN_DIR/staging" && find . -maxdepth 1 -name 'n*.prn' | sort |
    xargs mv -t "$(watch_folder)" 2>/dev/null) || true
  local deadline=$((SECONDS + WATCH_FILES_TIMEOUT))
  while (($(settled_count) < count)); do
    ((SECONDS < deadline)) || die "only $(settled_count) of $count files sent or set aside"
    sleep 0.1
  done
  NET_WATCH_SECONDS=$(awk -v s="$start" -v e="$(now)" 'BEGIN { printf "%.1f", e - s }')
  stop_watch
  NET_WATCH_CHECK="$(sent_count) in verzonden, $(subfolder_count mislukt) in mislukt, $(($(sink_lines) - before)) connections"
}

run_network_bench() {
  local small=$RUN_DIR/small-net.bin round
  head -c $((1024 * 1024)) /dev/urandom >"$small"
  start_tcp_sink
  log "timing $SIZE_MIB MiB to $NET_ADDRESS: the program's window and the bare Winsock loop, $ROUNDS rounds"
  wine reg add 'HKCU\Software\tqv\morvane' /v LASTPRINTER /t REG_SZ /d "$NET_ADDRESS" /f \
    >/dev/null 2>&1
  start_window_program
  NET_TIMES_PROGRAM='' NET_TIMES_LOOP=''
  for ((round = 1; round <= ROUNDS; round++)); do
    NET_TIMES_LOOP+="$(timed_socket_loop "$bytes" timed.bin) "
    NET_TIMES_PROGRAM+="$(timed_window_network_send "$bytes" "$(windows_path "$RUN_DIR/timed.bin")") "
  done
  stop_window_program
  wine reg add 'HKCU\Software\tqv\morvane' /v LASTPRINTER /t REG_SZ /d "$BENCH_QUEUE" /f \
    >/dev/null 2>&1
  log "peak memory of a batch run to $NET_ADDRESS for 1 MiB and $SIZE_MIB MiB"
  NET_PEAK_SMALL=$(network_peak_memory "$small" $((1024 * 1024)))
  NET_PEAK_LARGE=$(network_peak_memory timed.bin "$bytes")
  log "a watched folder: $NET_WATCH_FILES files at once, to $NET_ADDRESS and to the spooler"
  measure_network_watch "$NET_WATCH_FILES"
  measure_watch_files "$NET_WATCH_FILES"
  NET_SPOOLER_SECONDS=$WATCH_SECONDS NET_SPOOLER_CHECK=$WATCH_CHECK
  stop_tcp_sink
}

network_report() {
  # shellcheck disable=SC2086  # the lists are space-separated numbers
  cat <<REPORT

$SIZE_MIB MiB to $NET_ADDRESS (tcp_sink.py), first byte to last at the printer, median of $ROUNDS rounds:
  morvane.exe through its window (Wine)   $(median $NET_TIMES_PROGRAM) s $(rate "$bytes" "$(median $NET_TIMES_PROGRAM)") MB/s
  bare Winsock loop, same block (Wine)    $(median $NET_TIMES_LOOP) s $(rate "$bytes" "$(median $NET_TIMES_LOOP)") MB/s
  morvane.exe / bare loop   $(ratio "$(median $NET_TIMES_PROGRAM)" "$(median $NET_TIMES_LOOP)") (goal: at most 1.20)
  rounds (s):  morvane.exe ${NET_TIMES_PROGRAM}/ bare loop ${NET_TIMES_LOOP}
Peak memory of morvane.exe /WIN /PRINTER=$NET_ADDRESS (VmHWM of its Wine process):
  1 MiB file    $(printf '%8d' "$NET_PEAK_SMALL") KiB
  $SIZE_MIB MiB file  $(printf '%8d' "$NET_PEAK_LARGE") KiB
  difference    $(printf '%8d' $((NET_PEAK_LARGE - NET_PEAK_SMALL))) KiB
$NET_WATCH_FILES small files put into a watched folder at once:
  to $NET_ADDRESS  $NET_WATCH_SECONDS s, $(awk -v n="$NET_WATCH_FILES" -v t="$NET_WATCH_SECONDS" 'BEGIN { printf "%.0f", n / t }') files/s; $NET_WATCH_CHECK
  to the spooler        $NET_SPOOLER_SECONDS s, $(awk -v n="$NET_WATCH_FILES" -v t="$NET_SPOOLER_SECONDS" 'BEGIN { printf "%.0f", n / t }') files/s; $NET_SPOOLER_CHECK
REPORT
}
