/* The bare loop that sending a file to a raw-socket printer comes down to,
 * for comparing the program's network output with: a non-blocking socket
 * whose room to write is waited for on its event, as the program's is; the
 * file read and sent in blocks of 256 KiB (the program's block), nothing else
 * per block; then the half-close and a read to the peer's close.
 *
 *   socket_loop.exe ADDRESS PORT FILE
 *
 * ADDRESS is an IPv4 or IPv6 address. Exit status 0 when every byte was
 * sent and the peer closed in order. */

#include <stdio.h>
#include <stdlib.h>
#include <winsock2.h>
#include <ws2tcpip.h>

enum { kBlockSize = 256 * 1024 };

static char block[kBlockSize];

/* Waits for the socket's next events; 0 when the wait failed. */
static int AwaitEvents(SOCKET socket, WSAEVENT event) {
  WSANETWORKEVENTS events;
  if (WaitForSingleObject(event, INFINITE) != WAIT_OBJECT_0) return 0;
  return WSAEnumNetworkEvents(socket, event, &events) == 0;
}

static int SendAll(SOCKET socket, WSAEVENT event, const char* data, int size) {
  while (size > 0) {
    const int sent = send(socket, data, size, 0);
    if (sent != SOCKET_ERROR) {
      data += sent;
      size -= sent;
    } else if (WSAGetLastError() != WSAEWOULDBLOCK || !AwaitEvents(socket, event)) {
      fprintf(stderr, "socket_loop: send failed (error %d)\n", WSAGetLastError());
      return 0;
    }
  }
  return 1;
}

static int ReadToClose(SOCKET socket, WSAEVENT event) {
  for (;;) {
    const int count = recv(socket, block, sizeof block, 0);
    if (count == 0) return 1;
    if (count != SOCKET_ERROR) continue;
    if (WSAGetLastError() != WSAEWOULDBLOCK || !AwaitEvents(socket, event)) {
      fprintf(stderr, "socket_loop: recv failed (error %d)\n", WSAGetLastError());
      return 0;
    }
  }
}

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: socket_loop ADDRESS PORT FILE\n");
    return 2;
  }
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return 1;
  struct addrinfo hints = {0};
  struct addrinfo* address = NULL;
  hints.ai_flags = AI_NUMERICHOST;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  if (getaddrinfo(argv[1], argv[2], &hints, &address) != 0) {
    fprintf(stderr, "socket_loop: %s is no address\n", argv[1]);
    return 1;
  }
  HANDLE file = CreateFileA(argv[3], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) {
    fprintf(stderr, "socket_loop: cannot open %s (error %lu)\n", argv[3], GetLastError());
    return 1;
  }
  const SOCKET socket = WSASocketW(address->ai_family, SOCK_STREAM, IPPROTO_TCP, NULL, 0, 0);
  if (socket == INVALID_SOCKET ||
      connect(socket, address->ai_addr, (int)address->ai_addrlen) != 0) {
    fprintf(stderr, "socket_loop: cannot connect (error %d)\n", WSAGetLastError());
    return 1;
  }
  const WSAEVENT event = WSACreateEvent();
  WSAEventSelect(socket, event, FD_READ | FD_WRITE | FD_CLOSE);

  int ok = 1;
  DWORD bytesRead;
  while (ok && ReadFile(file, block, sizeof block, &bytesRead, NULL) && bytesRead > 0) {
    ok = SendAll(socket, event, block, (int)bytesRead);
  }
  ok = ok && shutdown(socket, SD_SEND) == 0 && ReadToClose(socket, event);
  closesocket(socket);
  WSACloseEvent(event);
  CloseHandle(file);
  freeaddrinfo(address);
  WSACleanup();
  return ok ? 0 : 1;
}
