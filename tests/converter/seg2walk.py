#!/usr/bin/python3
"""An independent look at SEG-2 files, written from the published SEG-2
layout (Society of Exploration Geophysicists, "SEG-2: a standard for
seismic data on personal computers"), not from our writer.

  seg2walk.py walk FILE     check the file's structure and print it as JSON:
                            {"revision", "strings", "traces": [{"pointer",
                            "descriptor_size", "data_size", "samples",
                            "format", "strings", "sample_bits"}]}
                            (sample_bits: the little-endian u32 of each float32)
  seg2walk.py golden FILE   write the three-trace example file, built field by
                            field from the layout table

Exit status 1 with a message on standard error when a check fails.
"""
import json
import struct
import sys

FILE_BLOCK_ID = 0x3A55
TRACE_BLOCK_ID = 0x4422


class Bad(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Bad(what)


def read_strings(data, start, end, where):
    """A string list: u16 size (counting itself), the text, a NUL; a size of
    0 ends the list. Then blanks up to end."""
    strings = []
    pos = start
    while True:
        check(pos + 2 <= end, f"{where}: string list runs past its block")
        (size,) = struct.unpack_from("<H", data, pos)
        if size == 0:
            pos += 2
            break
        check(size >= 3, f"{where}: string size {size} too small")
        check(pos + size <= end, f"{where}: string at {pos} runs past its block")
        body = data[pos + 2:pos + size]
        check(body[-1:] == b"\x00", f"{where}: string at {pos} does not end in NUL")
        check(b"\x00" not in body[:-1], f"{where}: string at {pos} has a NUL inside")
        strings.append(body[:-1].decode("ascii"))
        pos += size
    check(all(b == 0x20 for b in data[pos:end]), f"{where}: padding is not blanks")
    return strings


def walk(path):
    data = open(path, "rb").read()
    check(len(data) >= 32, "shorter than a file descriptor block")
    block_id, revision, m, n = struct.unpack_from("<HHHH", data, 0)
    check(block_id == FILE_BLOCK_ID, f"file block id {block_id:#06x}")
    check(revision in (0, 1), f"revision {revision}")
    check(n > 0, "no traces")
    check(m == 4 * n, f"pointer sub-block size {m} for {n} traces")
    check(data[8] == 1 and data[9] == 0, "string terminator is not one NUL")
    check(data[11] == 1 and data[12] == 0x0A, "line terminator is not one LF")
    pointers = list(struct.unpack_from(f"<{n}I", data, 32))
    file_strings_end = pointers[0]
    check(file_strings_end % 4 == 0, "first trace pointer is not a multiple of 4")
    strings = read_strings(data, 32 + m, file_strings_end, "file block")

    traces = []
    for i, p in enumerate(pointers):
        where = f"trace {i} at {p}"
        check(p % 4 == 0, f"{where}: pointer not a multiple of 4")
        check(p + 32 <= len(data), f"{where}: pointer past the end")
        tid, x, y, ns, fmt = struct.unpack_from("<HHIIB", data, p)
        check(tid == TRACE_BLOCK_ID, f"{where}: block id {tid:#06x}")
        check(x % 4 == 0 and x >= 32, f"{where}: descriptor size {x}")
        check(fmt == 4, f"{where}: format {fmt}")
        check(y == 4 * ns, f"{where}: data size {y} for {ns} samples")
        check(all(b == 0x20 for b in data[p + 13:p + 32]), f"{where}: reserved bytes not blanks")
        trace_strings = read_strings(data, p + 32, p + x, where)
        following = pointers[i + 1] if i + 1 < n else len(data)
        check(p + x + y == following,
              f"{where}: block ends at {p + x + y}, next begins at {following}")
        bits = list(struct.unpack_from(f"<{ns}I", data, p + x))
        traces.append({"pointer": p, "descriptor_size": x, "data_size": y, "samples": ns,
                       "format": fmt, "strings": trace_strings, "sample_bits": bits})
    return {"revision": revision, "strings": strings, "traces": traces}


def string_entry(text):
    body = text.encode("ascii") + b"\x00"
    return struct.pack("<H", len(body) + 2) + body


def blanks_to_four(block):
    return block + b" " * (-len(block) % 4)


def golden():
    """Three traces of four float32 samples; receivers at x 0, 5 and 10, the
    source at -3, a sample interval of 0.00025 s; revision 1 and blank
    padding throughout."""
    samples = [(0.5, -0.25, 0.001, 3.0), (1.0, 2.0, -3.0, 4.5), (0.0, -0.0, 7.25, -1e6)]
    receivers = ["0", "5", "10"]
    blocks = []
    for rx, values in zip(receivers, samples):
        texts = ["DELAY 0", "DESCALING_FACTOR 1", f"RECEIVER_LOCATION {rx} 0 0",
                 "SAMPLE_INTERVAL 0.00025", "SOURCE_LOCATION -3 0 0", "STACK 1"]
        strings = b"".join(string_entry(t) for t in texts) + b"\x00\x00"
        descriptor = blanks_to_four(b"\x00" * 32 + strings)
        x = len(descriptor)
        data = struct.pack("<4f", *values)
        head = struct.pack("<HHII", TRACE_BLOCK_ID, x, len(data), len(values)) + b"\x04" + b" " * 19
        blocks.append(head + descriptor[32:] + data)
    n = len(blocks)
    header = struct.pack("<HHHH", FILE_BLOCK_ID, 1, 4 * n, n)
    header += b"\x01\x00\x20\x01\x0a\x20" + b" " * 18
    strings = b"".join(string_entry(t) for t in ["TRACE_SORT AS_ACQUIRED", "UNITS METERS"])
    strings += b"\x00\x00"
    first = 32 + 4 * n + len(strings)
    first += -first % 4
    pointers, offset = [], first
    for b in blocks:
        pointers.append(offset)
        offset += len(b)
    out = blanks_to_four(header + struct.pack(f"<{n}I", *pointers) + strings)
    assert len(out) == first
    return out + b"".join(blocks)


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("walk", "golden"):
        sys.stderr.write(__doc__)
        return 2
    try:
        if sys.argv[1] == "walk":
            print(json.dumps(walk(sys.argv[2])))
        else:
            open(sys.argv[2], "wb").write(golden())
    except Bad as e:
        sys.stderr.write(f"{sys.argv[2]}: {e}\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
