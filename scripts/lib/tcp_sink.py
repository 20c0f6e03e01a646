#!/usr/bin/env python3
"""A raw-socket printer for scripts/bench: listens on 127.0.0.1, takes every
connection whole, one after another, and appends a line per connection to a
file: the bytes it got and the moments of its first and last byte (seconds
since the epoch). It sends nothing back and closes once the sender has
half-closed, as a printer on port 9100 does.

    tcp_sink.py PORT RECORD_FILE
"""

import socket
import sys
import time

BLOCK = 1 << 20


def main():
    port, record = int(sys.argv[1]), sys.argv[2]
    with socket.create_server(("127.0.0.1", port), reuse_port=False, backlog=64) as server:
        buffer = bytearray(BLOCK)
        while True:
            connection, _ = server.accept()
            with connection:
                received, first, last = 0, None, None
                while True:
                    count = connection.recv_into(buffer)
                    if count == 0:
                        break
                    last = time.time()
                    if first is None:
                        first = last
                    received += count
            with open(record, "a") as out:
                out.write(f"{received} {first or 0:.6f} {last or 0:.6f}\n")


if __name__ == "__main__":
    main()
