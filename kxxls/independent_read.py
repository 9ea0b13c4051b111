#!/usr/bin/python3
"""Reads the sample books that sample_writer wrote (in the folder given as the
only argument) with Debian's xlrd (.xls and .xlsx) and openpyxl (.xlsx), and
checks that they see the texts, numbers, number formats and merged ranges listed
in each book's JSON file. Exit code 0 when every book matches.

Debian's openpyxl (3.0) leaves the "_xHHHH_" escapes of .xlsx text undecoded but
for "_x005F_", so texts that need them (control characters, carriage returns,
literal "_xHHHH_") are checked by xlrd alone there."""
import glob
import json
import os
import re
import sys

import openpyxl
import xlrd

PLAIN_NUMBER = re.compile(r"-?(0|[1-9][0-9]*)(\.[0-9]+)?")


def as_number(text):
    """The value a spreadsheet keeps as a number: a plain decimal of at most 15
    significant digits that is not a negative zero; None for texts."""
    if not PLAIN_NUMBER.fullmatch(text):
        return None
    digits = text.lstrip("-").replace(".", "").lstrip("0")
    if len(digits) > 15 or (text.startswith("-") and float(text) == 0):
        return None
    return float(text)


def two_decimals(text):
    return "." in text and len(text.split(".")[1]) == 2


NEEDS_ESCAPE = re.compile(r"[\x00-\x08\x0b-\x1f]|_x[0-9A-Fa-f]{4}_")


def check_cell(where, text, value, number_format):
    problems = []
    if value is SKIPPED:
        return problems
    number = as_number(text)
    if number is None:
        if value != text:
            problems.append("%s: expected text %r, read %r" % (where, text, value))
    else:
        if isinstance(value, str) or value != number:
            problems.append("%s: expected number %r, read %r" % (where, number, value))
        elif number_format is not None and two_decimals(text) and number_format != "0.00":
            problems.append("%s: expected format 0.00, read %r" % (where, number_format))
    return problems


SKIPPED = object()


def read_xlrd(path):
    # Formatting only for .xls: xlrd does not read it from .xlsx.
    xls = path.endswith(".xls")
    book = xlrd.open_workbook(path, formatting_info=xls)
    sheet = book.sheet_by_index(0)
    cells = {}
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY or cell.ctype == xlrd.XL_CELL_BLANK:
                continue
            fmt = book.format_map[book.xf_list[cell.xf_index].format_key].format_str if xls else None
            cells[(r, c)] = (cell.value, fmt)
    merges = sorted((rlo, rhi - 1, clo, chi - 1) for rlo, rhi, clo, chi in sheet.merged_cells)
    return cells, merges, sheet.nrows, sheet.ncols


def read_xlsx(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            value = cell.value
            if isinstance(value, str) and NEEDS_ESCAPE.search(value.replace("\r", "_x000D_")):
                value = SKIPPED
            cells[(cell.row - 1, cell.column - 1)] = (value, cell.number_format)
    merges = sorted((m.min_row - 1, m.max_row - 1, m.min_col - 1, m.max_col - 1)
                    for m in sheet.merged_cells.ranges)
    return cells, merges, sheet.max_row, sheet.max_column


def check_book(path, reader, expected):
    cells, merges, rows, columns = reader(path)
    problems = []
    wanted = {(e["row"], e["column"]): e["text"] for e in expected["cells"]}
    for (r, c), text in wanted.items():
        if (r, c) not in cells:
            problems.append("%s R%dC%d: missing %r" % (path, r + 1, c + 1, text))
            continue
        value, fmt = cells[(r, c)]
        problems += check_cell("%s R%dC%d" % (path, r + 1, c + 1), text, value, fmt)
    for extra in sorted(set(cells) - set(wanted)):
        problems.append("%s: unexpected cell %r" % (path, extra))
    if merges != sorted(tuple(m) for m in expected["merges"]):
        problems.append("%s: merges %r, expected %r" % (path, merges, expected["merges"]))
    # These readers count a merged range as used even where it holds no text.
    size = (max([expected["rows"]] + [m[1] + 1 for m in expected["merges"]]),
            max([expected["columns"]] + [m[3] + 1 for m in expected["merges"]]))
    if (rows, columns) != size:
        problems.append("%s: size %r, expected %r" % (path, (rows, columns), size))
    return problems


def main():
    folder = sys.argv[1]
    books = sorted(glob.glob(os.path.join(folder, "*.json")))
    if not books:
        print("no sample books in", folder)
        return 1
    problems = []
    for spec in books:
        with open(spec, encoding="utf-8") as f:
            expected = json.load(f)
        base = spec[:-len(".json")]
        problems += check_book(base + ".xls", read_xlrd, expected)
        problems += check_book(base + ".xlsx", read_xlrd, expected)
        problems += check_book(base + ".xlsx", read_xlsx, expected)
    for p in problems:
        print(p)
    print("%d books, xlrd %s, openpyxl %s: %d problems" % (len(books), xlrd.__VERSION__,
                                                           openpyxl.__version__, len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
