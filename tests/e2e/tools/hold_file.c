/* Holds a file open the way another program may: for reading, sharing
 * nothing, so that no one else can open it meanwhile.
 *
 *   hold_file.exe PATH MILLISECONDS
 *   hold_file.exe PATH MILLISECONDS write FIRST REST
 *
 * Prints "held" once the file is open, keeps it open for that long, then
 * closes it. With "write" it is a program still writing the file: it creates
 * it for writing, letting others read, writes FIRST, prints "held", waits,
 * then writes REST and closes it. Exit status 0 on success, 1 when the file
 * can't be opened or written, 2 on wrong usage. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int WriteText(HANDLE file, const char* text) {
  DWORD written = 0;
  const DWORD size = (DWORD)strlen(text);
  return WriteFile(file, text, size, &written, NULL) && written == size;
}

static int WriteInPieces(const char* path, DWORD milliseconds, const char* first,
                         const char* rest) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE || !WriteText(file, first)) {
    printf("cannot write %s: error %lu\n", path, GetLastError());
    return 1;
  }
  printf("held\n");
  fflush(stdout);
  Sleep(milliseconds);
  const int ok = WriteText(file, rest);
  CloseHandle(file);
  return ok ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc == 6 && strcmp(argv[3], "write") == 0) {
    return WriteInPieces(argv[1], strtoul(argv[2], NULL, 10), argv[4], argv[5]);
  }
  if (argc != 3) {
    fprintf(stderr, "usage: hold_file PATH MILLISECONDS [write FIRST REST]\n");
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
