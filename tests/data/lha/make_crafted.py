#!/usr/bin/env python3
"""Writes the crafted fixtures: archives no LHA program would write (hostile
names) and damaged copies of jlha-l2-lh5.lzh. Run from this folder."""
import struct

def crc16(data, crc=0):
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc

MTIME = 1700000000

def level2(name, body, dirname=b'', mode=None):
    """A stored (-lh0-) level-2 entry."""
    exts = [(0x00, b'\0\0'), (0x01, name)]
    if dirname:
        exts.append((0x02, dirname))
    if mode is not None:
        exts.append((0x50, struct.pack('<H', mode)))
    h = bytearray(b'\0\0' + b'-lh0-' + struct.pack('<IIIBBHB', len(body), len(body), MTIME, 0x20, 2, crc16(body), ord('U')))
    crc_at = None
    for t, d in exts:
        h += struct.pack('<H', len(d) + 3)
        if t == 0:
            crc_at = len(h) + 1
        h += bytes([t]) + d
    h += b'\0\0'
    if len(h) & 0xFF == 0:
        h += b'\0'
    h[0:2] = struct.pack('<H', len(h))
    c = crc16(bytes(h))
    h[crc_at:crc_at + 2] = struct.pack('<H', c)
    return bytes(h) + body

def level0(name, body):
    """A stored level-0 entry (the name may hold "\\" folders)."""
    rest = b'-lh0-' + struct.pack('<IIIBB', len(body), len(body), 0x5A210000, 0x20, 0) + bytes([len(name)]) + name + struct.pack('<H', crc16(body))
    return bytes([len(rest), sum(rest) & 0xFF]) + rest + body

SAFE = level2(b'ok.txt', b'safe\n')
cases = {
    'hostile-dotdot.lzh': level2(b'evil.txt', b'evil\n', dirname=b'..\xff'),
    'hostile-absolute.lzh': level0(b'\\tmp\\evil.txt', b'evil\n'),
    'hostile-drive.lzh': level0(b'C:\\evil.txt', b'evil\n'),
    'hostile-symlink.lzh': level2(b'link', b'/etc/passwd', mode=0o120777),
    'hostile-control.lzh': level2(b'bad\x01name.txt', b'evil\n'),
}
for name, entry in cases.items():
    open(name, 'wb').write(entry + SAFE + b'\0')

good = bytearray(open('jlha-l2-lh5.lzh', 'rb').read())
# hello.txt is the first entry: flip a byte in the middle of its body.
hsize = struct.unpack('<H', good[0:2])[0]
packed = struct.unpack('<I', good[7:11])[0]
damaged = bytearray(good)
damaged[hsize + packed // 2] ^= 0x55
open('damaged-crc.lzh', 'wb').write(damaged)
open('truncated.lzh', 'wb').write(good[:len(good) // 2])
badheader = bytearray(good)
badheader[hsize - 6] ^= 0x01  # inside the first header's extensions
open('bad-header-crc.lzh', 'wb').write(badheader)

stored = bytearray(open('jlha-l2-lh0.lzh', 'rb').read())
hsize = struct.unpack('<H', stored[0:2])[0]
stored[hsize + 10] ^= 0x01  # hello.txt is stored: only its CRC can tell
open('damaged-stored-crc.lzh', 'wb').write(stored)
