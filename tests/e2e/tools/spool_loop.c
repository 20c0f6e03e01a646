/* The bare loop that sending a file to a Windows printer comes down to, for
 * comparing the program's speed with: one RAW document, the file read and
 * written in blocks of 1025 bytes, nothing else per block.
 *
 *   spool_loop.exe PRINTER FILE
 *
 * The document is named by FILE. Exit status 0 when every block was written. */
#include <windows.h>

#include <stdio.h>
#include <winspool.h>

enum { kBlockSize = 1025 };

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: spool_loop PRINTER FILE\n");
    return 2;
  }
  HANDLE file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    fprintf(stderr, "spool_loop: cannot open %s (error %lu)\n", argv[2], GetLastError());
    return 1;
  }
  HANDLE printer;
  if (!OpenPrinterA(argv[1], &printer, NULL)) {
    fprintf(stderr, "spool_loop: cannot open printer %s (error %lu)\n", argv[1], GetLastError());
    CloseHandle(file);
    return 1;
  }
  DOC_INFO_1A document = {argv[2], NULL, "RAW"};
  StartDocPrinterA(printer, 1, (LPBYTE)&document);

  int ok = 1;
  char block[kBlockSize];
  DWORD bytesRead;
  DWORD written;
  while (ReadFile(file, block, sizeof block, &bytesRead, NULL) && bytesRead > 0) {
    if (!WritePrinter(printer, block, bytesRead, &written)) {
      fprintf(stderr, "spool_loop: WritePrinter failed (error %lu)\n", GetLastError());
      ok = 0;
      break;
    }
  }
  EndDocPrinter(printer);
  ClosePrinter(printer);
  CloseHandle(file);
  return ok ? 0 : 1;
}
