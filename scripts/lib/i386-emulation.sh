# The 32-bit program on a kernel that runs no 32-bit code.
#
# Some machines' kernels start 64-bit programs only. There Wine's 32-bit
# loader runs under qemu's i386 user-mode emulator, with a small preloaded
# object that mends qemu's handling of MAP_FIXED_NOREPLACE, in a prefix that
# the 64-bit loader makes and whose 32-bit half is set up through the emulator
# (scripts/wine32/wine says how). Source after common.sh.

I386_SHIM_SOURCE=$MORVANE_ROOT/scripts/lib/i386-emulation/noreplace.c
I386_SHIM_ROOT=$BUILD_ROOT/i386-emulation

# i386_emulated: whether 32-bit Windows programs run under the emulator here.
i386_emulated() {
  "$MORVANE_ROOT/scripts/lib/i386-emulation/emulated"
}

# build_i386_shim: builds the preloaded object for 32-bit processes, and an
# empty one of the same name for the 64-bit processes that inherit the
# preload. Needs no 32-bit development files.
build_i386_shim() {
  local shim32=$I386_SHIM_ROOT/lib/i386-linux-gnu/libnoreplace.so
  local shim64=$I386_SHIM_ROOT/lib/x86_64-linux-gnu/libnoreplace.so
  [[ $shim32 -nt $I386_SHIM_SOURCE && -f $shim64 ]] && return 0
  mkdir -p "${shim32%/*}" "${shim64%/*}"
  gcc -m32 -std=c11 -O2 -fPIC -ffreestanding -nostdlib -shared -Wall -Wextra -Werror \
    -o "$shim32" "$I386_SHIM_SOURCE" || die "building the emulator shim failed"
  gcc -x c -fPIC -nostdlib -shared -o "$shim64" /dev/null || die "building the empty 64-bit shim failed"
}
