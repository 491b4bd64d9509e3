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

# KOI8-CS2 (ČSN 36 9103): letters placed so that clearing the eighth bit leaves a letter of the
# same sound (small letters in 0xC0-0xDF, capitals 0x20 higher; 0xDF is ß, whose place above is
# empty), and spacing accents (the tilde as U+02DC, the ASCII one stays at 0x7E), box corners
# and a few Greek letters in 0xA0-0xBF.
KOI8CS_SMALL = (
    "àáǎčďěŕ\0üíůĺľöňó"  # 0xC0
    "ôäřšťúëéűýž\0\0őėß"  # 0xD0
)
KOI8CS_SIGNS = (
    "\u00a0\0´\0˜\0˘˙¨\0˚¸\0˝˛ˇ"  # 0xA0
    "©®┌┐└┘─↓Ω§αγεμπω"  # 0xB0
)
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
    for i, ch in enumerate(KOI8CS_SIGNS):
        if ch != "\0":
            table[0xA0 + i] = ch
    for i, ch in enumerate(KOI8CS_SMALL):
        if ch == "\0":
            continue
        table[0xC0 + i] = ch
        if ch.upper() != ch and len(ch.upper()) == 1:
            table[0xE0 + i] = ch.upper()
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
