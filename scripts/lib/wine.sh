# Wine prefixes for running the program and its test programs, and the
# build that Wine runs on this machine.

source "$MORVANE_ROOT/scripts/lib/i386-emulation.sh"

PREFIX_READY_MARK=.morvane-prefix-ready

# Settings every prefix of ours gets: one virtual desktop shared by all
# processes (so a test driver finds the program's windows), and no crash
# dialog that would wait for a click.
read -r -d '' PREFIX_REGISTRY <<'REG' || true
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG

# select_wine_build: the build whose program Wine runs: always the 32-bit
# program, through scripts/wine32/wine, which runs it under qemu's i386
# emulator where the kernel runs no 32-bit code (i386-emulation.sh).
select_wine_build() {
  use_wine_build win32
}

# select_wine64_build: the same sources built for 64-bit Windows, under
# Wine's 64-bit loader: how a fault of the 64-bit build is seen, and where
# the emulator would make a measurement meaningless (scripts/bench).
select_wine64_build() {
  use_wine_build win64
}

# use_wine_build ARCH: sets WINE_PRESET, WINE_BUILD_DIR, WINE_PROGRAM_EXE and
# MORVANE_WINE_ARCH for the build of that Windows architecture (win32 or
# win64), and puts its "wine" (scripts/wine32/wine or scripts/wine64/wine)
# first on PATH.
use_wine_build() {
  WINE_PRESET=$1
  export MORVANE_WINE_ARCH=$1
  local wine_dir=$MORVANE_ROOT/scripts/wine${1#win}
  [[ -x $wine_dir/wine ]] || die "no wine for the $1 build: $wine_dir/wine"
  prepend_path "$wine_dir"
  WINE_BUILD_DIR=$BUILD_ROOT/$WINE_PRESET
  WINE_PROGRAM_EXE=$WINE_BUILD_DIR/morvane.exe
}

# prepend_path DIR: puts DIR first on PATH, once.
prepend_path() {
  case ":$PATH:" in
    *":$1:"*) ;;
    *) export PATH=$1:$PATH ;;
  esac
}

# use_prefix PREFIX: exports the environment under which Wine uses PREFIX.
use_prefix() {
  export WINEPREFIX=$1
  export MORVANE_WINE_ARCH=${MORVANE_WINE_ARCH:-win32}
  export WINEARCH=$MORVANE_WINE_ARCH
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# windows_path PATH: the Windows name of an absolute Unix path (drive Z: is /).
windows_path() {
  local path=$1
  printf 'Z:%s' "${path//\//\\}"
}

# import_registry: merges REGEDIT4 text from standard input into the
# registry of the prefix in use.
import_registry() {
  local file
  file=$(mktemp "$WINEPREFIX/import.XXXXXX.reg")
  cat >"$file"
  # Wine's helper processes inherit the standard streams and may outlive the
  # command: they must not hold our caller's output open.
  wine regedit /S "$(windows_path "$file")" </dev/null >/dev/null 2>&1 ||
    die "importing registry settings into $WINEPREFIX failed"
  rm -f "$file"
}

# install_wine_fonts PREFIX: puts Wine's own MS Sans Serif, Tahoma and
# Marlett into the prefix; without them the program's texts are drawn in a
# wider font than the one they were laid out for.
WINE_FONT_DIR=/usr/share/wine/fonts
install_wine_fonts() {
  local fonts=$1/drive_c/windows/Fonts
  mkdir -p "$fonts"
  cp "$WINE_FONT_DIR"/sserife*.fon "$WINE_FONT_DIR"/tahoma*.ttf "$WINE_FONT_DIR"/marlett.ttf \
    "$fonts"/ 2>/dev/null || log "Wine's fonts are missing; texts will look wider"
}

# prepare_prefix PREFIX: creates PREFIX once and uses it; a ready prefix is
# kept, since creating one takes a while.
prepare_prefix() {
  local prefix=$1
  use_prefix "$prefix"
  local kind=$MORVANE_WINE_ARCH
  # Under the emulator the 32-bit programs run in a prefix of the 64-bit
  # loader, whose 32-bit half wineboot sets up through the emulator. A 64-bit
  # prefix always has its 32-bit half (scripts/wine64/wine).
  [[ $kind == win32 ]] && i386_emulated && kind=win32-emulated
  [[ $kind == win64 ]] && kind=win64-with-x86
  [[ -f $prefix/system.reg && $(cat "$prefix/$PREFIX_READY_MARK" 2>/dev/null) == "$kind" ]] &&
    return 0
  log "creating Wine prefix $prefix ($kind)"
  stop_prefix
  rm -rf "$prefix"
  mkdir -p "$prefix"
  wine wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
  [[ $kind == win64-with-x86 ]] && ! has_x86_common_controls "$prefix" &&
    die "the 64-bit prefix $prefix has no 32-bit half (no x86 common controls)"
  install_wine_fonts "$prefix"
  import_registry <<<"$PREFIX_REGISTRY"
  wineserver -w
  echo "$kind" >"$prefix/$PREFIX_READY_MARK"
}

# has_x86_common_controls PREFIX: whether the prefix holds the 32-bit common
# controls assembly, which wineboot installs with the prefix's 32-bit half.
has_x86_common_controls() {
  compgen -G "$1/drive_c/windows/winsxs/manifests/x86_microsoft.windows.common-controls_*" >/dev/null
}

# start_persistent_server: keeps the Wine server of the prefix in use, and
# the prefix's system processes, running until stop_prefix. Each program then
# starts quickly, and no helper process that a program would otherwise start
# holds that program's output open after it has ended.
start_persistent_server() {
  stop_prefix
  wineserver -p </dev/null >/dev/null 2>&1
  wine reg query 'HKCU\Software\Wine' </dev/null >/dev/null 2>&1 ||
    die "Wine does not start in $WINEPREFIX"
}

# stop_prefix: ends every Wine process of the prefix in use.
stop_prefix() {
  wineserver -k 2>/dev/null || true
  wineserver -w
}
