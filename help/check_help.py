#!/usr/bin/env python3
"""Checks a compiled help file as a help viewer meets it, unpacked with
extract_chmLib (libchm-bin), a reader other than the compiler's own: the
pages are inside, the default topic and every entry of the contents and the
index name a page inside, and every link, style sheet and picture of every
page resolves to a file inside (and an anchor to a name on that page).

usage: check_help.py EXTRACT_CHMLIB FILE.chm PAGE...
"""
import html.parser
import struct
import subprocess
import sys
import tempfile
import urllib.parse
from pathlib import Path

ITSF_SIGNATURE = b"ITSF"
SYSTEM_CONTENTS, SYSTEM_INDEX, SYSTEM_DEFAULT_TOPIC = 0, 1, 2
PAGE_SUFFIXES = {".htm", ".html"}
EXTERNAL_SCHEMES = {"http", "https", "mailto", "ftp"}
LINK_ATTRIBUTES = {("a", "href"), ("link", "href"), ("img", "src"), ("script", "src"),
                   ("frame", "src"), ("iframe", "src")}
ENCODING = "cp1252"


def system_entries(folder):
    """The #SYSTEM entries as {code: text}, for the codes that hold a file name."""
    data = (folder / "#SYSTEM").read_bytes()
    entries, position = {}, 4  # past the version
    while position + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, position)
        position += 4
        entries[code] = data[position:position + length].split(b"\0")[0].decode(ENCODING)
        position += length
    return entries


class PageReader(html.parser.HTMLParser):
    """The link targets, the anchor names, and the sitemap entries' Local values."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.targets, self.names, self.locals = [], set(), []

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        for name in ("id", "name"):
            if attributes.get(name) and tag != "param":
                self.names.add(attributes[name])
        for (link_tag, attribute) in LINK_ATTRIBUTES:
            if tag == link_tag and attributes.get(attribute) is not None:
                self.targets.append(attributes[attribute])
        if tag == "param" and (attributes.get("name") or "").lower() == "local":
            self.locals.append(attributes.get("value") or "")


def read(path):
    reader = PageReader()
    reader.feed(path.read_bytes().decode(ENCODING))
    reader.close()
    return reader


def inside(folder, base, target):
    """The file a relative target names, or None when it leaves the help file."""
    path = (base.parent / urllib.parse.unquote(target)).resolve()
    return path if path.is_relative_to(folder.resolve()) else None


def check(folder, pages):
    problems = []
    for page in pages:
        if not (folder / page).is_file():
            problems.append(f"{page} is missing")

    system = system_entries(folder)
    default_topic = system.get(SYSTEM_DEFAULT_TOPIC, "")
    if not default_topic or not (folder / default_topic).is_file():
        problems.append(f"the default topic {default_topic!r} is no page inside")
    for code, what in ((SYSTEM_CONTENTS, "contents"), (SYSTEM_INDEX, "index")):
        name = system.get(code, "")
        if not name:
            if code == SYSTEM_CONTENTS:
                problems.append("no table of contents")
            continue
        sitemap = folder / name
        if not sitemap.is_file():
            problems.append(f"the {what} file {name} is missing")
            continue
        entries = read(sitemap).locals
        if not entries:
            problems.append(f"the {what} ({name}) has no entries")
        for local in entries:
            target = inside(folder, sitemap, local.split("#")[0])
            if not local or target is None or not target.is_file():
                problems.append(f"{what} entry {local!r} names no page inside")

    readers = {}
    for page in sorted(folder.rglob("*")):
        if page.suffix.lower() in PAGE_SUFFIXES:
            readers[page.resolve()] = read(page)
    for page, reader in readers.items():
        shown = page.relative_to(folder.resolve())
        for link in reader.targets:
            parts = urllib.parse.urlsplit(link)
            if parts.scheme.lower() in EXTERNAL_SCHEMES:
                continue
            if parts.scheme or parts.netloc:
                problems.append(f"{shown}: {link!r} points outside the help file")
                continue
            target = inside(folder, page, parts.path) if parts.path else page
            if target is None or not target.is_file():
                problems.append(f"{shown}: {link!r} resolves to no file inside")
            elif parts.fragment and parts.fragment not in readers.get(target, PageReader()).names:
                problems.append(f"{shown}: {link!r} names no anchor on its page")
    return problems


def main():
    extract, help_file, *pages = sys.argv[1:]
    if Path(help_file).read_bytes()[:4] != ITSF_SIGNATURE:
        print(f"{help_file} is no HTML Help file", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as temporary:
        folder = Path(temporary) / "unpacked"
        subprocess.run([extract, help_file, str(folder)], check=True, stdout=subprocess.DEVNULL)
        problems = check(folder, pages)
    for problem in problems:
        print(f"{help_file}: {problem}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
