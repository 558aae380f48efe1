#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: small files of the data folder, whole and
damaged, laid out by hand as the store keeps them. Run from anywhere; it rewrites the seeds
it makes in fuzz/corpus/<target>/ and leaves other files there (inputs a run found) alone.

Inputs holding several files join them with the separator of fuzz/support/FuzzSupport.h:
steering bytes first, then each file in the order the target names."""

import os
import struct
import zlib

SEP = b"|TVL|"
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def i16(v):
    return struct.pack("<h", v)


def i32(v):
    return struct.pack("<i", v)


def single(v):
    return struct.pack("<f", v)


def boolean(v):
    return i16(-1 if v else 0)


def text(s, width):
    b = s.encode("cp1252")[:width]
    return b + b" " * (width - len(b))


def date(d, m, y):
    return d * 1000000 + m * 10000 + y


def record(size, fields):
    """fields: (offset, bytes) pairs over a zeroed record."""
    out = bytearray(size)
    for offset, b in fields:
        out[offset:offset + len(b)] = b
    return bytes(out)


def joined(steering, *files):
    out = steering
    for f in files:
        out += SEP
        if f is not None:
            out += f
    return out


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# Records -------------------------------------------------------------------------------

def client(code, first, last, tapes=(), dependents=(), paid=0.0, owed=0.0):
    return record(349, [
        (0, i16(code)), (2, text(first, 15)), (17, text(last, 35)),
        (79, i32(date(5, 3, 1980))), (83, text("Rua das Flores, 12", 50)),
        (133, i32(12345678)), (137, text("Centro", 20)), (157, text("Curitiba", 15)),
        (237, boolean(True)), (243, i32(date(2, 1, 2026))), (247, i16(1435)),
        (249, i16(len(dependents))),
        (251, b"".join(i16(d) for d in dependents)),
        (271, i16(len(tapes))), (273, b"".join(i16(t) for t in tapes)),
        (303, single(paid)), (307, single(owed)), (311, i16(27)),
        (313, i32(date(28, 2, 2026))), (321, text("Professora", 20)),
    ])


def tape(code, name, sinopse=0, tam=0, renter=0):
    return record(228, [
        (0, i16(code)), (2, text(name, 25)), (52, text("78912345", 8)),
        (60, i16(1)), (62, i16(1)), (64, i16(1)), (68, i16(1999)), (70, i16(120)),
        (102, i32(sinopse)), (106, i16(tam)), (108, i32(date(10, 1, 2025))),
        (112, single(89.9)), (116, single(0.0)), (120, i16(renter)), (122, boolean(renter > 0)),
        (124, i32(date(1, 3, 2026) if renter else 0)),
    ])


def records():
    write("records", "client", client(1, "MARIA", "DA SILVA", tapes=(3, 7), dependents=(2,),
                                      owed=4.5))
    write("records", "zeros", bytes(1432))
    write("records", "torn", client(1, "JOSÉ", "SANTOS")[:100])
    # Bools neither 0 nor -1, a NaN and an infinite Single, counts past their arrays, NULs in
    # the names, a date that is no date.
    damaged = bytearray(client(2, "ANA", "PEREIRA"))
    damaged[237:239] = i16(0x1234)
    damaged[303:307] = struct.pack("<I", 0x7FC00001)
    damaged[307:311] = struct.pack("<I", 0x7F800000)
    damaged[249:251] = i16(999)
    damaged[271:273] = i16(-5)
    damaged[2:8] = b"A\x00N\x00A\x00"
    damaged[79:83] = i32(date(31, 2, 2026))
    write("records", "damaged", bytes(damaged))
    write("records", "tape", tape(12, "O SENHOR DOS ANÉIS PARTE 2", renter=1))
    write("records", "high-bytes", bytes(range(256)) * 6)
    write("records", "money-limits", b"".join(single(v) for v in
                                              (3.0e38, -3.0e38, 99999.99, 0.005, 1e-40)) * 60)


# Memo store ----------------------------------------------------------------------------

def memos():
    heap = "Cliente antigo, paga em dia.Devolve sempre com atraso.".encode("cp1252")
    directory = (i32(1) + i32(28)) + (i32(29) + i32(26)) + (i32(-1) + i32(0)) + (i32(0) + i32(0))
    steering = bytes([0, 1, 2, 3, 0, 7, 1, 0, 2, 5, 3, 9, 1, 1, 0, 0])
    write("memo_store", "whole", joined(steering + i32(1) + i16(2), directory, heap))
    # Past the heap, negative length, overlapping blocks, a torn last entry.
    damaged = (i32(50) + i32(40)) + (i32(1) + i32(-3)) + (i32(3) + i32(10)) + (i32(1) + i32(12)) + b"\x07\x00"
    write("memo_store", "damaged", joined(steering + i32(9) + i16(32767), damaged, heap))
    write("memo_store", "no-heap", joined(steering, directory, None))
    write("memo_store", "empty", joined(bytes([3, 3, 3, 3]), b"", b""))


# Synopsis store ------------------------------------------------------------------------

def synopses():
    heap = "Um hobbit parte numa viagem.Dois amigos e um cão.".encode("cp1252")
    tapes = tape(1, "O HOBBIT", 1, 28) + tape(2, "AMIGOS", 29, 21) + tape(3, "SEM SINOPSE")
    steering = bytes([1, 0, 5, 2, 0, 1, 3, 0, 0, 4, 1, 1, 0, 2, 0, 0])
    write("synopsis_store", "whole", joined(steering, tapes, heap))
    damaged = (tape(1, "FORA", 40, 30) + tape(2, "NEGATIVO", -7, 5) + tape(3, "SOBREPOSTO", 3, 20)
               + tape(4, "METADE")[:100])
    write("synopsis_store", "damaged", joined(steering, damaged, heap))
    write("synopsis_store", "no-heap", joined(steering, tapes, None))


# Config.ini ----------------------------------------------------------------------------

def config_record(key, value):
    return text(key, 16) + text(value, 16)


def config():
    whole = b"".join(config_record(k, v) for k, v in [
        ("TipoCobraAtraso", "3"), ("CobrarMulta", "True"), ("GravHistFita", "Verdadeiro"),
        ("VerifHist", "-1"), ("CorFundo", "&HFF8080"), ("CorFundoPrinc", "16777215"),
        ("FlagsAskBak", "19"), ("UltDiaFezBak", "10/03/2026"), ("NumViasRec", "2"),
    ])
    write("config", "whole", joined(b"CobrarMulta\x00False", whole))
    damaged = (config_record("TipoCobraAtraso", "três") + config_record("TipoCobraAtraso", "1")
               + b"\tCobrarMulta\x00\x00\x00\x00\x00  talvez        "
               + config_record("CorFundo", "&HFFFFFFFFF") + config_record("NCol", "99999999999")
               + config_record("", "sem chave") + b"Desacent   ")
    write("config", "damaged", joined(b"\tNova Chave \x00 valor longo demais para o campo", damaged))
    write("config", "missing", b"ImpDireto\x00True")


# Books ---------------------------------------------------------------------------------

def position(first_day, days):
    out = i32(first_day) + i16(0)
    for first, count in days:
        out += i32(first) + i16(count)
    return out


def book_entry(tape_code, client_code, rented, price, returned=0, periods=0, paid=0.0):
    return (i16(tape_code) + i16(client_code) + i16(-1) + i32(rented) + single(price)
            + i32(returned) + i16(periods) + single(paid))


def totals_header(d, m, y):
    return record(50, [(4, i16(d)), (6, i16(m)), (8, i16(y))])


def totals_day(rentals, paid):
    return record(50, [(0, i16(rentals)), (14, single(paid))])


def books():
    # A store opened on 01/03/2026; three days held, rentals on days 1 and 3, one returned.
    first = date(1, 3, 2026)
    rentals = position(first, [(1, 2), (0, 0), (3, 1)])
    book = (book_entry(5, 1, date(1, 3, 2026), 3.5, date(3, 3, 2026), 2, 7.0)
            + book_entry(6, 1, date(1, 3, 2026), 3.5)
            + book_entry(5, 2, date(3, 3, 2026), 4.0))
    returns = position(first, [(0, 0), (0, 0), (1, 1)])
    log = i16(1)
    sales = position(first, [(1, 1), (0, 0), (0, 0)])
    sales_book = i32(date(1, 3, 2026)) + i16(4) + i16(2) + single(2.5)
    caixa = totals_header(1, 3, 2026) + totals_day(2, 7.0) + totals_day(0, 0.0) + totals_day(1, 0.0)
    tape_history = bytearray(600)
    tape_history[0 + 2:0 + 6] = i16(5) + i16(6)       # Fita(2), Fita(3)
    tape_history[200:204] = i32(3)                     # newest slot
    tape_history[204:212] = i32(1) + i32(2)            # RegLivro(2), RegLivro(3)
    product_history = bytearray(1200)
    product_history[400:402] = i16(2)                  # newest slot
    product_history[4:8] = i32(date(1, 3, 2026))
    product_history[402:404] = i16(4)
    product_history[602:604] = i16(2)
    product_history[804:808] = single(2.5)
    files = [rentals, book, returns, log, sales, sales_book, caixa, bytes(tape_history),
             bytes(product_history)]
    # Steering: the rental book's first day plus a few, then rentals, returns, sales.
    steering = bytes([1, 2, 0, 3, 1, 0, 2, 4, 0, 1, 1, 3, 2, 0, 1, 0, 2, 1, 4, 3, 0, 5, 1, 1])
    write("books", "whole", joined(steering, *files))
    write("books", "far-day", joined(bytes([0, 0, 9, 9, 7, 3, 1, 2]), *files))

    # Damaged headers: a daily-totals year of 32767, a position header that is no date, a
    # day whose first entry lies past the book, a count past the day, a torn book.
    damaged = list(files)
    damaged[6] = totals_header(1, 3, 32767) + totals_day(1, 1.0)
    damaged[0] = position(date(31, 2, 2026), [(1, 2), (0, 0), (3, 1)])
    damaged[4] = position(first, [(99, 5), (-4, 32767)])
    damaged[1] = book[:-5]
    write("books", "damaged", joined(steering, *damaged))
    headerless = [b"", book, None, None, i32(7), None, b"", None, None]
    write("books", "headerless", joined(steering, *headerless))
    write("books", "nothing", joined(bytes([1, 1, 1, 1, 1])))


# Journal -------------------------------------------------------------------------------

def journal_file(name, existed, replaced, base_size, redo, undo):
    def writes(ws):
        out = struct.pack("<I", len(ws))
        for offset, b in ws:
            out += struct.pack("<QI", offset, len(b)) + b
        return out
    flags = (1 if existed else 0) | (2 if replaced else 0)
    n = name.encode()
    return struct.pack("<H", len(n)) + n + bytes([flags]) + struct.pack("<Q", base_size) + writes(redo) + writes(undo)


def journal_bytes(files):
    body = b"TVLDIAR1" + struct.pack("<I", len(files)) + b"".join(files)
    return body + struct.pack("<I", zlib.crc32(body)) + b"FIM!"


def journal():
    clients = client(1, "MARIA", "DA SILVA")
    caixa = totals_header(1, 3, 2026) + totals_day(2, 7.0)
    whole = journal_bytes([
        journal_file("DadosCli.tvl", True, False, len(clients),
                     [(303, single(10.0)), (349, client(2, "JOÃO", "LIMA"))],
                     [(303, clients[303:307])]),
        journal_file("Caixa.tvl", True, False, len(caixa), [(50, totals_day(3, 17.0))],
                     [(50, caixa[50:100])]),
        journal_file("LivroFts.tvl", False, False, 0, [(0, book_entry(5, 1, date(1, 3, 2026), 3.5))], []),
    ])
    write("journal", "whole", joined(b"\x00", whole, clients, caixa))
    write("journal", "torn", joined(b"\x00", whole[:-9], clients, caixa))
    bad_crc = bytearray(whole)
    bad_crc[-6] ^= 0xFF
    write("journal", "bad-crc", joined(b"\x00", bytes(bad_crc), clients, caixa))
    escape = journal_bytes([journal_file("../fora.tvl", False, False, 0, [(0, b"x")], [])])
    write("journal", "escape", joined(b"\x00", escape, clients, caixa))
    write("journal", "replaced", joined(b"\x00", journal_bytes([
        journal_file("Caixa.tvl", True, True, len(caixa), [(0, caixa[:50])], [(0, caixa)])]),
        clients, caixa))
    # Odd first byte: the rest describes a whole journal for the target to write.
    write("journal", "described", joined(bytes([1, 2, 0, 1, 1, 0, 3, 7, 5, 9, 0, 2, 4, 6, 8, 1,
                                                1, 0, 3, 2]) + b"abcdef", None, clients, caixa))
    write("journal", "none", joined(b"\x00", None, clients, caixa))


# Rich text -----------------------------------------------------------------------------

def rtf():
    write("rtf", "empty-document",
          b"{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}"
          b"{\\f1\\froman\\fcharset2 Symbol;}{\\f2\\fswiss MS Sans Serif;}}"
          b"{\\colortbl\\red0\\green0\\blue0;}"
          b"\\deflang1046\\pard\\plain\\f2\\fs17\\par }")
    write("rtf", "formatted",
          b"{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
          b"{\\f1\\fnil\\fcharset2 Symbol;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
          b"{\\*\\generator Msftedit 5.41;}\\viewkind4\\uc1\\pard\\qc\\b\\f0\\fs28 Relat\\'f3rio\\b0\\par"
          b"\\pard\\cf1\\i Loca\\'e7\\'e3o\\i0\\cf0\\tab R$ 3,50\\line segunda linha\\par"
          b"{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}"
          b"\\fi-720\\li720\\ul item\\ulnone  \\u8364?\\u-3913?\\par"
          b"{\\pict\\wmetafile8 0102030405}\\qr\\fs20 fim\\par}")
    write("rtf", "cut", b"{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}\\f0\\fs24 texto cortado \\'e")
    write("rtf", "nested", b"{\\rtf1" + b"{" * 300 + b"fundo" + b"}" * 300 + b"\\par}")
    write("rtf", "plain", "Não é rich text.\r\nSegunda linha.".encode("cp1252"))
    write("rtf", "odd-words", b"{\\rtf1\\uc0\\u65\\u66\\ucN\\fs-5 a\\fs999999 b\\'zz\\\\\\{\\}\\~\\-\\_"
                              b"{\\*\\unknown x}{\\fldinst HYPERLINK}{\\fldrslt link}\\par}")


# Record files --------------------------------------------------------------------------

def deleted_list(entries, stale=()):
    return i32(len(entries)) + b"".join(i32(e) for e in list(entries) + list(stale))


def record_files():
    clients = (client(1, "MARIA", "DA SILVA") + client(2, "#JOSÉ", "SANTOS")
               + client(3, "ANA PAULA LIMA X", "") + client(4, "#BRUNO", "") + client(5, "CARLOS", ""))
    # Newest first; 2 and 4 are deleted, 5 is stale (restored), 40 lies past the file.
    lst = deleted_list([2, 4, 5, 40], stale=[99, 98])
    for kind in range(6):
        steering = bytes([kind, 1, 2, 3, 4, 5, kind])
        write("record_files", "kind-%d" % kind, joined(steering, clients, lst, b""))
    tapes = (tape(1, "O SENHOR DOS ANÉIS PARTE 2") + tape(2, "#MATRIX") + tape(3, "TITANIC"))
    write("record_files", "tapes-full-name", joined(bytes([2, 2, 2, 0, 0, 0, 2]), tapes,
                                                    deleted_list([2]), b"\x03\x01\x00X"))
    write("record_files", "list-count-lies", joined(bytes([0, 0, 0, 0, 0]), clients,
                                                    i32(0x7FFFFFFF) + i32(2), None))
    write("record_files", "torn", joined(bytes([4, 1, 1, 1]), clients[:-20], lst[:-3], b"\x0a"))


if __name__ == "__main__":
    records()
    memos()
    synopses()
    config()
    books()
    journal()
    rtf()
    record_files()
