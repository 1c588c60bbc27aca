#!/usr/bin/env python3
"""Writes the expected submission files that ApdFileTest compares byte for byte.

Built straight from the record layout (offsets, widths, fill and alignment of every field), without
the program's code, so the test checks the writer against an independent reading of the format.
Run from this folder: python3 make_golden.py
"""

HEADER, EMPLOYEE, INSURANCE = 613, 179, 93


def text(v, w):
    b = v.encode("cp1253")
    return b[:w].ljust(w, b" ")


def digits(v, w):
    d = "".join(c for c in v if "0" <= c <= "9").encode()
    return d[:w] if len(d) >= w else d.rjust(w, b"0")


def integer(v, w):
    return digits(str(abs(v)), w)


def amount(cents, w):
    return digits(str(abs(cents)).rjust(3, "0"), w)


def date(ymd, w):
    if ymd is None:
        return b"0" * w
    y, m, d = ymd
    return digits("%02d%02d%04d" % (d, m, y), w)


def date_text(v, w):
    parts = v.split("/")[:3] if v else []
    widths = (2, 2, 4)
    out = "".join("".join(c for c in p if "0" <= c <= "9").rjust(widths[i], "0") for i, p in enumerate(parts))
    b = out.encode()
    return b[:w] if len(b) >= w else b.ljust(w, b"0")


def record(size, fields):
    rec = bytearray(b" " * size)
    for offset, value in fields:
        rec[offset:offset + len(value)] = value
    assert len(rec) == size
    return bytes(rec)


def header(h):
    return record(HEADER, [
        (0, b"10101CSC01   01"),
        (15, digits(h["type"], 2)), (17, digits(h["branch"], 3)), (20, text(h["branchName"], 50)),
        (70, text(h["surname"], 80)), (150, text(h["firstName"], 30)), (180, text(h["fatherName"], 30)),
        (210, text(h["street"], 50)), (260, text(h["number"], 10)), (270, digits(h["postcode"], 5)),
        (275, text(h["city"], 30)), (305, text(h["kind"], 100)), (405, digits(h["ame"], 10)),
        (415, digits(h["amoe"], 10)), (425, digits(h["afm"], 9)), (434, text(h["workStreet"], 50)),
        (484, text(h["workNumber"], 10)), (494, digits(h["workPostcode"], 5)), (499, text(h["workCity"], 30)),
        (529, text("%02d" % h["month"], 2)), (531, text("%04d" % h["year"], 4)),
        (535, amount(h["earnings"], 12)), (547, integer(h["days"], 8)), (555, amount(h["contributions"], 12)),
        (567, date(h["submitted"], 8)), (575, date(h["stopped"], 8)),
    ])


def employee(l):
    return record(EMPLOYEE, [
        (0, text("2", 1)), (1, digits(l["reg"], 9)), (10, digits(l["amka"], 11)), (21, text(l["surname"], 50)),
        (71, text(l["firstName"], 30)), (101, text(l["fatherName"], 30)), (131, text(l["motherName"], 30)),
        (161, date_text(l["birth"], 8)), (169, digits(l["afm"], 9)), (178, text("2" if l["married"] else "1", 1)),
    ])


def insurance(l):
    return record(INSURANCE, [
        (0, text("3", 1)), (1, digits(l["branch"], 3)), (4, digits(l["triennia"], 1)), (5, integer(l["sundays"], 1)),
        (6, digits(l["specialty"], 6)), (12, digits(l["case"], 2)), (14, digits(l["package"], 4)),
        (18, date(l["from"], 8)), (26, date(l["until"], 8)), (34, digits(l["type"], 2)), (36, integer(l["days"], 2)),
        (38, amount(l["wage"], 10)), (48, amount(l["earnings"], 10)), (58, digits(l["phase"], 2)),
        (60, integer(l["accDays"], 2)), (62, amount(l["insured"], 10)), (72, amount(l["employer"], 10)),
        (82, amount(l["total"], 11)),
    ])


def declaration(h, lines):
    kept = [l for l in lines if digits(l["reg"], 9) != b"0" * 9 and amount(l["total"], 11) != b"0" * 11]
    # Register number, then earnings type; ties keep the order the lines were added in.
    kept.sort(key=lambda l: (digits(l["reg"], 9), digits(l["type"], 2)))
    out = header(h) + b"\r\n"
    opener = None
    for l in kept:
        if opener is None or digits(l["reg"], 9) != digits(opener["reg"], 9):
            opener = l
            out += employee(l) + b"\r\n"
        out += insurance(l) + b"\r\n"
    return out + b"EOF\r\n"


HEADER_FIELDS = dict(
    type="01", branch="052", branchName="ΑΘΗΝΩΝ (Κ. ΜΕΡΟΣ)", surname="ΠΑΠΑΔΟΠΟΥΛΟΣ", firstName="ΓΕΩΡΓΙΟΣ",
    fatherName="ΙΩΑΝΝΗΣ", street="ΣΤΑΔΙΟΥ", number="12Α", postcode="105 64", city="ΑΘΗΝΑ",
    kind="ΑΝΕΓΕΡΣΗ ΤΡΙΩΡΟΦΗΣ ΟΙΚΟΔΟΜΗΣ", ame="1234567", amoe="98765", afm="012345678", workStreet="ΕΡΜΟΥ",
    workNumber="5", workPostcode="54624", workCity="ΘΕΣΣΑΛΟΝΙΚΗ", month=2, year=2024, earnings=0, days=0,
    contributions=0, submitted=(2024, 3, 15), stopped=None)


def line(**kw):
    base = dict(reg="123", amka="01017012345", surname="ΝΙΚΟΛΑΟΥ", firstName="ΚΩΣΤΑΣ", fatherName="ΠΕΤΡΟΣ",
                motherName="ΜΑΡΙΑ", birth="1/1/1970", afm="123456789", married=False, branch="052", triennia="2",
                sundays=1, specialty="933110", case="0", package="1106", **{"from": (2024, 2, 1)},
                until=(2024, 2, 29), type="01", days=21, wage=6150, earnings=133763, phase="1", accDays=0,
                insured=21402, employer=37060, total=58462)
    base.update(kw)
    return base


DECLARATIONS = {
    "empty.csc01": (HEADER_FIELDS, [line(reg=""), line(reg="77", total=0)]),
    "grouping.csc01": (dict(HEADER_FIELDS, earnings=300000, days=63, contributions=150000), [
        line(reg="123", type="08", days=20),
        line(reg="45", surname="ΓΕΩΡΓΙΟΥ", married=True, type="01"),
        line(reg="123", firstName="ΚΩΝΣΤΑΝΤΙΝΟΣ", type="01", days=22),
    ]),
    "earnings-order.csc01": (HEADER_FIELDS, [
        line(type="14", days=1), line(type="01", days=2), line(type="11", days=3), line(type="08", days=4),
        line(type="10", days=5), line(type="09", days=6), line(type="01", days=7),
    ]),
    "greek-cut.csc01": (dict(HEADER_FIELDS, branchName="ΥΠΟΚΑΤΑΣΤΗΜΑ ΙΚΑ ΑΘΗΝΩΝ ΑΜΠΕΛΟΚΗΠΩΝ ΚΑΙ ΓΟΥΔΙΟΥ ΑΤΤΙΚΗΣ ΑΓ",
                             kind="Ανέγερση πενταώροφης οικοδομής με υπόγειο και πυλωτή, εργασίες σκυροδέτησης, "
                                  "τοιχοποιίας και επιχρισμάτων (ΐ ΰ ϊ ϋ)"), [
        line(surname="ΚΩΝΣΤΑΝΤΙΝΟΠΟΥΛΟΥ-ΠΑΠΑΔΗΜΗΤΡΟΠΟΥΛΟΥ-ΧΑΤΖΗΓΕΩΡΓΙΟΥ-ΑΒΓΕΡΙΝΟΥ",
             firstName="Ευστάθιος", motherName="Αϊκατερίνη-Ευφροσύνη της Ελευθερίας")]),
    "zero-dates.csc01": (dict(HEADER_FIELDS, submitted=None), [
        line(reg="1", birth="", **{"from": None}, until=None),
        line(reg="2", birth="5/11/1970"),
        line(reg="3", birth="1/2/", until=None),
    ]),
}

if __name__ == "__main__":
    for name, (h, lines) in DECLARATIONS.items():
        data = declaration(h, lines)
        with open(name, "wb") as f:
            f.write(data)
        print(name, len(data))
