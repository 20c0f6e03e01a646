/* Preloaded into Wine's 32-bit loader when it runs under qemu's i386
 * emulator. qemu 7.2 ignores MAP_FIXED_NOREPLACE and maps the region
 * elsewhere instead of failing; Wine then takes the address it was given for
 * a free one and reserves its address space in 64 KiB pieces, which costs
 * about a minute per process. Here a mapping asked for with
 * MAP_FIXED_NOREPLACE that does not land at its hint is undone and fails with
 * EEXIST, as the kernel answers.
 *
 * Built without the C library's headers or start files (the machine has no
 * 32-bit development files): the C library's syscall() and errno are bound
 * when the object is loaded. */

typedef unsigned int size_t;

extern long syscall(long number, ...);
extern int* __errno_location(void);

enum {
  kMapFixedNoReplace = 0x100000,
  kSysMmap2 = 192,
  kSysMunmap = 91,
  kErrorExists = 17,
  kErrorInvalid = 22,
  kPageShift = 12,
};

#define MAP_FAILED_RESULT ((void*)-1)

void* mmap64(void* address, size_t length, int protection, int flags, int fd, long long offset) {
  if (offset & ((1 << kPageShift) - 1)) {
    *__errno_location() = kErrorInvalid;
    return MAP_FAILED_RESULT;
  }
  void* mapped = (void*)syscall(kSysMmap2, address, length, protection, flags, fd,
                                (unsigned long)(offset >> kPageShift));
  if (mapped != MAP_FAILED_RESULT && (flags & kMapFixedNoReplace) && mapped != address) {
    syscall(kSysMunmap, mapped, length);
    *__errno_location() = kErrorExists;
    return MAP_FAILED_RESULT;
  }
  return mapped;
}

void* mmap(void* address, size_t length, int protection, int flags, int fd, long offset) {
  return mmap64(address, length, protection, flags, fd, offset);
}
