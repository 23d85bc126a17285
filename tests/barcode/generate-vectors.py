#!/usr/bin/env python3
"""Writes zint-vectors.tsv: module patterns from zint for the inputs the barcode test compares.

Run it again (zint must be installed) only when the list of inputs changes; the test reads the
committed file and needs no zint. Each line, tab-separated:
    row name, type code, our data, zint symbology, zint data, zint --dump output
Both data columns use \\xNN for control characters and \\\\ for a backslash (zint's --esc form).
"""
import random
import subprocess
from pathlib import Path

EAN13, EAN8, UPC, CODE39, CODE39EXT, I25, CODABAR, CODE128, CODE11 = range(9)
ZINT_CODE11, ZINT_I25, ZINT_CODE39, ZINT_EXCODE39, ZINT_EANX, ZINT_CODABAR, ZINT_CODE128, ZINT_UPCA = (
    1, 3, 8, 9, 13, 18, 20, 34)


def escape(text):
    out = []
    for ch in text:
        if ch == "\\":
            out.append("\\\\")
        elif ord(ch) < 32 or ord(ch) == 127:
            out.append("\\x%02X" % ord(ch))
        else:
            out.append(ch)
    return "".join(out)


def ean_check(digits):
    total = sum(int(d) * (3 if i % 2 == 0 else 1) for i, d in enumerate(reversed(digits)))
    return str((10 - total % 10) % 10)


def code11_check(text, max_weight):
    total = 0
    for i, ch in enumerate(reversed(text)):
        total += (10 if ch == "-" else int(ch)) * (i % max_weight + 1)
    r = total % 11
    return "-" if r == 10 else str(r)


def code11_with_checks(text):
    text += code11_check(text, 10)
    return text + code11_check(text, 9)


def ext_spelling(text):
    ranges = [(0, 0, "%", "U"), (1, 26, "$", "A"), (27, 31, "%", "A"), (33, 47, "/", "A"),
              (58, 58, "/", "Z"), (59, 63, "%", "F"), (64, 64, "%", "V"), (91, 95, "%", "K"),
              (96, 96, "%", "W"), (97, 122, "+", "A"), (123, 127, "%", "P")]
    out = []
    for ch in text:
        code = ord(ch)
        for first, last, shift, letter in ranges:
            if first <= code <= last:
                out.append(shift + chr(ord(letter) + code - first))
                break
        else:
            out.append(ch)
    return "".join(out)


def ext_row(name, data):
    # zint writes "-" and "." as themselves where we write "/M" and "/N": for such data zint
    # encodes our plain Code 39 spelling instead.
    if "-" in data or "." in data:
        return (name, CODE39EXT, data, ZINT_CODE39, ext_spelling(data))
    return (name, CODE39EXT, data, ZINT_EXCODE39, data)


def fixed_rows():
    rows = [
        ("EAN-13 4512345678906, the standard's example", EAN13, "4512345678906", ZINT_EANX, "451234567890"),
        ("EAN-13 9501101531000, the standard's example", EAN13, "9501101531000", ZINT_EANX, "950110153100"),
        ("EAN-13 1234567890128", EAN13, "1234567890128", ZINT_EANX, "123456789012"),
        ("EAN-8 96385074", EAN8, "96385074", ZINT_EANX, "9638507"),
        ("UPC-A 012345678905, the standard's example", UPC, "012345678905", ZINT_UPCA, "01234567890"),
        ("Code 39 1A, the standard's example", CODE39, "1A", ZINT_CODE39, "1A"),
        ("Code 39 every symbol character", CODE39, "-. $/+%", ZINT_CODE39, "-. $/+%"),
        ("Code 39 lower case read as upper case", CODE39, "abc xyz", ZINT_CODE39, "ABC XYZ"),
        ext_row("Code 39 full ASCII mixed case", "Code 39 Ext!"),
        ext_row("Code 39 full ASCII with dash and dot", "a-b.c"),
        ext_row("Code 39 full ASCII control characters", "\x00\x01\x1a\x1b\x1f\x7f"),
        ("Interleaved 2 of 5 odd length 123", I25, "123", ZINT_I25, "123"),
        ("Interleaved 2 of 5 1234567890", I25, "1234567890", ZINT_I25, "1234567890"),
        ("Codabar A37859B, the standard's example", CODABAR, "A37859B", ZINT_CODABAR, "A37859B"),
        ("Codabar every character", CODABAR, "C0123456789-$:/.+D", ZINT_CODABAR, "C0123456789-$:/.+D"),
        ("Code 128 AIM, the standard's example", CODE128, "BAIM", ZINT_CODE128, "AIM"),
        ("Code 128 BHi", CODE128, "BHi", ZINT_CODE128, "Hi"),
        ("Code 128 digit pairs in set C", CODE128, "C1234", ZINT_CODE128, "1234"),
        ("Code 128 set C then set B", CODE128, "C1234#{B|AB", ZINT_CODE128, "1234AB"),
        ("Code 128 control character in set A", CODE128, "AA\x01B", ZINT_CODE128, "A\x01B"),
        ("Code 11 123-45, the standard's example", CODE11, code11_with_checks("123-45"), ZINT_CODE11, "123-45"),
        ("Code 11 twelve digits", CODE11, code11_with_checks("123456789012"), ZINT_CODE11, "123456789012"),
    ]
    return rows


def random_text(rng, alphabet, low, high, max_digit_run=None):
    length = rng.randint(low, high)
    out = []
    run = 0
    while len(out) < length:
        ch = rng.choice(alphabet)
        if ch.isdigit():
            if max_digit_run is not None and run >= max_digit_run:
                continue
            run += 1
        else:
            run = 0
        out.append(ch)
    return "".join(out)


def generated_rows(rng, count):
    digits = "0123456789"
    rows = []
    for i in range(count):
        d12 = random_text(rng, digits, 12, 12)
        rows.append(("generated EAN-13 %d" % i, EAN13, d12 + ean_check(d12), ZINT_EANX, d12))
        d7 = random_text(rng, digits, 7, 7)
        rows.append(("generated EAN-8 %d" % i, EAN8, d7 + ean_check(d7), ZINT_EANX, d7))
        d11 = random_text(rng, digits, 11, 11)
        rows.append(("generated UPC-A %d" % i, UPC, d11 + ean_check(d11), ZINT_UPCA, d11))
        t39 = random_text(rng, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", 1, 20)
        rows.append(("generated Code 39 %d" % i, CODE39, t39, ZINT_CODE39, t39))
        ext = random_text(rng, [chr(c) for c in range(128)], 1, 15)
        rows.append(ext_row("generated Code 39 full ASCII %d" % i, ext))
        n25 = random_text(rng, digits, 1, 20)
        rows.append(("generated Interleaved 2 of 5 %d" % i, I25, n25, ZINT_I25, n25))
        bar = (rng.choice("ABCD") + random_text(rng, "0123456789-$:/.+", 1, 16) + rng.choice("ABCD"))
        rows.append(("generated Codabar %d" % i, CODABAR, bar, ZINT_CODABAR, bar))
        # zint picks the code sets itself: text without long digit runs stays in set B, even
        # digit strings of four or more go in set C.
        printable = [chr(c) for c in range(32, 127) if chr(c) != "{"]
        b = random_text(rng, printable, 1, 20, max_digit_run=2)
        rows.append(("generated Code 128 set B %d" % i, CODE128, "B" + b, ZINT_CODE128, b))
        c = "".join(rng.choice(digits) for _ in range(2 * rng.randint(2, 10)))
        rows.append(("generated Code 128 set C %d" % i, CODE128, "C" + c, ZINT_CODE128, c))
        e11 = random_text(rng, "0123456789-", 1, 20)
        rows.append(("generated Code 11 %d" % i, CODE11, code11_with_checks(e11), ZINT_CODE11, e11))
    return rows


def zint_dump(symbology, data):
    result = subprocess.run(["zint", "--esc", "-b", str(symbology), "-d", escape(data), "--dump"],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit("zint failed on %r: %s" % (data, result.stderr.strip()))
    return result.stdout.strip()


def main():
    rows = fixed_rows() + generated_rows(random.Random(20261206), 12)
    lines = ["\t".join([name, str(kind), escape(ours), str(symbology), escape(theirs),
                        zint_dump(symbology, theirs)])
             for name, kind, ours, symbology, theirs in rows]
    target = Path(__file__).resolve().parent / "zint-vectors.tsv"
    target.write_text("\n".join(lines) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
