#!/usr/bin/env python3
"""Writes the release zip: the program, its help file, the read-me for the
person who unpacks it, and the SHA-256 sums of those three.

The same inputs give the same bytes: the entries come in a fixed order with
fixed attributes, dated SOURCE_DATE_EPOCH (the time of the commit, when
scripts/package builds), or else the time of building.

usage: make_release.py ZIP VERSION PROGRAM HELP_FILE README_TEMPLATE
"""
import hashlib
import os
import sys
import time
import zipfile
from pathlib import Path

README_NAME = "LEESMIJ.txt"
SUMS_NAME = "SHA256SUMS"
README_ENCODING = "cp1252"  # the program's own code page, which Notepad reads
VERSION_MARK = "@VERSION@"
EARLIEST_ZIP_TIME = 315532800  # 1980-01-01, the first time a zip entry can hold
ENTRY_MODE = 0o644
FILE_ATTRIBUTE_ARCHIVE = 0x20
CREATED_ON_UNIX = 3


def readme(template, version):
    text = Path(template).read_text(encoding="utf-8").replace(VERSION_MARK, version)
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode(README_ENCODING)


def entry(name, seconds):
    info = zipfile.ZipInfo(name, date_time=time.gmtime(seconds)[:6])
    info.compress_type = zipfile.ZIP_DEFLATED
    info.create_system = CREATED_ON_UNIX
    info.external_attr = (0o100000 | ENTRY_MODE) << 16 | FILE_ATTRIBUTE_ARCHIVE
    return info


def main():
    zip_path, version, program, help_file, template = sys.argv[1:6]
    seconds = max(int(os.environ.get("SOURCE_DATE_EPOCH") or time.time()), EARLIEST_ZIP_TIME)
    files = [
        ("morvane.exe", Path(program).read_bytes()),
        ("morvane.chm", Path(help_file).read_bytes()),
        (README_NAME, readme(template, version)),
    ]
    sums = "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data in files)
    files.append((SUMS_NAME, sums.encode("ascii")))

    partial = Path(zip_path + ".part")
    with zipfile.ZipFile(partial, "w") as archive:
        for name, data in files:
            archive.writestr(entry(name, seconds), data, compresslevel=9)
    partial.replace(zip_path)
    return 0


if __name__ == "__main__":
    sys.exit(main())
