#!/usr/bin/env python3
"""Makes the golden record files of the station, reference, sections I/III,
commission and cross-check files. Run once; the files are then checked by hand
against the layouts and never regenerated to make a test pass."""

import random
import struct
from pathlib import Path

CIL = Path(__file__).resolve().parent


def retezec(zaznam, posun, max_delka, text, vypln=None):
    """Length byte + cp1250 bytes at `posun`; the rest of the field stays as is."""
    b = text.encode("cp1250")
    assert len(b) <= max_delka, (text, max_delka)
    zaznam[posun] = len(b)
    zaznam[posun + 1:posun + 1 + len(b)] = b


def integer(zaznam, posun, hodnota):
    zaznam[posun:posun + 4] = struct.pack("<i", hodnota)


def word(zaznam, posun, hodnota):
    zaznam[posun:posun + 2] = struct.pack("<H", hodnota)


def uloz(jmeno, zaznamy, velikost):
    for z in zaznamy:
        assert len(z) == velikost, (jmeno, len(z))
    (CIL / jmeno).write_bytes(b"".join(bytes(z) for z in zaznamy))


# --- STANICE.RCD, 256 bytes ---------------------------------------------------------

def stanice(z, obec, kod, okrsek, kod_okresu, okres, datum, r1, r2, font, win, s1, s2):
    retezec(z, 7, 40, obec)
    retezec(z, 48, 6, kod)
    integer(z, 56, okrsek)
    retezec(z, 60, 4, kod_okresu)
    retezec(z, 65, 25, okres)
    retezec(z, 91, 23, datum)
    retezec(z, 115, 32, r1)
    retezec(z, 148, 32, r2)
    retezec(z, 243, 3, font)
    retezec(z, 247, 2, win)
    retezec(z, 250, 1, s1)
    retezec(z, 252, 1, s2)
    return z


# Clean record: every byte outside the strings is zero.
cista = stanice(bytearray(256), "Šťáhlavy nad Úhlavou", "558567", 3, "3405",
                "Plzeň-město   ", "23.09.2022 - 24.09.2022", "rezerva jedna", "",
                " CE", "18", "A", "")
retezec(cista, 0, 2, "XY")
retezec(cista, 3, 3, "abc")
uloz("STANICE.RCD", [cista], 256)

# Dirty file: random bytes everywhere, then the fields, plus a second record; a
# rewrite must keep every byte that is not a field the program owns.
nahoda = random.Random(20220923)
spinava = bytearray(nahoda.randrange(256) for _ in range(256))
stanice(spinava, "Žďár nad Sázavou", "595209", 12, "3714", "Žďár nad Sázavou",
        "23.09.2022 - 24.09.2022", "ř", "ě", " CE", "99", "N", "A")
druhy = bytearray(nahoda.randrange(256) for _ in range(256))
uloz("STANICE-SPINAVA.RCD", [spinava, druhy], 256)

# --- OKRSKY.RCD, 148 bytes ------------------------------------------------------------

def okrsek(kod, cislo, typ, obec, kod_zast, zast, obvod, mandaty, stran, priznak,
           rezerva, je_obvod, kod_okresu, okres):
    z = bytearray(148)
    retezec(z, 0, 6, kod)
    integer(z, 8, cislo)
    retezec(z, 12, 1, typ)
    retezec(z, 14, 40, obec)
    retezec(z, 55, 6, kod_zast)
    retezec(z, 62, 40, zast)
    retezec(z, 103, 2, obvod)
    retezec(z, 106, 2, mandaty)
    retezec(z, 109, 2, stran)
    retezec(z, 112, 1, priznak)
    retezec(z, 114, 4, rezerva)
    retezec(z, 119, 1, je_obvod)
    retezec(z, 121, 4, kod_okresu)
    retezec(z, 126, 20, okres)
    return z


uloz("OKRSKY.RCD", [
    okrsek("500011", 1, "1", "Želeč", "500011", "Zastupitelstvo obce Želeč", "1", "15",
           "3", "0", "r1", "N", "3703", "Prostějov"),
    okrsek("500011", 2, "1", "Želeč", "500011", "Zastupitelstvo obce Želeč", "1", "15",
           "3", "0", "", "N", "3703", "Prostějov"),
    okrsek("554782", 1, "2", "Praha", "054003", "Zastupitelstvo městské části Praha 1",
           "01", "25", "2", "0", "", "N", "1100", "Hlavní město Praha"),
    # Same key again: the first record of a key must win.
    okrsek("554782", 1, "2", "Praha", "999999", "Duplicitní zastupitelstvo", "9", "99",
           "9", "9", "dupl", "A", "9999", "Duplicitní okres"),
    okrsek("554782", 1, "1", "Praha", "554782", "Zastupitelstvo hlavního města Prahy",
           "7", "65", "4", "0", "", "A", "1100", "Hlavní město Praha"),
    okrsek("595209", 5, "1", "Žďár nad Sázavou", "595209", "Zastupitelstvo města Žďár",
           "2", "27", "2", "1", "rez", "A", "3714", "Žďár nad Sázavou"),
], 148)

# --- STRANY.RCD, 169 bytes ------------------------------------------------------------

def strana(kod_zast, obvod, por, zkr, nazev, pocet):
    z = bytearray(169)
    retezec(z, 0, 6, kod_zast)
    retezec(z, 7, 2, obvod)
    retezec(z, 10, 3, por)
    retezec(z, 14, 30, zkr)
    retezec(z, 45, 120, nazev)
    retezec(z, 166, 2, pocet)
    return z


uloz("STRANY.RCD", [
    strana("54003", "1", "001", "ODS", "Občanská demokratická strana", "25"),
    strana("554782", "7", "001", "Piráti", "Česká pirátská strana", "65"),
    strana("054003", "01", "002", "Sdružení nezávislých",
           "Sdružení nezávislých kandidátů – Sdružení pro Prahu 1 a Žižkov", "20"),
    strana("54003", "2", "003", "Jiný obvod", "Strana jiného obvodu", "5"),
    strana("54003", "1", "003", "KDU-ČSL", "Křesťanská a demokratická unie – Československá strana lidová", "70"),
], 169)

# --- KANDIDAT.RCD, 95 bytes -----------------------------------------------------------

def kandidat(kod_zast, obvod, strana_c, kand_c, jmeno, prijmeni, rezerva, platnost):
    z = bytearray(95)
    retezec(z, 0, 6, kod_zast)
    retezec(z, 7, 2, obvod)
    retezec(z, 10, 3, strana_c)
    retezec(z, 14, 2, kand_c)
    retezec(z, 17, 40, jmeno)
    retezec(z, 58, 30, prijmeni)
    retezec(z, 89, 3, rezerva)
    retezec(z, 93, 1, platnost)
    return z


uloz("KANDIDAT.RCD", [
    kandidat("54003", "1", "001", "1", "Ing. Jiří", "Dvořák", "", "A"),
    kandidat("54003", "1", "001", "2", "Mgr. Věra", "Šťastná", "r", "N"),
    kandidat("554782", "7", "001", "1", "Cizí", "Kandidát", "", "A"),
    kandidat("054003", "01", "3", "70", "Řehoř", "Žlutý", "abc", "A"),
    # The same party and number again: the later record's fields stay.
    kandidat("54003", "1", "001", "2", "Bc. Věra", "Šťastná-Nová", "", "A"),
    kandidat("54003", "1", "45", "1", "Ludmila", "Čermáková", "", "A"),
], 95)

# --- KVRVOK.RCD, 16 bytes -------------------------------------------------------------

def volici(kod, okrsek_c, pocet):
    z = bytearray(16)
    retezec(z, 0, 6, kod)
    integer(z, 8, okrsek_c)
    integer(z, 12, pocet)
    return z


uloz("KVRVOK.RCD", [
    volici("500011", 1, 812),
    volici("554782", 1, 2480),
    volici("500011", 2, 433),
    volici("500011", 1, 815),  # later record of the same precinct wins
    volici("050011", 1, 999),  # compared as text: no match for "50011"
], 16)

# --- HLASO.RCD, 1194 bytes ------------------------------------------------------------

HLASO_POLE = [
    (0, 10, "23.09.2022"), (11, 5, "14:00"), (17, 5, "22:00"), (23, 5, "08:00"),
    (29, 5, "14:00"), (35, 1, "B"), (37, 23, "23.09.2022"), (61, 2, "15"), (64, 2, "30"),
    (67, 200, "Porucha osvětlení v místnosti – výměna pojistek"), (268, 1, "N"),
    (270, 23, ""), (294, 2, ""), (297, 2, ""), (300, 200, ""), (501, 1, "B"),
    (503, 23, "24.09.2022"), (527, 5, "09:15"), (533, 5, "09:40"),
    (539, 200, "Nevolnost člena komise"), (740, 1, "N"), (742, 2, ""), (745, 1, "B"),
    (750, 2, "7"), (753, 2, "6"), (756, 200, "Pozorovatelé: Ing. Šárka Koudelková"),
    (957, 200, "Mgr. Tomáš Růžička"), (1158, 35, "Petra Nováková-Dvořáčková"),
]


def hlasovani(zaklad):
    z = bytearray(zaklad)
    for posun, max_delka, text in HLASO_POLE:
        retezec(z, posun, max_delka, text)
    return z


uloz("HLASO.RCD", [hlasovani(bytes(1194))], 1194)
# Random unused bytes (747..749) and random bytes past every string's length.
nahoda = random.Random(1194)
uloz("HLASO-SPINAVA.RCD", [hlasovani(bytes(nahoda.randrange(256) for _ in range(1194)))], 1194)

# --- KOMISE.RCD, 51 bytes -------------------------------------------------------------

def clen(jmeno):
    z = bytearray(51)
    retezec(z, 0, 50, jmeno)
    return z


dlouhy = bytearray(51)
retezec(dlouhy, 0, 50, "Ř" * 50)
dlouhy[0] = 200  # length byte beyond the field: read as the 50 characters it holds
uloz("KOMISE.RCD", [clen("Jana Černá"), clen("Ing. Přemysl Žák"), clen(""), dlouhy], 51)

# --- INFOK83.RCD, 20 bytes ------------------------------------------------------------

def info83(obec, okrsek_c, typ, zaps, vyd, odevzd):
    z = bytearray(20)
    integer(z, 0, obec)
    integer(z, 4, okrsek_c)
    word(z, 8, typ)
    integer(z, 12, zaps)
    word(z, 16, vyd)
    word(z, 18, odevzd)
    return z


uloz("INFOK83.RCD", [info83(554782, 1, 1, 2480, 1650, 1648),
                     info83(554782, 1, 2, 2481, 1651, 1649)], 20)
uloz("INFOK83-TYP2.RCD", [info83(554782, 1, 2, 2481, 1651, 1649)], 20)
