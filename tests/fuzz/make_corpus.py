#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: the nastiest typed amounts and saved values we know."""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent
nasty = [b"", b"   ", b"abc", b"12x", b"1e5", b"nan", b"inf", b"-5", b"2.5", b".5", b"5.",
         b"+7", b"0x10", b"9" * 10000, "١٢".encode(), "１２".encode(), b"1\x002", b"\x00",
         b"16", b"17", b"-0", b"\t3\t", b"99999999999", b"2147483648", b"-2147483649",
         b"0." + b"0" * 400 + b"1", b"1,5"]


def trade_header(money, workforce, stocks, kind, buying):
    header = struct.pack("<ii", money, workforce)
    for stock in stocks:
        header += struct.pack("<iB", stock, 9)  # a price of 60
    return header + bytes([kind, 0 if buying else 1]) + struct.pack("<Q", 1)


def write(folder, name, content):
    path = here / "corpus" / folder
    path.mkdir(parents=True, exist_ok=True)
    (path / name).write_bytes(content)


states = [(1000, 0, [0, 0, 0, 0, 0]), (-5, 3, [10, 0, 0, 0, -10]),
          (2**31 - 1, 2**31 - 1, [2**31 - 1] * 5), (-2**31, 0, [-2**31] * 5)]
for i, text in enumerate(nasty):
    for j, (money, workforce, stocks) in enumerate(states):
        for buying in (True, False):
            header = trade_header(money, workforce, stocks, i % 5, buying)
            write("trade", f"{i:02d}-{j}-{'buy' if buying else 'sell'}", header + text)

good = [b"1234", b"1", b"22", b"333", b"0", b"-5", b"12/7/2026 3:04:05 PM"]
write("load", "sound", b"\x7f" + b"\n".join(good))
write("load", "midnight", b"\x7f" + b"\n".join(good[:6] + [b"12/31/2026"]))
write("load", "german-date", b"\x7f" + b"\n".join(good[:6] + [b"07.12.2026 15:04:05"]))
write("load", "iso-date", b"\x7f" + b"\n".join(good[:6] + [b"2026-12-07T15:04:05"]))
write("load", "nothing", b"\x00")
for key in range(7):
    write("load", f"missing-{key}", bytes([0x7f & ~(1 << key)]) + b"\n".join(good))
    for i, text in enumerate(nasty):
        fields = list(good)
        fields[key] = text
        write("load", f"nasty-{key}-{i:02d}", b"\x7f" + b"\n".join(fields))

# Saves: the number of pieces of the start file and which ones, then the seven values, each
# its length and its bytes, then raw bytes for the end of the file.
def save_seed(pieces, values, rest=b""):
    seed = bytes([len(pieces)] + pieces)
    for value in values:
        seed += bytes([len(value)]) + value
    return seed + rest


write("save", "empty-file", save_seed([], good))
write("save", "own-section", save_seed([0, 4, 5, 6], good))
write("save", "subgroups", save_seed([1, 0, 4, 23, 2], good))
write("save", "general-key", save_seed([3, 10, 0, 4], good))
write("save", "crlf-bom", save_seed([9, 20, 15, 7, 8], good))
write("save", "duplicates", save_seed([0, 13, 0, 13], good, b"\n[kelvaro]\ngeld=9\n"))
write("save", "lists-and-junk", save_seed([2, 11, 12, 16, 22, 0], good, b"\x00\xff[kel"))
write("save", "continued", save_seed([0, 21, 4], good))
write("save", "odd-values", save_seed([0], [b"", b" 1", b"a,b", b"\"q\"", b"\\", b"\n", b"@x"]))
