"""Reads what Windows shows in a program's file properties, from outside: its version resource
(the fixed version numbers and the texts), its manifest and the processor it is built for."""
import struct
from pathlib import Path
from dataclasses import dataclass, field

RT_VERSION, RT_MANIFEST = 16, 24
RESOURCE_DIRECTORY = 2
FIXED_INFO_SIGNATURE = 0xFEEF04BD


@dataclass
class VersionInfo:
    file_version: tuple = ()
    product_version: tuple = ()
    strings: dict = field(default_factory=dict)


class _Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a Windows program")
        self.machine = struct.unpack_from("<H", data, pe + 4)[0]
        sections = struct.unpack_from("<H", data, pe + 6)[0]
        optional_size = struct.unpack_from("<H", data, pe + 20)[0]
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.resources = struct.unpack_from("<I", data, directories + 8 * RESOURCE_DIRECTORY)[0]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_offset in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} lies in no section")

    def _entries(self, directory):
        base = self.offset(self.resources)
        named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
            yield name, target

    def resource(self, kind):
        """The first resource of a kind, in any name and language, or None."""
        if not self.resources:
            return None
        base = self.offset(self.resources)
        for name, target in self._entries(0):
            if name == kind:
                directory = target & 0x7FFFFFFF
                while target & 0x80000000:
                    directory = target & 0x7FFFFFFF
                    target = next(self._entries(directory))[1]
                rva, size = struct.unpack_from("<II", self.data, base + target)
                start = self.offset(rva)
                return self.data[start:start + size]
        return None


def _align(offset):
    return (offset + 3) & ~3


def _block(data, offset):
    """One node of the version tree: its key, its value bytes, its text flag and its children."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
    end = data.index(b"\0\0", offset + 6)
    while (end - offset - 6) % 2:
        end = data.index(b"\0\0", end + 1)
    key = data[offset + 6:end].decode("utf-16-le")
    value_start = _align(end + 2)
    value_size = value_length * 2 if is_text else value_length
    value = data[value_start:value_start + value_size]
    children, child = [], _align(value_start + value_size)
    while child < offset + length:
        children.append(_block(data, child))
        child = _align(child + struct.unpack_from("<H", data, child)[0])
    return key, value, is_text, children


def read_version_info(path):
    resource = _Image(Path(path).read_bytes()).resource(RT_VERSION)
    if resource is None:
        return None
    _, fixed, _, children = _block(resource, 0)
    info = VersionInfo()
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != FIXED_INFO_SIGNATURE:
        raise ValueError(f"{path}: damaged version resource")
    info.file_version = (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF)
    info.product_version = (product_ms >> 16, product_ms & 0xFFFF, product_ls >> 16, product_ls & 0xFFFF)
    for key, _, _, tables in children:
        if key == "StringFileInfo":
            for _, _, _, strings in tables:
                for name, value, _, _ in strings:
                    info.strings[name] = value.decode("utf-16-le").rstrip("\0")
    return info


def read_manifest(path):
    resource = _Image(Path(path).read_bytes()).resource(RT_MANIFEST)
    return resource.decode("utf-8") if resource is not None else None


def read_machine(path):
    """The processor a program is built for, as its PE header names it (0x14C i386, 0x8664 x64)."""
    return _Image(Path(path).read_bytes()).machine
