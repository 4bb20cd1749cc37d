#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) opens and which icon it shows, one line each:
target=PATH, icon=PATH,INDEX, workdir=PATH and arguments=TEXT.

    read_shortcut.py FILE.lnk
"""
import struct
import sys

HAS_ID_LIST = 0x01
HAS_LINK_INFO = 0x02
# The optional strings follow the link information in this order, each behind its own flag.
STRINGS = [(0x04, "name"), (0x08, "relative"), (0x10, "workdir"), (0x20, "arguments"),
           (0x40, "icon")]
IS_UNICODE = 0x80
HAS_LOCAL_PATH = 0x01


def read(data):
    header_size, = struct.unpack_from("<I", data, 0)
    if header_size != 0x4C:
        raise ValueError("not a shortcut")
    flags, = struct.unpack_from("<I", data, 20)
    icon_index, = struct.unpack_from("<i", data, 56)
    at = header_size
    if flags & HAS_ID_LIST:
        at += 2 + struct.unpack_from("<H", data, at)[0]
    found = {"target": ""}
    if flags & HAS_LINK_INFO:
        info_size, _, info_flags, _, path_offset = struct.unpack_from("<5I", data, at)
        if info_flags & HAS_LOCAL_PATH:
            end = data.index(b"\0", at + path_offset)
            found["target"] = data[at + path_offset:end].decode("cp1252")
        at += info_size
    for flag, name in STRINGS:
        if flags & flag:
            count, = struct.unpack_from("<H", data, at)
            at += 2
            width = 2 if flags & IS_UNICODE else 1
            raw = data[at:at + count * width]
            # Wine counts the terminating NUL as well; Windows does not.
            found[name] = raw.decode("utf-16-le" if width == 2 else "cp1252").rstrip("\0")
            at += count * width
    found["icon"] = f"{found.get('icon', '')},{icon_index}"
    return found


def main():
    with open(sys.argv[1], "rb") as shortcut:
        found = read(shortcut.read())
    for name in ("target", "icon", "workdir", "arguments"):
        print(f"{name}={found.get(name, '')}")


if __name__ == "__main__":
    main()
