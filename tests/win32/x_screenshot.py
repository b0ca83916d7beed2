#!/usr/bin/env python3
"""Writes a PNG of an X window (or the whole screen) as the X server shows it.

    x_screenshot.py OUT.png [WINDOW_ID]

Reads the pixels with XGetImage through libX11 (no other package needed) and
writes an 8-bit RGB PNG. Used under Xvfb, whose screens are 24-bit TrueColor.
"""
import ctypes
import ctypes.util
import os
import struct
import sys
import zlib

ZPIXMAP = 2
ALL_PLANES = 0xFFFFFFFF


class XImage(ctypes.Structure):
    _fields_ = [
        ("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
        ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
        ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong),
    ]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("rest", ctypes.c_byte * 256)]


def shift_of(mask):
    shift = 0
    while mask and not mask & 1:
        mask >>= 1
        shift += 1
    return shift


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def main():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(XWindowAttributes)]
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    display = x11.XOpenDisplay(os.environ.get("DISPLAY", "").encode())
    if not display:
        sys.exit("no display")
    window = int(sys.argv[2], 0) if len(sys.argv) > 2 else x11.XDefaultRootWindow(display)
    attributes = XWindowAttributes()
    if not x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        sys.exit("no such window")
    image = x11.XGetImage(display, window, 0, 0, attributes.width, attributes.height, ALL_PLANES, ZPIXMAP)
    if not image:
        sys.exit("window not readable (unmapped?)")
    im = image.contents
    if im.bits_per_pixel != 32:
        sys.exit("only 32-bit pixels are read")
    shifts = [shift_of(im.red_mask), shift_of(im.green_mask), shift_of(im.blue_mask)]
    data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
    rows = []
    for y in range(im.height):
        line = data[y * im.bytes_per_line: y * im.bytes_per_line + 4 * im.width]
        pixels = struct.unpack("<%dI" % im.width, line)
        rows.append(bytes(b for p in pixels for b in ((p >> shifts[0]) & 255, (p >> shifts[1]) & 255,
                                                      (p >> shifts[2]) & 255)))
    with open(sys.argv[1], "wb") as out:
        out.write(png(im.width, im.height, rows))


if __name__ == "__main__":
    main()
