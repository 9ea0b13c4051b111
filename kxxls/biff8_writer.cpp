// BIFF8 workbook stream: the globals (fonts, formats, the cell styles, the sheet's
// entry and the shared strings) and one worksheet of shared-string labels and
// numbers, with its merged ranges.
#include "biff8_writer.h"

#include <algorithm>
#include <unordered_map>

#include "compound_file.h"
#include "number_text.h"

namespace {

constexpr size_t kMaxRecordData = 8224;
enum : unsigned {
  kBof = 0x0809,
  kEof = 0x000A,
  kCodePage = 0x0042,
  kWindow1 = 0x003D,
  kFont = 0x0031,
  kFormat = 0x041E,
  kXf = 0x00E0,
  kStyle = 0x0293,
  kBoundSheet = 0x0085,
  kSst = 0x00FC,
  kContinue = 0x003C,
  kExtSst = 0x00FF,
  kDimensions = 0x0200,
  kWindow2 = 0x023E,
  kLabelSst = 0x00FD,
  kNumber = 0x0203,
  kMergedCells = 0x00E5,
};
// Cell styles: 0-14 the style records every workbook carries, 15 the plain cell,
// 16 the two-decimal number cell.
constexpr unsigned kPlainXf = 15;
constexpr unsigned kTwoDecimalXf = 16;
constexpr unsigned kTwoDecimalFormat = 164;  // first format number free for a workbook

void Record(ByteWriter* w, unsigned id, const Bytes& data) {
  w->U16(id);
  w->U16(static_cast<unsigned>(data.size()));
  w->Raw(data.data(), data.size());
}

bool NeedsHighBytes(const std::wstring& s) {
  return std::any_of(s.begin(), s.end(), [](wchar_t c) { return c > 0xFF; });
}

void Bof(ByteWriter* w, unsigned type) {
  Bytes d;
  ByteWriter b(&d);
  b.U16(0x0600);
  b.U16(type);
  b.U16(0x0DBB);  // build
  b.U16(0x07CC);  // year
  b.U32(0);       // file history
  b.U32(0x0006);  // lowest version that can read it: BIFF8
  Record(w, kBof, d);
}

void Font(ByteWriter* w) {
  Bytes d;
  ByteWriter b(&d);
  b.U16(220);     // 11 points, in twentieths
  b.U16(0);       // no attributes
  b.U16(0x7FFF);  // automatic colour
  b.U16(400);     // normal weight
  b.U16(0);       // no super- or subscript
  b.U8(0);        // no underline
  b.U8(0);        // family
  b.U8(134);      // GB2312 character set
  b.U8(0);
  const std::wstring face = L"\x5B8B\x4F53";  // 宋体
  b.U8(static_cast<unsigned>(face.size()));
  b.U8(1);
  for (wchar_t c : face) b.U16(c);
  Record(w, kFont, d);
}

void Xf(ByteWriter* w, bool style, unsigned format) {
  Bytes d;
  ByteWriter b(&d);
  b.U16(0);                        // font 0
  b.U16(format);                   // number format
  b.U16(style ? 0xFFF5 : 0x0001);  // locked; a style has no parent, a cell has style 0
  b.U8(0x20);                      // bottom aligned
  b.U8(0);
  b.U8(0);
  // Which attributes the XF sets itself: for a style the flags mean "ignored", for a
  // cell only the number format is its own.
  b.U8(style ? 0xF4 : (format ? 0x04 : 0x00));
  b.U32(0);
  b.U32(0);
  b.U16(0x20C0);  // automatic pattern colours
  Record(w, kXf, d);
}

// The shared string table, split over CONTINUE records at character boundaries:
// a string's header never splits, and each continuation repeats its flag byte.
void SharedStrings(ByteWriter* w, const std::vector<const std::wstring*>& strings, size_t total) {
  const size_t perBucket = std::max<size_t>(8, (strings.size() + 1023) / 1024);
  struct Bucket {
    uint32_t streamPos;
    uint16_t recordOffset;
  };
  std::vector<Bucket> buckets;

  Bytes rec;
  size_t recordStart = w->Size();
  unsigned recordId = kSst;
  auto flush = [&](unsigned nextId) {
    Record(w, recordId, rec);
    rec.clear();
    recordId = nextId;
    recordStart = w->Size();
  };
  {
    ByteWriter b(&rec);
    b.U32(static_cast<uint32_t>(total));
    b.U32(static_cast<uint32_t>(strings.size()));
  }
  for (size_t i = 0; i < strings.size(); ++i) {
    const std::wstring& s = *strings[i];
    const bool high = NeedsHighBytes(s);
    const size_t charSize = high ? 2 : 1;
    if (rec.size() + 3 + charSize > kMaxRecordData) flush(kContinue);
    if (i % perBucket == 0)
      buckets.push_back({static_cast<uint32_t>(recordStart + 4 + rec.size()), static_cast<uint16_t>(4 + rec.size())});
    ByteWriter b(&rec);
    b.U16(static_cast<unsigned>(s.size()));
    b.U8(high ? 1 : 0);
    for (size_t k = 0; k < s.size(); ++k) {
      if (rec.size() + charSize > kMaxRecordData) {
        flush(kContinue);
        ByteWriter(&rec).U8(high ? 1 : 0);
      }
      ByteWriter c(&rec);
      if (high)
        c.U16(s[k]);
      else
        c.U8(s[k]);
    }
  }
  flush(kContinue);

  Bytes ext;
  ByteWriter e(&ext);
  e.U16(static_cast<unsigned>(perBucket));
  for (const Bucket& bk : buckets) {
    e.U32(bk.streamPos);
    e.U16(bk.recordOffset);
    e.U16(0);
  }
  Record(w, kExtSst, ext);
}

}  // namespace

bool WriteXlsFile(const Sheet& sheet, Bytes* out) {
  if (sheet.RowCount() > kXlsMaxRows) return false;

  // Texts that are not plain numbers go to the shared string table, once each.
  std::unordered_map<std::wstring, uint32_t> index;
  std::vector<const std::wstring*> strings;
  size_t totalStrings = 0;
  for (const SheetRow& row : sheet.Rows()) {
    for (const Cell& cell : row) {
      double v;
      bool two;
      if (IsPlainNumber(cell.text, &v, &two)) continue;
      ++totalStrings;
      auto inserted = index.emplace(cell.text, static_cast<uint32_t>(strings.size()));
      if (inserted.second) strings.push_back(&inserted.first->first);
    }
  }

  Bytes stream;
  stream.reserve(sheet.CellCount() * 16 + 4096);
  ByteWriter w(&stream);
  Bof(&w, 0x0005);
  {
    Bytes d;
    ByteWriter(&d).U16(1200);  // strings are UTF-16
    Record(&w, kCodePage, d);
  }
  {
    Bytes d;
    ByteWriter b(&d);
    b.U16(0);
    b.U16(0);
    b.U16(0x3A5C);
    b.U16(0x23BE);
    b.U16(0x0038);
    b.U16(0);  // active sheet
    b.U16(0);  // first visible tab
    b.U16(1);  // selected tabs
    b.U16(0x0258);
    Record(&w, kWindow1, d);
  }
  // Font 4 does not exist in this format: five records make fonts 0-3 and 5.
  for (int i = 0; i < 5; ++i) Font(&w);
  {
    Bytes d;
    ByteWriter b(&d);
    const std::wstring code = L"0.00";
    b.U16(kTwoDecimalFormat);
    b.U16(static_cast<unsigned>(code.size()));
    b.U8(0);
    for (wchar_t c : code) b.U8(c);
    Record(&w, kFormat, d);
  }
  for (unsigned i = 0; i < kPlainXf; ++i) Xf(&w, true, 0);
  Xf(&w, false, 0);
  Xf(&w, false, kTwoDecimalFormat);
  {
    Bytes d;
    ByteWriter b(&d);
    b.U16(0x8000);  // built-in style on XF 0: "Normal"
    b.U8(0);
    b.U8(0xFF);
    Record(&w, kStyle, d);
  }
  size_t sheetOffsetField = 0;
  {
    Bytes d;
    ByteWriter b(&d);
    b.U32(0);  // patched once the sheet's position is known
    b.U8(0);   // visible
    b.U8(0);   // worksheet
    const std::wstring name = L"Sheet1";
    b.U8(static_cast<unsigned>(name.size()));
    b.U8(0);
    for (wchar_t c : name) b.U8(c);
    sheetOffsetField = w.Size() + 4;
    Record(&w, kBoundSheet, d);
  }
  SharedStrings(&w, strings, totalStrings);
  Record(&w, kEof, Bytes());

  w.PatchU32(sheetOffsetField, static_cast<uint32_t>(w.Size()));
  Bof(&w, 0x0010);
  {
    Bytes d;
    ByteWriter b(&d);
    b.U32(0);
    b.U32(static_cast<uint32_t>(sheet.RowCount()));
    b.U16(0);
    b.U16(static_cast<unsigned>(sheet.ColumnCount()));
    b.U16(0);
    Record(&w, kDimensions, d);
  }
  const std::vector<SheetRow>& rows = sheet.Rows();
  for (size_t r = 0; r < rows.size(); ++r) {
    for (const Cell& cell : rows[r]) {
      double v;
      bool two;
      if (IsPlainNumber(cell.text, &v, &two)) {
        w.U16(kNumber);
        w.U16(14);
        w.U16(static_cast<unsigned>(r));
        w.U16(static_cast<unsigned>(cell.column));
        w.U16(two ? kTwoDecimalXf : kPlainXf);
        w.F64(v);
      } else {
        w.U16(kLabelSst);
        w.U16(10);
        w.U16(static_cast<unsigned>(r));
        w.U16(static_cast<unsigned>(cell.column));
        w.U16(kPlainXf);
        w.U32(index[cell.text]);
      }
    }
  }
  // Sheet settings follow the cell table, as spreadsheet programs expect.
  {
    Bytes d;
    ByteWriter b(&d);
    b.U16(0x06B6);  // grid, headings, zeros, selected and shown
    b.U16(0);
    b.U16(0);
    b.U16(0x40);
    b.U16(0);
    b.U16(0);
    b.U16(0);
    b.U32(0);
    Record(&w, kWindow2, d);
  }
  // The .xls merge list holds 16-bit rows and 8-bit columns: merges beyond the
  // sheet's limits cannot be written and are left out.
  std::vector<CellRange> merges;
  for (const CellRange& m : sheet.Merges())
    if (m.lastRow < kXlsMaxRows && m.lastColumn < 256) merges.push_back(m);
  for (size_t at = 0; at < merges.size(); at += 1026) {
    const size_t n = std::min<size_t>(1026, merges.size() - at);
    Bytes d;
    ByteWriter b(&d);
    b.U16(static_cast<unsigned>(n));
    for (size_t k = at; k < at + n; ++k) {
      b.U16(merges[k].firstRow);
      b.U16(merges[k].lastRow);
      b.U16(merges[k].firstColumn);
      b.U16(merges[k].lastColumn);
    }
    Record(&w, kMergedCells, d);
  }
  Record(&w, kEof, Bytes());

  *out = WriteCompoundFile({CompoundStream{L"Workbook", std::move(stream)}});
  return true;
}
