# The watched folder's figures for scripts/bench: the time from a writer's
# close to the file's job at the capture backend, and a folder that gets
# 100 and 10,000 small files at once. Expects the bench's prefix, queue,
# RUN_DIR, CAPTURE_DIR and the helpers now, forget_jobs and median.

WATCH_DIR_NAME=watched
WATCH_FILES_TIMEOUT=7200
WATCH_LATENCY_ROUNDS=${BENCH_WATCH_ROUNDS:-10}
WATCH_WRITER_HOLD_MS=300

watch_folder() { printf '%s\n' "$RUN_DIR/$WATCH_DIR_NAME"; }

# start_watch [OPTION...]: starts a quiet watch of a fresh folder, with a log
# and the options, and sets WATCH_PID.
start_watch() {
  local folder
  folder=$(watch_folder)
  rm -rf "$folder" "$RUN_DIR/staging" "$RUN_DIR/watch.log"
  mkdir -p "$folder" "$RUN_DIR/staging"
  (cd "$RUN_DIR" && exec wine morvane.exe /WIN /QUIET "/WATCH=$(windows_path "$folder")" \
    "/LOG=$(windows_path "$RUN_DIR/watch.log")" "$@") </dev/null >"$COMMAND_LOG" 2>&1 &
  WATCH_PID=$!
  wait_until 60 test -d "$folder/verzonden" || die "the watch did not start"
}

stop_watch() {
  wine "$WINDOW_DRIVER" close MorvaneApplication "Uitvoer van bestanden" >/dev/null 2>&1 || true
  wait "$WATCH_PID" || true
}

# subfolder_count SUB: the files in a subfolder of the watched folder.
subfolder_count() {
  find "$(watch_folder)/$1" -maxdepth 1 -type f | wc -l
}

sent_count() { subfolder_count verzonden; }

# settled_count: the files sent or set aside.
settled_count() {
  echo $(($(subfolder_count verzonden) + $(subfolder_count mislukt)))
}

# wait_for_job_and_sent NAME: polls every 5 ms until the job of the file is at
# the backend and the file in verzonden; prints both moments.
wait_for_job_and_sent() {
  local name=$1 folder job='' sent='' deadline
  folder=$(watch_folder)
  deadline=$(awk -v n="$(now)" 'BEGIN { printf "%.6f", n + 30 }')
  while [[ -z $job || -z $sent ]]; do
    [[ -z $job ]] && compgen -G "$CAPTURE_DIR/job-*.prn" >/dev/null && job=$(now)
    [[ -z $sent && -e $folder/verzonden/$name ]] && sent=$(now)
    awk -v n="$(now)" -v d="$deadline" 'BEGIN { exit !(n > d) }' && die "$name was not sent"
    sleep 0.005
  done
  echo "$job $sent"
}

# measure_watch_latency: the rounds' times from the writer's close to the job
# at the backend and to the file in verzonden, for a file moved in whole and
# for one that a Windows program writes in place and holds meanwhile.
measure_watch_latency() {
  local round closed moments folder
  folder=$(watch_folder)
  start_watch
  WATCH_MOVED_JOB='' WATCH_MOVED_SENT='' WATCH_HELD_JOB='' WATCH_HELD_SENT=''
  for ((round = 1; round <= WATCH_LATENCY_ROUNDS; round++)); do
    forget_jobs
    printf 'moved %d' "$round" >"$RUN_DIR/staging/m$round.prn"
    closed=$(now)
    mv "$RUN_DIR/staging/m$round.prn" "$folder/"
    moments=$(wait_for_job_and_sent "m$round.prn")
    WATCH_MOVED_JOB+="$(awk -v a="${moments% *}" -v c="$closed" 'BEGIN { printf "%.3f", a - c }') "
    WATCH_MOVED_SENT+="$(awk -v a="${moments#* }" -v c="$closed" 'BEGIN { printf "%.3f", a - c }') "

    forget_jobs
    # The writer's end is taken as its close: the process ends right after it.
    wine "$HOLD_FILE" "$(windows_path "$folder/h$round.prn")" "$WATCH_WRITER_HOLD_MS" write \
      "held " "$round" >/dev/null 2>&1
    closed=$(now)
    moments=$(wait_for_job_and_sent "h$round.prn")
    WATCH_HELD_JOB+="$(awk -v a="${moments% *}" -v c="$closed" 'BEGIN { printf "%.3f", a - c }') "
    WATCH_HELD_SENT+="$(awk -v a="${moments#* }" -v c="$closed" 'BEGIN { printf "%.3f", a - c }') "
  done
  stop_watch
}

# measure_watch_files COUNT: puts COUNT small files into a watched folder at
# once (one mv) and waits until all are in verzonden. Sets WATCH_SECONDS,
# WATCH_PEAK_KIB (VmHWM of the program) and WATCH_CHECK (what the log and the
# backend show of order, repeats and gaps).
measure_watch_files() {
  local count=$1 i start peak=0 value names logged jobs
  forget_jobs
  start_watch
  for ((i = 0; i < count; i++)); do
    printf 'file %05d\n' "$i" >"$RUN_DIR/staging/n$(printf '%05d' "$i").prn"
  done
  start=$(now)
  # mv may look at a file it has just moved, which the watch can have taken
  # away already: what counts is that every file left the staging folder.
  (cd "$RUN_DIR/staging" && find . -maxdepth 1 -name 'n*.prn' | sort |
    xargs mv -t "$(watch_folder)" 2>/dev/null) || true
  [[ -z $(find "$RUN_DIR/staging" -maxdepth 1 -name 'n*.prn' -print -quit) ]] ||
    die "not every file went into the watched folder"
  local deadline=$((SECONDS + WATCH_FILES_TIMEOUT))
  while (($(settled_count) < count)); do
    ((SECONDS < deadline)) || die "only $(settled_count) of $count files sent or set aside"
    value=$(awk '/^VmHWM:/ { print $2 }' "/proc/$WATCH_PID/status" 2>/dev/null || true)
    [[ -n $value ]] && peak=$value
    sleep 0.2
  done
  WATCH_SECONDS=$(awk -v s="$start" -v e="$(now)" 'BEGIN { printf "%.1f", e - s }')
  value=$(awk '/^VmHWM:/ { print $2 }' "/proc/$WATCH_PID/status" 2>/dev/null || true)
  [[ -n $value ]] && ((value > peak)) && peak=$value
  WATCH_PEAK_KIB=$peak
  stop_watch
  queues_idle_wait
  names=$(for ((i = 0; i < count; i++)); do printf 'n%05d.prn\n' "$i"; done)
  logged=$(awk -F '\t' '$2 == "afgeleverd" { n = split($4, p, "\\"); print p[n] }' \
    "$RUN_DIR/watch.log" | tr -d '\r')
  jobs=$(for job in $(find "$CAPTURE_DIR" -name 'job-*.title' | sed 's/.*job-\([0-9]*\).title/\1/' |
    sort -n); do awk '{ n = split($0, p, "\\"); print p[n] }' "$CAPTURE_DIR/job-$job.title"; done)
  local failed
  failed=$(subfolder_count mislukt)
  WATCH_CHECK="log: $(order_check "$names" "$logged"); backend: $(order_check "$names" "$jobs")"
  # A spooler that refuses a job (CUPS past its MaxJobs) sets the file aside.
  ((failed == 0)) || WATCH_CHECK+="; $failed set aside in mislukt"
}

# order_check EXPECTED GOT: whether the lines came each once in order, or
# how many are missing, repeated or out of place.
order_check() {
  local expected=$1 got=$2
  if [[ $expected == "$got" ]]; then
    echo "all $(wc -l <<<"$expected") in order, none twice, none missed"
    return
  fi
  printf '%s missing, %s repeated, %s\n' \
    "$(comm -23 <(sort <<<"$expected") <(sort -u <<<"$got") | wc -l)" \
    "$(sort <<<"$got" | uniq -d | wc -l)" \
    "$([[ $(sort <<<"$got") == "$got" ]] && echo "in order" || echo "OUT OF ORDER")"
}

queues_idle_wait() {
  wait_until 600 queues_idle "$BENCH_QUEUE" || log "jobs still pending at $BENCH_QUEUE"
}

watch_report() {
  # shellcheck disable=SC2086  # the lists are space-separated numbers
  cat <<REPORT

A watched folder (/WATCH=), $WATCH_LATENCY_ROUNDS rounds, median and largest, from the writer's
close to the job at the backend (which comes after the first byte at the spooler: Wine hands a
document to CUPS at its end) and to the file in verzonden; goal: under 1 s:
  moved in whole        job $(median $WATCH_MOVED_JOB) s (max $(largest $WATCH_MOVED_JOB)), verzonden $(median $WATCH_MOVED_SENT) s (max $(largest $WATCH_MOVED_SENT))
  written in place      job $(median $WATCH_HELD_JOB) s (max $(largest $WATCH_HELD_JOB)), verzonden $(median $WATCH_HELD_SENT) s (max $(largest $WATCH_HELD_SENT))
  (the writer holds it; the program looks at a held file every 250 ms)
Small files put into the folder at once (one mv):
  100 files       $WATCH_SECONDS_100 s, peak memory $WATCH_PEAK_100 KiB; $WATCH_CHECK_100
  $WATCH_MANY files     $WATCH_SECONDS_MANY s, peak memory $WATCH_PEAK_MANY KiB; $WATCH_CHECK_MANY
REPORT
}

# run_watch_bench: all of the above.
run_watch_bench() {
  log "the watched folder: latency, $WATCH_LATENCY_ROUNDS rounds"
  measure_watch_latency
  log "the watched folder: 100 files at once"
  measure_watch_files 100
  WATCH_SECONDS_100=$WATCH_SECONDS WATCH_PEAK_100=$WATCH_PEAK_KIB WATCH_CHECK_100=$WATCH_CHECK
  WATCH_MANY=${BENCH_WATCH_FILES:-10000}
  log "the watched folder: $WATCH_MANY files at once"
  measure_watch_files "$WATCH_MANY"
  WATCH_SECONDS_MANY=$WATCH_SECONDS WATCH_PEAK_MANY=$WATCH_PEAK_KIB WATCH_CHECK_MANY=$WATCH_CHECK
}

largest() {
  printf '%s\n' "$@" | sort -g | tail -n 1
}
