# Paths and helpers shared by the scripts. Source it; it sets no shell options.

MORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_ROOT=$MORVANE_ROOT/build
NATIVE_BUILD_DIR=$BUILD_ROOT/native
WIN32_BUILD_DIR=$BUILD_ROOT/win32

# machine_runs_32bit_code: whether the kernel starts 32-bit programs, as
# Wine's 32-bit loader is one (some virtual machines run 64-bit code only).
# Asks the 32-bit system loader, which Wine's 32-bit packages bring.
machine_runs_32bit_code() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

log() {
  printf '%s: %s\n' "${0##*/}" "$*" >&2
}

die() {
  log "$*"
  exit 1
}

# wait_until SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails when it has not succeeded within SECONDS.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# start_daemon PIDFILE LOGFILE COMMAND...: starts COMMAND in its own session,
# detached from our standard streams, and records its process id.
start_daemon() {
  local pidfile=$1 logfile=$2
  shift 2
  setsid "$@" </dev/null >"$logfile" 2>&1 &
  echo $! >"$pidfile"
}

# pid_alive PIDFILE: whether the process recorded in PIDFILE still runs.
pid_alive() {
  [[ -s $1 ]] && kill -0 "$(<"$1")" 2>/dev/null
}

# stop_daemon PIDFILE: ends the process recorded in PIDFILE, if it runs.
stop_daemon() {
  if pid_alive "$1"; then
    kill "$(<"$1")" 2>/dev/null || true
  fi
  rm -f "$1"
}
