# The small GIF writer the drawing scripts share (pure Python, no libraries).


def lzw(indices, min_size):
    """GIF-flavoured LZW: returns the code stream as bytes (before sub-blocking)."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, acc, nbits = bytearray(), 0, 0

    def put(code, size):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += size
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def fresh():
        return {(i,): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, size = fresh()
    put(clear, size)
    word = ()
    for k in indices:
        longer = word + (k,)
        if longer in table:
            word = longer
            continue
        put(table[word], size)
        if next_code >= (1 << size) and size < 12:
            size += 1
        if next_code < 4095:
            table[longer] = next_code
            next_code += 1
        else:
            put(clear, size)
            table, next_code, size = fresh()
        word = (k,)
    put(table[word], size)
    put(end, size)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def gif(width, height, palette, pixels, transparent):
    """GIF89a bytes: palette is a list of (r, g, b), pixels a flat list of indices."""
    bits = 1
    while (1 << bits) < len(palette):
        bits += 1
    table = list(palette) + [(0, 0, 0)] * ((1 << bits) - len(palette))
    data = bytearray(b"GIF89a")
    data += width.to_bytes(2, "little") + height.to_bytes(2, "little")
    data += bytes([0x80 | (bits - 1) << 4 | (bits - 1), 0, 0])
    for r, g, b in table:
        data += bytes([r, g, b])
    if transparent is not None:
        data += bytes([0x21, 0xF9, 4, 0x01, 0, 0, transparent, 0])
    data += b"\x2c" + bytes(4) + width.to_bytes(2, "little") + height.to_bytes(2, "little")
    data += b"\x00"
    min_size = max(2, bits)
    data.append(min_size)
    stream = lzw(pixels, min_size)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3b"
    return bytes(data)
