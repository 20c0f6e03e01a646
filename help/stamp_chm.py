#!/usr/bin/env python3
"""Sets the two compile times chmcmd writes into a help file (the ITSF header's
and the #SYSTEM file's) to SOURCE_DATE_EPOCH, so that the same pages always
give the same bytes. Without SOURCE_DATE_EPOCH the file is left as it is.

usage: stamp_chm.py CHMLS FILE.chm
"""
import os
import struct
import subprocess
import sys

ITSF_SIGNATURE = b"ITSF"
ITSF_STAMP_OFFSET = 0x10
SECTION0_OFFSET_FIELD = 0x58  # where content section 0 starts (version 3 header)
SYSTEM_NAME = "/#SYSTEM"
SYSTEM_TIME_CODE = 10


def system_file_place(chmls, path):
    """Offset and size of #SYSTEM within content section 0, as chmls lists them."""
    listing = subprocess.run([chmls, "list", path], capture_output=True, text=True,
                             check=True).stdout
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 4 and fields[3] == SYSTEM_NAME:
            if fields[0] != "0":
                raise SystemExit(f"{path}: #SYSTEM is compressed")
            return int(fields[1]), int(fields[2])
    raise SystemExit(f"{path}: no #SYSTEM in chmls's listing")


def main():
    chmls, path = sys.argv[1:3]
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        return 0
    seconds = int(epoch) & 0xFFFFFFFF
    data = bytearray(open(path, "rb").read())
    if data[:4] != ITSF_SIGNATURE:
        raise SystemExit(f"{path} is no HTML Help file")
    # The header holds its stamp with the high byte first, #SYSTEM the other way.
    struct.pack_into(">I", data, ITSF_STAMP_OFFSET, seconds)

    (section0,) = struct.unpack_from("<Q", data, SECTION0_OFFSET_FIELD)
    offset, size = system_file_place(chmls, path)
    start = section0 + offset
    position, end = start + 4, start + size  # past the #SYSTEM version
    while position + 4 <= end:
        code, length = struct.unpack_from("<HH", data, position)
        position += 4
        if code == SYSTEM_TIME_CODE and length == 4:
            struct.pack_into("<I", data, position, seconds)
        position += length
    with open(path, "wb") as out:
        out.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
