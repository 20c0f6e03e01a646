# Installs the Debian packages that building and testing need, when missing.

REQUIRED_PACKAGES=(
  cmake g++ make googletest python3
  g++-mingw-w64-i686
  wine wine32:i386 fonts-wine
  xvfb x11-utils xdotool imagemagick libx11-dev
  cups-daemon cups-client libcups2:i386
  fp-utils
  clang libclang-rt-14-dev clang-tidy cppcheck
)

missing_packages() {
  local package status
  for package in "${REQUIRED_PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || printf '%s\n' "$package"
  done
}

ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages)
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
