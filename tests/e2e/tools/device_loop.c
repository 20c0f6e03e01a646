/* The bare loop that sending a file to a port comes down to, for comparing
 * the program's device output with: the port opened as the program opens it,
 * the file read and written in blocks of 1024 bytes, nothing else per block;
 * with --dispatch-every-block, the pending window messages are dispatched
 * after every block as well.
 *
 *   device_loop.exe DEVICE FILE [--dispatch-every-block]
 *
 * Exit status 0 when every block was written. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "pending_messages.h"

enum { kBlockSize = 1024 };

int main(int argc, char** argv) {
  const int dispatch = argc == 4 && strcmp(argv[3], "--dispatch-every-block") == 0;
  if (argc != 3 && !dispatch) {
    fprintf(stderr, "usage: device_loop DEVICE FILE [--dispatch-every-block]\n");
    return 2;
  }
  HANDLE file = CreateFileA(argv[2], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    fprintf(stderr, "device_loop: cannot open %s (error %lu)\n", argv[2], GetLastError());
    return 1;
  }
  HANDLE device =
      CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (device == INVALID_HANDLE_VALUE) {
    fprintf(stderr, "device_loop: cannot open %s (error %lu)\n", argv[1], GetLastError());
    CloseHandle(file);
    return 1;
  }

  int ok = 1;
  char block[kBlockSize];
  DWORD bytesRead;
  DWORD written;
  while (ReadFile(file, block, sizeof block, &bytesRead, NULL) && bytesRead > 0) {
    if (!WriteFile(device, block, bytesRead, &written, NULL) || written != bytesRead) {
      fprintf(stderr, "device_loop: WriteFile failed (error %lu)\n", GetLastError());
      ok = 0;
      break;
    }
    if (dispatch) DispatchPendingMessages();
  }
  CloseHandle(device);
  CloseHandle(file);
  return ok ? 0 : 1;
}
