#!/usr/bin/env python3
"""Gives the uninstaller its own version resource: makensis writes it with the setup program's, which
Explorer's properties would show as "Установка плагина…", oxycalc-setup-….exe. Run by makensis on the
uninstaller it made (!uninstfinalize): the uninstaller's description and file name go into the version
resource in place, and the checksum NSIS verifies at start is made again over the changed bytes.

    finalize-uninstaller.py UNINSTALLER.exe FILE_NAME
"""
import struct
import sys
import zlib

DESCRIPTION = "Удаление плагина oxycalc для Veltar"
RT_VERSION = 16
# NSIS's checksum covers the file from this offset (the PE headers are left out) up to itself.
CRC_START = 512


def fail(message):
    sys.exit("finalize-uninstaller: " + message)


def section_offset(image, rva):
    """The file offset of a relative virtual address."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    table = pe + 24 + optional_size
    for i in range(sections):
        size, address, _, raw = struct.unpack_from("<IIII", image, table + 40 * i + 8)
        if address <= rva < address + size:
            return rva - address + raw
    fail("no section holds RVA 0x%x" % rva)


def version_data_entry(image):
    """The file offset of the version resource's data entry (its RVA and size)."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    magic = struct.unpack_from("<H", image, pe + 24)[0]
    directories = pe + 24 + (96 if magic == 0x10B else 112)
    root = section_offset(image, struct.unpack_from("<I", image, directories + 8 * 2)[0])

    def entries(directory):
        named, numbered = struct.unpack_from("<12xHH", image, directory)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", image, directory + 16 + 8 * i)
            yield name, target

    node = None
    for name, target in entries(root):
        if name == RT_VERSION:
            node = target
    if node is None:
        fail("no version resource")
    # Type, then name, then language: the first entry at each level.
    for _ in range(2):
        if not node & 0x80000000:
            fail("the version resource's directory is not as expected")
        node = next(entries(root + (node & 0x7FFFFFFF)))[1]
    return root + node


def parse(block, at=0):
    """A version resource node: (key, value bytes, type, children), and where it ends."""
    length, value_length, kind = struct.unpack_from("<HHH", block, at)
    end = at + length
    key_end = at + 6
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[at + 6:key_end].decode("utf-16-le")
    cursor = (key_end + 2 + 3) & ~3
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = block[cursor:cursor + value_bytes]
    cursor = (cursor + value_bytes + 3) & ~3
    children = []
    while cursor < end:
        child, cursor = parse(block, cursor)
        children.append(child)
        cursor = (cursor + 3) & ~3
    return (key, value, kind, children), end


def build(node):
    key, value, kind, children = node
    head = bytearray(6) + (key + "\0").encode("utf-16-le")
    head += b"\0" * (-len(head) % 4)
    head += value
    for child in children:
        head += b"\0" * (-len(head) % 4)
        head += build(child)
    value_length = len(value) // 2 if kind == 1 else len(value)
    struct.pack_into("<HHH", head, 0, len(head), value_length, kind)
    return bytes(head)


def text_value(text):
    return (text + "\0").encode("utf-16-le")


def retitled(node, name):
    """The node with the uninstaller's description and file name in every string table."""
    key, value, kind, children = node
    if kind == 1 and key == "FileDescription":
        value = text_value(DESCRIPTION)
    elif kind == 1 and key in ("OriginalFilename", "InternalName"):
        value = text_value(name)
    return (key, value, kind, [retitled(child, name) for child in children])


def nsis_checksum_place(image):
    """Where NSIS keeps its checksum: the last 4 bytes of the data its first header counts."""
    for at in range(CRC_START, len(image), 512):
        if image[at + 4:at + 20] == b"\xef\xbe\xad\xdeNullsoftInst":
            return at + struct.unpack_from("<i", image, at + 24)[0] - 4
    fail("no NSIS header")


def main():
    if len(sys.argv) != 3:
        fail("usage: finalize-uninstaller.py UNINSTALLER.exe FILE_NAME")
    path, name = sys.argv[1], sys.argv[2]
    with open(path, "rb") as file:
        image = bytearray(file.read())
    entry = version_data_entry(image)
    rva, size = struct.unpack_from("<II", image, entry)
    offset = section_offset(image, rva)
    tree, _ = parse(bytes(image[offset:offset + size]))
    block = build(retitled(tree, name))
    if len(block) > size:
        fail("the uninstaller's version resource (%d bytes) is larger than the room of the setup program's "
             "(%d bytes)" % (len(block), size))
    image[offset:offset + size] = block + b"\0" * (size - len(block))
    struct.pack_into("<I", image, entry + 4, len(block))
    crc = nsis_checksum_place(image)
    struct.pack_into("<I", image, crc, zlib.crc32(bytes(image[CRC_START:crc])))
    with open(path, "wb") as file:
        file.write(image)


main()
