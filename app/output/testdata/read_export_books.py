#!/usr/bin/python3
"""Reads the books the export test wrote through KXXls.dll with Debian's xlrd
(.xls) and openpyxl (.xlsx), independently of the library, and checks what a
user opening them would see. Usage: read_export_books.py <folder>."""
import os
import sys

import openpyxl
import xlrd


def read(path):
    """(rows as lists of texts, merged ranges as (r1, c1, r2, c2) counted from 0)."""
    if path.endswith(".xlsx"):
        sheet = openpyxl.load_workbook(path).worksheets[0]
        rows = [["" if v is None else str(v) for v in row] for row in sheet.iter_rows(values_only=True)]
        merges = sorted((m.min_row - 1, m.min_col - 1, m.max_row - 1, m.max_col - 1) for m in sheet.merged_cells.ranges)
    else:
        sheet = xlrd.open_workbook(path, formatting_info=True).sheet_by_index(0)
        rows = [[str(sheet.cell_value(r, c)) for c in range(sheet.ncols)] for r in range(sheet.nrows)]
        merges = sorted((r1, c1, r2 - 1, c2 - 1) for r1, r2, c1, c2 in sheet.merged_cells)
    while rows and not any(rows[-1]):
        rows.pop()
    return rows, merges


def texts(row):
    return [v[:-2] if v.endswith(".0") else v for v in row]


def main(folder):
    failures = []

    def check(what, got, expected):
        if got != expected:
            failures.append("%s: got %r, expected %r" % (what, got, expected))

    three = [["商品名称", "数量"], ["品1", "1"], ["品2", "2"], ["品3", "3"]]
    for name in ("over_rows.xls", "over_stock.xlsx", "list.xlsx"):
        rows, merges = read(os.path.join(folder, name))
        check(name + " rows", [texts(r)[:2] for r in rows], three)
        check(name + " no cell past B", [r[2:] for r in rows if any(r[2:])], [])
        check(name + " merges", merges, [])
    rows, merges = read(os.path.join(folder, "stock.xls"))
    check("stock merges", merges,
          sorted([(0, 0, 1, 0), (0, 1, 1, 1), (0, 2, 0, 3), (0, 4, 0, 5), (0, 6, 0, 7), (0, 8, 0, 9)]))
    check("stock groups", [rows[0][i] for i in (2, 4, 6, 8)], ["期初结存", "日常进货", "日常出货(成本)", "期末结存"])
    check("stock header", rows[1][:4], ["商品名称", "单位", "数量", "金额"])
    check("stock row", texts(rows[2])[:3] + [texts(rows[2])[9]], ["苹果", "箱", "1", "40"])
    rows, _ = read(os.path.join(folder, "bill_details.xls"))
    check("bill details heading", rows[0][:3] + rows[0][8:9], ["单据日期", "单据编号", "客户名称", "折扣率(%)"])
    check("bill details line", texts(rows[1])[:6], ["2014-01-10", "JHD001", "华丰", "苹果", "", "5"])
    rows, _ = read(os.path.join(folder, "suppliers.xlsx"))
    check("suppliers", sorted(r[0] for r in rows[1:]), ["华丰", "零散供应商"])
    rows, _ = read(os.path.join(folder, "kept.xls"))
    check("kept file", len(rows), 6)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
