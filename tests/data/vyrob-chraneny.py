#!/usr/bin/python3
"""Builds the golden protected results file OO500011.00001 (and its plain line) with
an implementation independent of the program: Python's zlib and pycryptodome.

    vyrob-chraneny.py [DIR]        write OO500011.00001 and OO500011.00001.radek to DIR
    vyrob-chraneny.py --decode F   print the plain content of the protected file F

The golden files are committed; run this only to check them, never to make a test pass.
"""
import base64
import os
import struct
import sys
import zlib

from Cryptodome.Cipher import Blowfish

KEY = b"H4m7q#RZ2!tK9&w5"
NAME = "OO500011.00001"


def n(value, width):
    text = str(value)
    assert len(text) <= width, (value, width)
    return text.rjust(width)


def t(text, width):
    data = text.encode("cp1250")
    assert len(data) <= width, (text, width)
    return data.decode("cp1250").ljust(width)


def r(value, width):
    return n(int(round(value)), width)


OKRES, OBEC, OKRSEK, TYP = 3701, 500011, 1, 1
KC1 = (OBEC * 100000 + OKRSEK) % 7
COBVODU = 1


def ident(typ_vety, chyba=0):
    return n(typ_vety, 1) + n(0, 1) + n(chyba, 1) + n(OKRES, 4) + n(OBEC, 6) + n(OKRSEK, 5) \
        + n(KC1, 1) + n(TYP, 1)


def party(k, votes, chyba=0):
    """votes: {candidate number: votes}; candidates 1..70."""
    poc = sum(votes.values())
    last = max([i for i, v in votes.items() if v] or [0])
    kc2 = poc + k
    ks = 2 + 0 + chyba + OKRES + OBEC + OKRSEK + KC1 + TYP + COBVODU + kc2 + last \
        + sum(i * v for i, v in votes.items())
    line = ident(2, chyba) + n(k, 3) + n(poc, 6)
    line += "".join(n(votes.get(i, 0), 4) for i in range(1, 71))
    line += n(kc2, 5) + n(last, 2) + n(ks, 7)
    assert len(line) == 323
    return line, poc, kc2, ks


def plain_line():
    p1, poc1, kc21, ks1 = party(1, {1: 120, 3: 85, 5: 9999, 70: 7})
    p2, poc2, kc22, ks2 = party(2, {2: 310, 4: 1, 9: 44}, chyba=1)
    zaps, vyd, odevzd, platne, pocet, pochl = 812, 530, 528, 4321, 2, 2
    kc2 = zaps + TYP + vyd + odevzd + platne + pocet + pochl
    header = ident(1) + n(COBVODU, 2) + n(zaps, 5) + n(vyd, 4) + n(odevzd, 4) + n(platne, 6) \
        + n(pocet, 3) + n(pochl, 3) + n(kc2, 6) + n(OBEC, 6)
    assert len(header) == 59

    sum_kc1 = KC1 + KC1 + KC1 + KC1
    sum_kc2 = kc2 + kc21 + kc22
    sum_ks = ks1 + ks2
    reserved, random = 1234567890, 654321
    date, time = "20221023", "143005"
    kontr = int(time) + int(date) + sum_kc1 + sum_kc2 + sum_ks + reserved + random
    closing = ident(3) + t("0691", 50) + t(date, 8) + t(time, 6) + r(reserved, 10) + n(1, 1) \
        + n(62, 2) + t("", 1) + n(0, 2) + t("Řehoř Čáp", 15) + t("", 8) + t("", 6) + r(0, 10) \
        + n(0, 2) + t("", 15) + t("", 8) + t("", 6) + r(-42, 10) + r(sum_kc1, 3) \
        + r(sum_kc2, 7) + r(sum_ks, 9) + n(random, 6) + n(0, 6) + n(0, 6) + r(kontr, 11) \
        + r(0, 11) + r(0, 11)
    assert len(closing) == 250

    free = ""
    for i, text in ((3, "Poznámka komise: vše v pořádku"), (41, "Druhá věta")):
        block = n(6, 1) + n(OBEC, 6) + n(OKRSEK, 5) + n(TYP, 1) + n(i, 2) + t(text, 200)
        assert len(block) == 215
        free += block
    line = header + p1 + p2 + closing + free
    assert len(line) == 59 + 2 * 323 + 250 + 2 * 215
    return line.encode("cp1250")


def cipher():
    return Blowfish.new(KEY, Blowfish.MODE_CFB, iv=bytes(8), segment_size=8)


def protect(plain):
    container = struct.pack("<ii", 1, 8) + b"data.dmp" + struct.pack("<i", len(plain)) \
        + zlib.compress(plain, -1)
    container += bytes(-len(container) % 8)
    text = base64.b64encode(cipher().encrypt(container)).decode("ascii")
    return "\r\n".join(text[i:i + 76] for i in range(0, len(text), 76)).encode("ascii")


def unprotect(stored):
    alphabet = b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
    clean = bytes(c for c in stored if c in alphabet)
    clean += b"=" * (-len(clean) % 4)
    container = cipher().decrypt(base64.b64decode(clean))
    count, name_len = struct.unpack_from("<ii", container, 0)
    assert count == 1 and 0 <= name_len
    pos = 8 + min(name_len, 255)
    (length,) = struct.unpack_from("<i", container, pos)
    d = zlib.decompressobj()
    plain = d.decompress(container[pos + 4:])
    assert d.eof and len(plain) == length, "damaged container"
    return plain


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--decode":
        with open(sys.argv[2], "rb") as f:
            sys.stdout.buffer.write(unprotect(f.read()))
        return
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    line = plain_line()
    stored = protect(line)
    assert unprotect(stored) == line
    with open(os.path.join(out, NAME), "wb") as f:
        f.write(stored)
    with open(os.path.join(out, NAME + ".radek"), "wb") as f:
        f.write(line)


if __name__ == "__main__":
    main()
