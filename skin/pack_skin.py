#!/usr/bin/env python3
"""Packs the skin archive that TarvelStock.exe carries as its ZIPRES resource.

Usage: pack_skin.py ARCHIVE FOLDER...

Every file under each folder goes into the archive under its path relative to that
folder, with "/" between folder names. Entry names are stored as GBK bytes with
the UTF-8 flag clear, the way Chinese Windows archivers write them and the way the
program's archive reader, which converts names through the ANSI code page, finds
them. The archive is written by the standard zipfile module; only the name's
encoding is chosen here.
"""
import os
import sys
import zipfile

UTF8_FLAG = 0x800


class GbkZipInfo(zipfile.ZipInfo):
    """An entry whose name is written in GBK instead of ASCII or UTF-8."""

    def _encodeFilenameFlags(self):
        return self.filename.encode("gbk"), self.flag_bits & ~UTF8_FLAG


def collect(folders):
    entries = {}
    for folder in folders:
        for root, _dirs, files in os.walk(folder):
            for name in files:
                if name.startswith("."):
                    continue
                path = os.path.join(root, name)
                entry = os.path.relpath(path, folder).replace(os.sep, "/")
                entries[entry] = path
    return entries


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    archive, folders = argv[1], argv[2:]
    entries = collect(folders)
    temporary = archive + ".tmp"
    with zipfile.ZipFile(temporary, "w", zipfile.ZIP_DEFLATED) as out:
        for entry in sorted(entries):
            info = GbkZipInfo(entry, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            with open(entries[entry], "rb") as source:
                out.writestr(info, source.read())
    os.replace(temporary, archive)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
