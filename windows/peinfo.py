#!/usr/bin/env python3
"""Reads back what a Windows program carries for Explorer: its subsystem, its version
information and the sizes of its icon, one "name=value" line each.

    python3 windows/peinfo.py vaspo.exe

Prints e.g. "subsystem=gui", "FileVersion=0.32", "ProductName=ばすぽう", "icon=16,24,...".
"""

import struct
import sys

RT_GROUP_ICON, RT_VERSION = 14, 16


def sections(pe):
    pe_offset = struct.unpack_from("<I", pe, 0x3C)[0]
    if pe[pe_offset:pe_offset + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count, optional_size = struct.unpack_from("<H12xH", pe, pe_offset + 6)
    optional = pe_offset + 24
    magic, = struct.unpack_from("<H", pe, optional)
    subsystem, = struct.unpack_from("<H", pe, optional + 68)
    # PE32+ has its data directories 16 bytes further on than PE32
    directories = optional + (112 if magic == 0x20B else 96)
    rsrc_rva, _ = struct.unpack_from("<II", pe, directories + 2 * 8)
    table = []
    for i in range(count):
        base = optional + optional_size + 40 * i
        size, rva, raw_size, raw = struct.unpack_from("<IIII", pe, base + 8)
        table.append((rva, max(size, raw_size), raw))
    return subsystem, rsrc_rva, table


def at_rva(table, rva):
    for start, size, raw in table:
        if start <= rva < start + size:
            return raw + rva - start
    raise ValueError("address 0x%x lies in no section" % rva)


def resources(pe):
    """{(type, name): data} for the first language of each resource."""
    subsystem, rsrc_rva, table = sections(pe)
    found = {}
    if not rsrc_rva:
        return subsystem, found
    root = at_rva(table, rsrc_rva)

    def entries(offset):
        named, ids = struct.unpack_from("<12xHH", pe, root + offset)
        for i in range(named + ids):
            ident, target = struct.unpack_from("<II", pe, root + offset + 16 + 8 * i)
            yield ident, target

    for kind, to_names in entries(0):
        for name, to_languages in entries(to_names & 0x7FFFFFFF):
            _, leaf = next(entries(to_languages & 0x7FFFFFFF))
            data_rva, size = struct.unpack_from("<II", pe, root + leaf)
            start = at_rva(table, data_rva)
            found.setdefault((kind, name), pe[start:start + size])
    return subsystem, found


def version_strings(block):
    """The StringFileInfo values and the fixed file version of a VS_VERSIONINFO block."""
    values = {}

    def node(offset):
        length, value_length, is_text = struct.unpack_from("<HHH", block, offset)
        end = block.index(b"\0\0", offset + 6)
        while (end - offset - 6) % 2:
            end = block.index(b"\0\0", end + 1)
        key = block[offset + 6:end].decode("utf-16-le")
        value_at = (end + 2 + 3) & ~3
        value_size = value_length * 2 if is_text else value_length
        children_at = (value_at + value_size + 3) & ~3
        return key, block[value_at:value_at + value_size], children_at, offset + length

    key, fixed, children, end = node(0)
    if key != "VS_VERSION_INFO":
        raise ValueError("no VS_VERSION_INFO")
    if len(fixed) >= 52:
        ms, ls = struct.unpack_from("<II", fixed, 8)
        values["fixed.FileVersion"] = "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        ms, ls = struct.unpack_from("<II", fixed, 16)
        values["fixed.ProductVersion"] = "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    while children < end:
        key, _, tables, child_end = node(children)
        if key == "StringFileInfo":
            while tables < child_end:
                language, _, strings, table_end = node(tables)
                values["language"] = language
                while strings < table_end:
                    name, text, _, string_end = node(strings)
                    values[name] = text.decode("utf-16-le").rstrip("\0")
                    strings = (string_end + 3) & ~3
                tables = (table_end + 3) & ~3
        children = (child_end + 3) & ~3
    return values


def main():
    with open(sys.argv[1], "rb") as f:
        pe = f.read()
    subsystem, found = resources(pe)
    print("subsystem=%s" % {2: "gui", 3: "console"}.get(subsystem, subsystem))
    for (kind, _), data in sorted(found.items()):
        if kind == RT_VERSION:
            for name, value in version_strings(data).items():
                print("%s=%s" % (name, value))
        elif kind == RT_GROUP_ICON:
            count, = struct.unpack_from("<4xH", data)
            sizes = [data[6 + 14 * i] or 256 for i in range(count)]
            print("icon=%s" % ",".join(str(s) for s in sizes))


if __name__ == "__main__":
    main()
