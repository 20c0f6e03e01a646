# An X display for the Wine programs: Xvfb when there is none.

XVFB_SCREEN=1024x768x24

display_answers() {
  xdpyinfo -display "$1" >/dev/null 2>&1
}

# ensure_xvfb DISPLAY PIDFILE LOGFILE: makes DISPLAY answer, starting an Xvfb
# on it when nothing serves it yet.
ensure_xvfb() {
  local display=$1 pidfile=$2 logfile=$3
  display_answers "$display" && return 0
  start_daemon "$pidfile" "$logfile" Xvfb "$display" -screen 0 "$XVFB_SCREEN" -nolisten tcp
  wait_until 15 display_answers "$display" || die "Xvfb did not start on $display (see $logfile)"
}

# start_private_xvfb PIDFILE LOGFILE: starts an Xvfb on a free display number
# and exports DISPLAY for it.
start_private_xvfb() {
  local pidfile=$1 logfile=$2
  local numberfile=$pidfile.display
  rm -f "$numberfile"
  setsid Xvfb -displayfd 3 -screen 0 "$XVFB_SCREEN" -nolisten tcp \
    3>"$numberfile" </dev/null >"$logfile" 2>&1 &
  echo $! >"$pidfile"
  wait_until 15 test -s "$numberfile" || die "Xvfb did not start (see $logfile)"
  export DISPLAY=":$(head -n 1 "$numberfile")"
  wait_until 15 display_answers "$DISPLAY" || die "Xvfb on $DISPLAY does not answer"
}
