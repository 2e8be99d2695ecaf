"""Reads a Windows shortcut (.lnk) file from outside: target, working folder, icon.

Only the parts of the Shell Link Binary File Format a shortcut to a local program uses: the
header, the link-info block with the target's local path and the string data.
"""
import struct
from pathlib import Path
from dataclasses import dataclass

HEADER_SIZE = 0x4C
LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")
HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x01, 0x02, 0x80
# The optional strings, in the order they follow one another in the file.
STRING_FLAGS = (("name", 0x04), ("relative_path", 0x08), ("working_dir", 0x10),
                ("arguments", 0x20), ("icon_location", 0x40))
VOLUME_ID_AND_LOCAL_BASE_PATH = 0x01
ANSI = "cp1251"  # the code page of the systems the program is for


@dataclass
class ShellLink:
    target: str = ""
    name: str = ""
    relative_path: str = ""
    working_dir: str = ""
    arguments: str = ""
    icon_location: str = ""
    icon_index: int = 0
    show_command: int = 0


def _c_string(data, offset, wide):
    if wide:
        end = offset
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[offset:end].decode("utf-16-le")
    return data[offset:data.index(b"\0", offset)].decode(ANSI)


def _link_info_path(block):
    header_size, flags = struct.unpack_from("<II", block, 4)
    if not flags & VOLUME_ID_AND_LOCAL_BASE_PATH:
        return ""
    base_offset, _, suffix_offset = struct.unpack_from("<III", block, 16)
    if header_size >= 0x24:
        base_unicode, suffix_unicode = struct.unpack_from("<II", block, 28)
        return _c_string(block, base_unicode, True) + _c_string(block, suffix_unicode, True)
    return _c_string(block, base_offset, False) + _c_string(block, suffix_offset, False)


def read_shell_link(path):
    data = Path(path).read_bytes()
    size, clsid, flags = struct.unpack_from("<I16sI", data, 0)
    if size != HEADER_SIZE or clsid != LINK_CLSID:
        raise ValueError(f"{path} is not a shortcut")
    link = ShellLink()
    link.icon_index, link.show_command = struct.unpack_from("<iI", data, 0x38)
    offset = HEADER_SIZE
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if flags & HAS_LINK_INFO:
        info_size = struct.unpack_from("<I", data, offset)[0]
        link.target = _link_info_path(data[offset:offset + info_size])
        offset += info_size
    wide = bool(flags & IS_UNICODE)
    for field, flag in STRING_FLAGS:
        if flags & flag:
            count = struct.unpack_from("<H", data, offset)[0]
            offset += 2
            length = count * 2 if wide else count
            raw = data[offset:offset + length]
            # Some writers count the terminating zero too.
            setattr(link, field, (raw.decode("utf-16-le") if wide else raw.decode(ANSI)).rstrip("\0"))
            offset += length
    return link
