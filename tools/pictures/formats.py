"""Writers for the three Windows picture files the resource script takes: a
24-bit .bmp, a 16-colour .ico and a monochrome .cur."""

import struct

BITMAPINFOHEADER_SIZE = 40


def _info_header(width, height, bits, image_size, colours=0):
    return struct.pack('<IiiHHIIiiII', BITMAPINFOHEADER_SIZE, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours, 0)


def _bottom_up(rows):
    return list(reversed(rows))


def _pad(row_bytes):
    return row_bytes + b'\0' * (-len(row_bytes) % 4)


def _pack_bits(bits):
    """One bit per pixel, leftmost pixel in the highest bit, padded to 32 bits."""
    data = bytearray()
    for start in range(0, len(bits), 8):
        byte = 0
        for offset, bit in enumerate(bits[start:start + 8]):
            byte |= bit << (7 - offset)
        data.append(byte)
    return _pad(bytes(data))


def write_bmp24(path, rows):
    """rows: top row first, each a list of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    pixels = b''.join(_pad(bytes(c for r, g, b in row for c in (b, g, r)))
                      for row in _bottom_up(rows))
    offset = 14 + BITMAPINFOHEADER_SIZE
    with open(path, 'wb') as out:
        out.write(b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset))
        out.write(_info_header(width, height, 24, len(pixels)))
        out.write(pixels)


def _icon_file(kind, width, height, planes_or_x, bits_or_y, colours, image):
    directory = struct.pack('<HHH', 0, kind, 1)
    entry = struct.pack('<BBBBHHII', width, height, colours, 0, planes_or_x, bits_or_y,
                        len(image), 6 + 16)
    return directory + entry + image


def _and_mask(opaque):
    return b''.join(_pack_bits([0 if o else 1 for o in row]) for row in _bottom_up(opaque))


def write_ico16(path, indices, opaque, palette):
    """A 16-colour icon. indices: palette index per pixel, top row first;
    opaque: 1 where the icon is drawn, 0 where it is transparent."""
    height, width = len(indices), len(indices[0])
    xor = bytearray()
    for row in _bottom_up(indices):
        packed = bytes((row[x] << 4) | row[x + 1] for x in range(0, width, 2))
        xor += _pad(packed)
    colour_table = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    mask = _and_mask(opaque)
    image = (_info_header(width, 2 * height, 4, len(xor) + len(mask), 16) + colour_table +
             bytes(xor) + mask)
    with open(path, 'wb') as out:
        out.write(_icon_file(1, width, height, 1, 4, 16, image))


def write_cur_mono(path, grid, hotspot):
    """A monochrome cursor. grid: rows of 'black', 'white' or None
    (transparent), top row first."""
    height, width = len(grid), len(grid[0])
    xor = b''.join(_pack_bits([1 if p == 'white' else 0 for p in row])
                   for row in _bottom_up(grid))
    mask = _and_mask([[p is not None for p in row] for row in grid])
    colour_table = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = _info_header(width, 2 * height, 1, len(xor) + len(mask), 2) + colour_table + xor + mask
    with open(path, 'wb') as out:
        out.write(_icon_file(2, width, height, hotspot[0], hotspot[1], 2, image))
