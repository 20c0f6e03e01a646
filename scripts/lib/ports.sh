# The program's ports LPT1 to COM2 as FIFOs, each drained into a file by a
# collector that holds the FIFO open for reading and writing, so that every
# open and close by the program leaves the stream going.

PORT_NAMES=(lpt1 lpt2 lpt3 com1 com2)

# start_port_collectors OUTDIR: needs the prefix in use (use_prefix).
start_port_collectors() {
  local outdir=$1 port fifo registry
  mkdir -p "$outdir"
  registry=$'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n'
  for port in "${PORT_NAMES[@]}"; do
    fifo=$outdir/$port.fifo
    stop_daemon "$outdir/$port.pid"
    [[ -p $fifo ]] || { rm -f "$fifo" && mkfifo "$fifo"; }
    : >"$outdir/$port.out"
    # shellcheck disable=SC2016
    start_daemon "$outdir/$port.pid" /dev/null \
      bash -c 'exec 3<>"$1"; exec cat <&3 >>"$2"' collector "$fifo" "$outdir/$port.out"
    ln -sfn "$fifo" "$WINEPREFIX/dosdevices/$port"
    registry+="\"${port^^}\"=\"$fifo\""$'\n'
  done
  import_registry <<<"$registry"
}

# stop_port_collectors OUTDIR: lets the collectors drain what is left, then ends them.
stop_port_collectors() {
  local outdir=$1 port
  sleep 0.5
  for port in "${PORT_NAMES[@]}"; do
    stop_daemon "$outdir/$port.pid"
  done
}
