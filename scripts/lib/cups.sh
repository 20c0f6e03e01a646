# The local CUPS daemon and the capture queues whose backend keeps each job.

CAPTURE_BACKEND_SOURCE=$MORVANE_ROOT/scripts/lib/morvanecapture
CAPTURE_BACKEND=/usr/lib/cups/backend/morvanecapture

scheduler_running() {
  [[ $(lpstat -r 2>/dev/null) == "scheduler is running" ]]
}

ensure_cupsd() {
  scheduler_running && return 0
  log "starting cupsd"
  cupsd </dev/null >/dev/null 2>&1
  wait_until 15 scheduler_running || die "cupsd did not start"
}

# lift_job_limit: lets the scheduler hold any number of jobs. By default it
# refuses new jobs past 500 not yet done, and a benchmark that puts thousands
# of files in at once outruns the capture backend.
lift_job_limit() {
  [[ $(cupsctl 2>/dev/null) == *$'\nMaxJobs=0'* ]] && return 0
  cupsctl MaxJobs=0
  wait_until 15 scheduler_running || die "cupsd did not come back"
}

# The backend runs as root (mode 0700) so that it may write anywhere.
install_capture_backend() {
  cmp -s "$CAPTURE_BACKEND_SOURCE" "$CAPTURE_BACKEND" && return 0
  install -m 0700 "$CAPTURE_BACKEND_SOURCE" "$CAPTURE_BACKEND"
}

# uri_path PATH: PATH percent-encoded for a device URI, which CUPS refuses
# when it holds a byte outside ASCII; the capture backend decodes it.
uri_path() {
  local LC_ALL=C
  local path=$1 encoded='' byte i
  for ((i = 0; i < ${#path}; i++)); do
    byte=${path:i:1}
    case $byte in
      [A-Za-z0-9/._~-]) encoded+=$byte ;;
      *)
        printf -v byte '%%%02X' "'$byte"
        encoded+=$byte
        ;;
    esac
  done
  printf '%s' "$encoded"
}

# ensure_capture_queue QUEUE FOLDER: a raw queue that stores its jobs in FOLDER.
ensure_capture_queue() {
  local queue=$1 folder=$2
  mkdir -p "$folder"
  lpadmin -p "$queue" -E -v "morvanecapture:$(uri_path "$folder")"
}

make_default_printer() {
  lpadmin -d "$1"
}

# queues_idle QUEUE...: no job of these queues is still waiting or printing.
queues_idle() {
  [[ -z $(lpstat -o "$@" 2>/dev/null) ]]
}

# purge_jobs QUEUE...: drops every job of these queues, finished ones with
# their spool files included.
purge_jobs() {
  local queue
  for queue in "$@"; do
    cancel -a -x "$queue" 2>/dev/null || true
  done
}
