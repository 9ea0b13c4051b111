#!/usr/bin/python3
"""Writes the spreadsheet books the import tests read, with Debian's xlwt (.xls)
and openpyxl (.xlsx): Chinese texts under a heading row, product sheets of ten
and eleven columns, a line longer than 1,024 bytes, prices of 0 and of text,
short rows, empty names and units. Usage: make_import_books.py <folder>."""
import os
import sys

import openpyxl
import xlwt

PRODUCT_HEADING = ["商品名称", "商品类别", "计量单位", "当前库存", "最低库存", "最高库存",
                   "进货价", "批发价", "零售价", "备注"]


def write_xls(path, rows):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Sheet1")
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            if value is not None:
                sheet.write(r, c, value)
    book.save(path)


def write_xlsx(path, rows):
    book = openpyxl.Workbook()
    sheet = book.active
    for r, row in enumerate(rows, start=1):
        for c, value in enumerate(row, start=1):
            if value is not None:
                sheet.cell(row=r, column=c, value=value)
    book.save(path)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    long_note = "长" * 600  # 1,200 bytes in GBK
    products11 = [PRODUCT_HEADING + ["其他"],
                  ["苹果", "水果", "箱", 5, 1, 50, 2.5, "3", 4, "红富士", "x"],
                  ["长备注", "水果", "斤", 1, 0, 0, 1, 1, 1, long_note, "x"],
                  [None, "水果", "箱", 1, 1, 1, 1, 1, 1, "无名", "x"],
                  ["无单位", "水果", None, 1, 1, 1, 1, 1, 1, "", "x"],
                  ["旧品", "水果", "箱", 9, 9, 9, 9, 9, 9, "已有", "x"]]
    write_xlsx(os.path.join(folder, "products11.xlsx"), products11)
    products10 = [PRODUCT_HEADING,
                  ["香蕉", "水果", "把", "7", "0", "0", "1.2", "1.5", "2", "进口"],
                  ["梨", "水果", "个", "abc", "", "", "0.5", "0.8", "1", ""]]
    write_xls(os.path.join(folder, "products10.xls"), products10)
    prices = [["客户名称", "商品名称", "单位", "客户批发价"],
              ["批发客户", "苹果", "箱", 3.456],
              ["批发客户", "梨", "个", 0],
              ["零售客户", "苹果", "箱", "贵"],
              ["零售客户", "梨", "个"],
              ["零售客户", "苹果", "箱", "12"]]
    write_xls(os.path.join(folder, "prices.xls"), prices)
    parties = [["客户名称", "联系人", "联系电话", "传真", "邮箱", "QQ", "地址", "邮编", "当前应收款", "备注"],
               ["华丰", "李四", "123", "456", "a@b.c", "789", "北京路1号", "100000", 12.5, "老客户"],
               [None, "无名"],
               ["短行"],
               ["批发客户", "改名", "", "", "", "", "", "", 99, ""]]
    write_xlsx(os.path.join(folder, "parties.xlsx"), parties)
    lines = [["商品名称", "数量", "单价", "金额"],
             ["苹果", 2, 3.5, 7],
             ["新货", "1", "6", "6"],
             ["空数量", None, 1, 1],
             ["短行", 3]]
    write_xls(os.path.join(folder, "lines.xls"), lines)


if __name__ == "__main__":
    main(sys.argv[1])
