# Installs the Debian packages that building and testing need, when missing.

source "$MORVANE_ROOT/scripts/lib/i386-emulation.sh"

REQUIRED_PACKAGES=(
  cmake g++ make googletest python3
  g++-mingw-w64-i686
  wine wine32:i386 fonts-wine
  xvfb x11-utils xdotool imagemagick libx11-dev
  cups-daemon cups-client libcups2:i386
  fp-utils
  clang libclang-rt-14-dev clang-tidy cppcheck
)

# The help file's check unpacks it with extract_chmLib.
REQUIRED_PACKAGES+=(libchm-bin)
# scripts/help-screenshots renders the help pages in a headless browser.
HELP_SCREENSHOT_PACKAGES=(chromium)

# The 64-bit build and Wine's 64-bit loader, which every machine tests too.
WINE64_PACKAGES=(g++-mingw-w64-x86-64 wine64)

# Where the kernel runs no 32-bit code, the 32-bit program runs under qemu.
EMULATOR_PACKAGES=(qemu-user-static)

# missing_packages PACKAGE...: those not installed.
missing_packages() {
  local package status
  for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || printf '%s\n' "$package"
  done
}

ensure_packages() {
  install_missing "${REQUIRED_PACKAGES[@]}" "${WINE64_PACKAGES[@]}"
  if i386_emulated; then
    install_missing "${EMULATOR_PACKAGES[@]}"
  fi
}

# install_missing PACKAGE...: installs those not installed yet.
install_missing() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
  ((${#missing[@]} == 0)) && return 0
  [[ $(id -u) -eq 0 ]] || die "missing packages, and installing them needs root: ${missing[*]}"
  log "installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
}
