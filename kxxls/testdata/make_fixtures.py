#!/usr/bin/python3
"""Makes the reading fixtures of KXXls's tests with Debian's python3-xlwt and
python3-openpyxl:

  xlwt_book.xls      xlwt's workbook, then its sheet records edited where xlwt
                     writes no such thing: an RK run joined into one MULRK record,
                     and cached results (number, text with its STRING record,
                     boolean, error) put into the formulas xlwt leaves uncomputed.
  openpyxl_book.xlsx openpyxl's package (Debian's openpyxl writes every text as an
                     inline string), then its parts edited where openpyxl writes no
                     such thing: the data sheet moved first in workbook order (it
                     is the second sheet part), formulas with cached values, an
                     inline string of two runs, and a shared string table (a
                     relative target beside openpyxl's absolute ones) with a
                     rich-text string carrying a phonetic run and an "_x000D_"
                     escape.

The tests (fixture_read_test.cpp) hold the cells each fixture must read as.
Run from anywhere: python3 make_fixtures.py (writes beside itself)."""
import io
import os
import re
import struct
import zipfile

import openpyxl
import xlwt
from xlwt.CompoundDoc import XlsDoc

HERE = os.path.dirname(os.path.abspath(__file__))

# ---- .xls ------------------------------------------------------------------


def records(stream):
    out, at = [], 0
    while at + 4 <= len(stream):
        rid, size = struct.unpack_from("<HH", stream, at)
        out.append([rid, bytes(stream[at + 4:at + 4 + size])])
        at += 4 + size
    return out


def join(recs):
    return b"".join(struct.pack("<HH", rid, len(data)) + data for rid, data in recs)


def string_record(text):
    return [0x0207, struct.pack("<HB", len(text), 1) + text.encode("utf-16-le")]


def edit_sheet(recs):
    """Joins the RK records of row 2 into one MULRK and gives each formula of
    row 4 its cached result."""
    out, run = [], []

    def flush():
        if len(run) > 1:
            row, first = struct.unpack_from("<HH", run[0][1])
            body = b"".join(data[4:10] for _, data in run)
            last = struct.unpack_from("<H", run[-1][1], 2)[0]
            out.append([0x00BD, struct.pack("<HH", row, first) + body + struct.pack("<H", last)])
        else:
            out.extend(run)
        run.clear()

    results = {
        0: (struct.pack("<d", 42.5), None),
        1: (struct.pack("<BBBBHH", 0, 0, 0, 0, 0, 0xFFFF), "缓存文本"),
        2: (struct.pack("<BBBBHH", 1, 0, 1, 0, 0, 0xFFFF), None),
        3: (struct.pack("<BBBBHH", 2, 0, 0x07, 0, 0, 0xFFFF), None),
    }
    for rid, data in recs:
        if rid == 0x027E and struct.unpack_from("<H", data)[0] == 2:
            run.append([rid, data])
            continue
        flush()
        if rid == 0x0006:
            row, col = struct.unpack_from("<HH", data)
            if row == 4 and col in results:
                value, text = results[col]
                data = data[:6] + value + data[14:]
                out.append([rid, data])
                if text is not None:
                    out.append(string_record(text))
                continue
        out.append([rid, data])
    flush()
    return out


def make_xls(path):
    wb = xlwt.Workbook(encoding="utf-8")
    ws = wb.add_sheet("商品")
    for c, text in enumerate(["商品名称", "数量", "单价", "在库"]):
        ws.write(0, c, text)
    ws.write(1, 0, "可乐")
    ws.write(1, 1, 3)          # RK integer
    ws.write(1, 2, 2.5)        # RK scaled by 100
    ws.write(1, 3, True)       # BOOLERR
    for c, v in enumerate([1, 2, 3.75, -4]):
        ws.write(2, c, v)      # RK run, joined into MULRK below
    ws.write(3, 0, 0.1)        # NUMBER
    ws.write(3, 1, 123456789.125)
    ws.write(3, 2, "0012")
    for c in range(4):
        ws.write(4, c, xlwt.Formula("A2&\"x\"" if c == 1 else "B2+1"))
    ws.write_merge(5, 6, 0, 1, "合并")
    ws.write(8, 2, "长" * 3000 + "end")
    for r in range(120):       # enough shared strings for CONTINUE records
        for c in range(3):
            ws.write(10 + r, c, "商品名称编号%04d" % (r * 3 + c))
    wb.add_sheet("其他").write(0, 0, "第二个工作表")

    stream = wb.get_biff_data()
    recs = records(stream)
    # Substreams start at each BOF: the globals, then one per sheet.
    starts = [i for i, (rid, _) in enumerate(recs) if rid == 0x0809]
    parts = [recs[s:e] for s, e in zip(starts, starts[1:] + [len(recs)])]
    parts[1] = edit_sheet(parts[1])
    offsets, at = [], len(join(parts[0]))
    for part in parts[1:]:
        offsets.append(at)
        at += len(join(part))
    sheets = iter(offsets)
    for rec in parts[0]:
        if rec[0] == 0x0085:
            rec[1] = struct.pack("<I", next(sheets)) + rec[1][4:]
    with open(path, "wb") as f:
        XlsDoc().save(f, join([r for part in parts for r in part]))


# ---- .xlsx -----------------------------------------------------------------


def make_xlsx(path):
    wb = openpyxl.Workbook()
    decoy = wb.active
    decoy.title = "Data"
    decoy["A1"] = "wrong sheet"
    ws = wb.create_sheet("商品")
    ws["A1"], ws["B1"] = "@A1@", "@B1@"
    ws["A2"], ws["B2"], ws["C2"], ws["D2"] = "可乐", 3, 2.5, True
    for ref in ["E2", "F2", "G2", "H2", "I2"]:
        ws[ref] = "@%s@" % ref
    ws["A3"] = "@RICH@"
    ws["B3"] = "@ESCAPE@"
    ws["C3"] = 0.1
    ws["A4"] = "合并"
    ws.merge_cells("A4:B5")
    buf = io.BytesIO()
    wb.save(buf)

    cells = {
        "E2": '<c r="E2"><f>B2*C2</f><v>7.5</v></c>',
        "F2": '<c r="F2" t="str"><f>A2&amp;"!"</f><v>可乐!</v></c>',
        "G2": '<c r="G2" t="inlineStr"><is><r><t>内联</t></r><r><t xml:space="preserve"> 文本</t></r></is></c>',
        "H2": '<c r="H2" t="b"><f>TRUE()</f><v>1</v></c>',
        "I2": '<c r="I2" t="e"><f>1/0</f><v>#DIV/0!</v></c>',
        "A1": '<c r="A1" t="s"><v>0</v></c>',
        "B1": '<c r="B1" t="s"><v>1</v></c>',
        "A3": '<c r="A3" t="s"><v>2</v></c>',
        "B3": '<c r="B3" t="s"><v>3</v></c>',
    }
    shared = ('<?xml version="1.0" encoding="UTF-8"?>\n'
              '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="4" uniqueCount="4">'
              '<si><t>商品名称</t></si><si><t>数量</t></si>'
              '<si><r><rPr><b/></rPr><t>粗体</t></r><r><t xml:space="preserve"> 普通</t></r>'
              '<rPh sb="0" eb="1"><t>ふりがな</t></rPh></si>'
              '<si><t>a_x000D_b</t></si></sst>')
    with zipfile.ZipFile(buf) as src, zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as dst:
        for info in src.infolist():
            data = src.read(info.filename).decode("utf-8")
            if info.filename == "xl/worksheets/sheet2.xml":
                for ref, xml in cells.items():
                    data, n = re.subn(r'<c r="%s"[^>]*>.*?</c>' % ref, xml, data)
                    assert n == 1, ref
            elif info.filename == "xl/_rels/workbook.xml.rels":
                data = data.replace("</Relationships>", '<Relationship Id="rId9" Type="http://schemas.openxml'
                                    'formats.org/officeDocument/2006/relationships/sharedStrings" '
                                    'Target="sharedStrings.xml"/></Relationships>')
            elif info.filename == "[Content_Types].xml":
                data = data.replace("</Types>", '<Override PartName="/xl/sharedStrings.xml" ContentType="appli'
                                    'cation/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
                                    "</Types>")
            elif info.filename == "xl/workbook.xml":
                # The data sheet (second part) first in workbook order.
                sheets = re.findall(r"<sheet [^>]*/>", data)
                assert len(sheets) == 2
                data = data.replace(sheets[0] + sheets[1], sheets[1] + sheets[0])
            dst.writestr(info.filename, data.encode("utf-8"))
        dst.writestr("xl/sharedStrings.xml", shared.encode("utf-8"))


if __name__ == "__main__":
    make_xls(os.path.join(HERE, "xlwt_book.xls"))
    make_xlsx(os.path.join(HERE, "openpyxl_book.xlsx"))
    print("fixtures written")
