#!/usr/bin/env python3
"""Writes the encoding definition files shipped in data/encodings/.

Each file starts with "ENCODING FILE" and the encoding's name, then one line per byte code:
the decimal code, a blank and the Unicode name of the character the code carries. A conversion
maps a byte of one encoding to the byte of another that carries the same name, so the names
only have to agree between files; Unicode names make every shipped file agree with every other.

Python's codecs give Windows-1250, ISO 8859-2, CP852 and Mac Central European. The Kamenický
code page and KOI8-CS2 are not among them: their upper halves are written below from the
published charts. "ASCII" maps the Czech and Slovak letters to the same letters without
diacritics, which is what the find dialog's diacritics option converts into.

Run from the top of the repository: tools/make-encodings.py
"""
import pathlib
import unicodedata

OUT = pathlib.Path(__file__).resolve().parent.parent / "data" / "encodings"

# Kamenický (KEYBCS2): code page 437 with 0x80-0xAF replaced by Czech and Slovak letters.
KAMENICKY_HIGH = (
    "ČüéďäĎŤčěĚĹÍľĺÄÁ"  # 0x80
    "ÉžŽôöÓůÚýÖÜŠĽÝŘť"  # 0x90
    "áíóúňŇŮÔšřŕŔ¼§«»"  # 0xA0
)

# KOI8-CS2 (ČSN 36 9103): letters placed so that clearing the eighth bit leaves the letter
# without its diacritic; small letters in 0xC0-0xDF, capitals 0x20 higher.
KOI8CS_SMALL = {
    0xC1: "á", 0xC2: "ä", 0xC3: "č", 0xC4: "ď", 0xC5: "ě", 0xC6: "ŕ", 0xC8: "ü", 0xC9: "í",
    0xCA: "ů", 0xCB: "ĺ", 0xCC: "ľ", 0xCD: "ö", 0xCE: "ň", 0xCF: "ó", 0xD0: "ô", 0xD2: "ř",
    0xD3: "š", 0xD4: "ť", 0xD5: "ú", 0xD7: "é", 0xD9: "ý", 0xDA: "ž",
}

# Czech and Slovak letters with diacritics, for "ASCII".
CZECH_SLOVAK = "áäčďéěíĺľňóôŕřšťúůýž"


def name_of(ch):
    try:
        return unicodedata.name(ch)
    except ValueError:
        return "U+%04X" % ord(ch)


def from_codec(codec):
    table = {}
    for code in range(256):
        try:
            table[code] = bytes([code]).decode(codec)
        except UnicodeDecodeError:
            pass  # a code the code page leaves undefined is not listed
    return table


def kamenicky():
    table = from_codec("cp437")
    for i, ch in enumerate(KAMENICKY_HIGH):
        table[0x80 + i] = ch
    return table


def koi8cs():
    table = {code: chr(code) for code in range(128)}
    table[0xA0] = "\u00a0"
    for code, ch in KOI8CS_SMALL.items():
        table[code] = ch
        table[code + 0x20] = ch.upper()
    return table


def ascii_entries():
    entries = [(code, name_of(chr(code))) for code in range(128)]
    for small in CZECH_SLOVAK:
        for ch in (small, small.upper()):
            base = unicodedata.normalize("NFD", ch)[0]
            entries.append((ord(base), name_of(ch)))
    return entries


def write(file_name, title, entries):
    lines = ["ENCODING FILE", title] + ["%d %s" % (code, name) for code, name in entries]
    (OUT / file_name).write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1250"))


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    tables = [
        ("windows-1250.enc", "Windows-1250", from_codec("cp1250")),
        ("iso-8859-2.enc", "ISO Latin2 (ISO 8859-2)", from_codec("iso8859_2")),
        ("cp852.enc", "PC Latin 2 (CP852)", from_codec("cp852")),
        ("kamenicky.enc", "Kamenický (KEYBCS2)", kamenicky()),
        ("koi8-cs.enc", "KOI8-CS2", koi8cs()),
        ("mac-ce.enc", "Mac Central European", from_codec("mac_latin2")),
    ]
    for file_name, title, table in tables:
        write(file_name, title, [(code, name_of(table[code])) for code in sorted(table)])
    write("ascii.enc", "ASCII", ascii_entries())


if __name__ == "__main__":
    main()
