#!/usr/bin/python3
"""Writes the frozen panes of the .fods into the .xlt LibreOffice made from it.

LibreOffice converts without a window, and without one it keeps no view settings, so the
rows and columns the .fods freezes (in its view settings) are lost on the way. This script
sets them in each sheet's WINDOW2 record and adds the PANE record after it. The Workbook
stream may only grow into the free room of its last sector; when there is none the script
says so and the template must be made some other way.

    freeze-panes.py SOURCE.fods TEMPLATE.xlt
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

CONFIG = '{urn:oasis:names:tc:opendocument:xmlns:config:1.0}'
END_OF_CHAIN = 0xFFFFFFFA  # and above: no further sector
BOUNDSHEET, BOF, EOF, WINDOW2, PANE, SELECTION = 0x0085, 0x0809, 0x000A, 0x023E, 0x0041, 0x001D


def frozen_panes(fods):
    """{sheet name: (rows, columns)} frozen in the document's view settings."""
    panes = {}
    root = ElementTree.parse(fods).getroot()
    for tables in root.iter(CONFIG + 'config-item-map-named'):
        if tables.get(CONFIG + 'name') != 'Tables':
            continue
        for entry in tables.findall(CONFIG + 'config-item-map-entry'):
            items = {i.get(CONFIG + 'name'): int(i.text or 0)
                     for i in entry.findall(CONFIG + 'config-item')}
            rows = items.get('VerticalSplitPosition', 0) if items.get('VerticalSplitMode') == 2 else 0
            cols = items.get('HorizontalSplitPosition', 0) if items.get('HorizontalSplitMode') == 2 else 0
            if rows or cols:
                panes[entry.get(CONFIG + 'name')] = (rows, cols)
    return panes


class CompoundFile:
    """Just enough of a compound file to rewrite one stream in its own sectors."""

    def __init__(self, data):
        self.data = bytearray(data)
        self.sector = 1 << struct.unpack_from('<H', data, 30)[0]
        self.mini = 1 << struct.unpack_from('<H', data, 32)[0]
        fat_sectors, first_dir = struct.unpack_from('<I', data, 44)[0], struct.unpack_from('<I', data, 48)[0]
        self.cutoff, first_minifat = struct.unpack_from('<I', data, 56)[0], struct.unpack_from('<I', data, 60)[0]
        if struct.unpack_from('<I', data, 72)[0]:
            sys.exit('freeze-panes: compound files with DIFAT sectors are not handled')
        self.fat = []
        for s in struct.unpack_from('<109I', data, 76)[:fat_sectors]:
            self.fat += struct.unpack_from('<%dI' % (self.sector // 4), data, self.at(s))
        self.dir_sectors = self.chain(first_dir)
        self.minifat = []
        for s in self.chain(first_minifat):
            self.minifat += struct.unpack_from('<%dI' % (self.sector // 4), data, self.at(s))
        root = self.entry(0)
        self.mini_sectors = self.chain(root[1])

    def at(self, sector):
        return (sector + 1) * self.sector

    def chain(self, first, fat=None):
        fat = self.fat if fat is None else fat
        out, s = [], first
        while s < END_OF_CHAIN:
            out.append(s)
            s = fat[s]
        return out

    def entry_offset(self, index):
        per = self.sector // 128
        return self.at(self.dir_sectors[index // per]) + 128 * (index % per)

    def entry(self, index):
        at = self.entry_offset(index)
        name_length = struct.unpack_from('<H', self.data, at + 64)[0]
        name = bytes(self.data[at:at + max(name_length - 2, 0)]).decode('utf-16-le')
        start, size = struct.unpack_from('<II', self.data, at + 116)
        return name, start, size

    def find(self, name):
        for index in range(len(self.dir_sectors) * (self.sector // 128)):
            if self.entry(index)[0] == name:
                return index
        sys.exit('freeze-panes: no %s stream' % name)

    def places(self, index):
        """The file offsets of the stream's pieces and the size of each piece."""
        _, start, size = self.entry(index)
        if size >= self.cutoff:
            return [(self.at(s), self.sector) for s in self.chain(start)]
        places = []
        for m in self.chain(start, self.minifat):
            byte = m * self.mini
            big = self.mini_sectors[byte // self.sector]
            places.append((self.at(big) + byte % self.sector, self.mini))
        return places

    def read(self, index):
        size = self.entry(index)[2]
        return b''.join(bytes(self.data[at:at + n]) for at, n in self.places(index))[:size]

    def rewrite(self, index, stream):
        places = self.places(index)
        old_size = self.entry(index)[2]
        if len(stream) > sum(n for _, n in places) or (old_size < self.cutoff <= len(stream)):
            sys.exit('freeze-panes: no room left in the Workbook stream for the PANE records')
        padded = stream + bytes(sum(n for _, n in places) - len(stream))
        offset = 0
        for at, n in places:
            self.data[at:at + n] = padded[offset:offset + n]
            offset += n
        struct.pack_into('<I', self.data, self.entry_offset(index) + 120, len(stream))


def records(stream):
    at = 0
    while at + 4 <= len(stream):
        kind, length = struct.unpack_from('<HH', stream, at)
        yield at, kind, length
        at += 4 + length


def freeze(stream, panes):
    stream = bytearray(stream)
    sheets = {}  # stream offset of a sheet's BOF -> (name, place of that offset in BOUNDSHEET)
    for at, kind, length in records(stream):
        if kind == BOUNDSHEET:
            name_length, wide = stream[at + 10], stream[at + 11] & 1
            raw = bytes(stream[at + 12:at + 12 + name_length * (2 if wide else 1)])
            name = raw.decode('utf-16-le' if wide else 'latin-1')
            sheets[struct.unpack_from('<I', stream, at + 4)[0]] = (name, at + 4)
        if kind == EOF:
            break
    for bof in sorted(sheets, reverse=True):  # from the last sheet, so earlier offsets stay
        name, _ = sheets[bof]
        if name not in panes:
            continue
        rows, cols = panes[name]
        active = 0 if rows and cols else (2 if rows else 1)  # bottom-right, bottom-left, top-right
        depth, insert = 0, None
        for at, kind, length in records(stream[bof:]):
            at += bof
            depth += kind == BOF
            depth -= kind == EOF
            if depth == 0:
                break
            if depth == 1 and kind == WINDOW2:
                flags = struct.unpack_from('<H', stream, at + 4)[0] | 0x0108  # frozen, no split
                struct.pack_into('<H', stream, at + 4, flags)
                insert = at + 4 + length
            if depth == 1 and kind == SELECTION and length >= 15:
                # The selection moves to the pane that scrolls, out of the frozen rows.
                row = max(struct.unpack_from('<H', stream, at + 5)[0], rows)
                col = max(struct.unpack_from('<H', stream, at + 7)[0], cols)
                struct.pack_into('<BHHHHHHBB', stream, at + 4, active, row, col, 0, 1, row, row,
                                 col, col)
        if insert is None:
            sys.exit('freeze-panes: sheet %s has no WINDOW2 record' % name)
        pane = struct.pack('<HHHHHHBB', PANE, 10, cols, rows, rows, cols, active, 0)
        stream[insert:insert] = pane
        for other, (_, field) in sheets.items():
            if other > insert:
                struct.pack_into('<I', stream, field, other + len(pane))
    return bytes(stream)


def main(fods, xlt):
    panes = frozen_panes(fods)
    if not panes:
        return
    with open(xlt, 'rb') as f:
        cfb = CompoundFile(f.read())
    index = cfb.find('Workbook')
    cfb.rewrite(index, freeze(cfb.read(index), panes))
    with open(xlt, 'wb') as f:
        f.write(cfb.data)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
