/* Holds a file open the way another program may: for reading, sharing
 * nothing, so that no one else can open it meanwhile.
 *
 *   hold_file.exe PATH MILLISECONDS
 *
 * Prints "held" once the file is open, keeps it open for that long, then
 * closes it. Exit status 0 on success, 1 when the file can't be opened, 2 on
 * wrong usage. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: hold_file PATH MILLISECONDS\n");
    return 2;
  }
  HANDLE file =
      CreateFileA(argv[1], GENERIC_READ, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    printf("cannot open %s: error %lu\n", argv[1], GetLastError());
    return 1;
  }
  printf("held\n");
  fflush(stdout);
  Sleep(strtoul(argv[2], NULL, 10));
  CloseHandle(file);
  return 0;
}
