# The ports of the Wine test environment, for tests/win32/test-environment:
#   LPT1  a FIFO, collected into $MORVANE_TEST_PORTS/lpt1-received.bin
#   LPT2  /dev/full: every write fails
#   LPT3  absent: no link and no entry in the registry
#   COM1  a pseudo-terminal, collected into $MORVANE_TEST_PORTS/com1-received.bin
#   COM2  a FIFO, collected into $MORVANE_TEST_PORTS/com2-received.bin
# The links in the prefix's dosdevices and the values under
# HKLM\Software\Wine\Ports are set together: Wine's mount manager points the
# serial ports back at /dev/ttyS* at start-up unless the registry names them.
# Source it after common.sh and wine.sh, with the prefix in use.

PORT_COLLECTORS=$MORVANE_ROOT/tests/win32/port-collectors
TEST_PORTS=(lpt1 lpt2 lpt3 com1 com2)
PORTS_READY_TIMEOUT=15

ports_ready() {
  [[ -s $1/ready && -s $1/terminal-name ]]
}

# port_targets DIR: "port target" lines for every test port; no target means
# the port is absent.
port_targets() {
  local dir=$1
  printf '%s\n' "lpt1 $dir/lpt1.fifo" "lpt2 /dev/full" "lpt3" \
    "com1 $(<"$dir/terminal-name")" "com2 $dir/com2.fifo"
}

# save_port_links DIR: remembers where the prefix's port links pointed.
save_port_links() {
  local dir=$1 port link
  [[ -f $dir/saved-links ]] && return 0
  for port in "${TEST_PORTS[@]}"; do
    link=$WINEPREFIX/dosdevices/$port
    if [[ -L $link ]]; then
      printf '%s %s\n' "$port" "$(readlink "$link")"
    else
      printf '%s\n' "$port"
    fi
  done >"$dir/saved-links"
}

# apply_port_targets [registry|links]: reads "port [target]" lines and makes
# the links say the same; with "registry" the registry values too, with
# "links" the test ports' registry values are taken away.
apply_port_targets() {
  local with=$1 port target registry
  registry=$'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\n'
  while read -r port target; do
    rm -f "$WINEPREFIX/dosdevices/$port"
    if [[ -n $target ]]; then
      ln -s "$target" "$WINEPREFIX/dosdevices/$port"
    fi
    if [[ $with == registry && -n $target ]]; then
      registry+="\"${port^^}\"=\"$target\""$'\n'
    else
      registry+="\"${port^^}\"=-"$'\n'
    fi
  done
  import_registry <<<"$registry"
}

# start_test_ports DIR: the collectors in DIR, and the prefix's ports on them.
start_test_ports() {
  local dir=$1
  stop_test_collectors "$dir"
  mkdir -p "$dir"
  rm -f "$dir/ready" "$dir/terminal-name"
  start_daemon "$dir/collectors.pid" "$dir/collectors.log" "$PORT_COLLECTORS" "$dir"
  wait_until "$PORTS_READY_TIMEOUT" ports_ready "$dir" ||
    die "the port collectors did not start (see $dir/collectors.log)"
  save_port_links "$dir"
  port_targets "$dir" | apply_port_targets registry
}

stop_test_collectors() {
  stop_daemon "$1/collectors.pid"
}

# stop_test_ports DIR: ends the collectors and puts the prefix's ports back.
stop_test_ports() {
  local dir=$1
  stop_test_collectors "$dir"
  if [[ -f $dir/saved-links ]]; then
    apply_port_targets links <"$dir/saved-links"
    rm -f "$dir/saved-links"
  fi
}
