// Damaged and unusual files: hand-made record streams (a string continued with a
// different character width, records longer than their stream), broken compound
// file chains and sizes, and a compound file large enough for extra sector-table
// pages. Each either reads what it holds or fails, promptly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "biff8_reader.h"
#include "biff8_writer.h"
#include "compound_file.h"
#include "sheet.h"

namespace {

void Record(Bytes* out, unsigned id, const Bytes& data) {
  ByteWriter w(out);
  w.U16(id);
  w.U16(static_cast<unsigned>(data.size()));
  w.Raw(data.data(), data.size());
}

Bytes Bof(unsigned type) {
  return Bytes{0x00, 0x06, static_cast<uint8_t>(type), static_cast<uint8_t>(type >> 8), 0, 0, 0, 0};
}

// A workbook stream: globals with `sst` records, one sheet of `cells` records.
Bytes Workbook(const std::vector<std::pair<unsigned, Bytes>>& sst,
               const std::vector<std::pair<unsigned, Bytes>>& cells) {
  Bytes s;
  Record(&s, 0x0809, Bof(5));
  const size_t boundsheet = s.size();
  Record(&s, 0x0085, Bytes{0, 0, 0, 0, 0, 0, 1, 0, 'S'});
  for (const auto& r : sst) Record(&s, r.first, r.second);
  Record(&s, 0x000A, Bytes());
  ByteWriter(&s).PatchU32(boundsheet + 4, static_cast<uint32_t>(s.size()));
  Record(&s, 0x0809, Bof(0x10));
  for (const auto& r : cells) Record(&s, r.first, r.second);
  Record(&s, 0x000A, Bytes());
  return s;
}

Bytes LabelSst(unsigned row, unsigned column, uint32_t index) {
  Bytes d;
  ByteWriter w(&d);
  w.U16(row);
  w.U16(column);
  w.U16(15);
  w.U32(index);
  return d;
}

bool ReadStream(const Bytes& stream, Sheet* sheet) {
  return ReadXlsFile(WriteCompoundFile({CompoundStream{L"Workbook", stream}}), sheet);
}

TEST(DamagedFile, ContinuedStringRereadsItsWidth) {
  // "ab" compressed in the SST record, then a CONTINUE whose flag byte switches to
  // UTF-16 for "中文"; then a second string wholly in the continuation.
  Bytes sst{2, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0x00, 'a', 'b'};
  Bytes cont{0x01, 0x2D, 0x4E, 0x87, 0x65, 1, 0, 0x00, 'z'};
  Sheet sheet;
  ASSERT_TRUE(ReadStream(
      Workbook({{0x00FC, sst}, {0x003C, cont}}, {{0x00FD, LabelSst(0, 0, 0)}, {0x00FD, LabelSst(1, 2, 1)}}), &sheet));
  EXPECT_EQ(L"ab中文", sheet.Text(0, 0));
  EXPECT_EQ(L"z", sheet.Text(1, 2));
}

TEST(DamagedFile, BrokenRecordStreamsFail) {
  const Bytes sst{1, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 'o', 'k'};
  struct Case {
    const char* name;
    Bytes stream;
    bool readable;
  } cases[] = {
      {"well formed", Workbook({{0x00FC, sst}}, {{0x00FD, LabelSst(0, 0, 0)}}), true},
      {"huge string count",
       Workbook({{0x00FC, Bytes{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 'o', 'k'}}},
                {{0x00FD, LabelSst(0, 0, 0)}}),
       true},
      {"string longer than its record", Workbook({{0x00FC, Bytes{1, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0x7F, 0, 'o'}}}, {}),
       false},
      {"index past the table", Workbook({{0x00FC, sst}}, {{0x00FD, LabelSst(0, 0, 99)}}), true},
      {"short cell record", Workbook({{0x00FC, sst}}, {{0x00FD, Bytes{0, 0}}}), true},
  };
  for (const Case& c : cases) {
    Sheet sheet;
    EXPECT_EQ(c.readable, ReadStream(c.stream, &sheet)) << c.name;
  }
  // Cut streams: a record longer than what is left, a sheet without its end.
  Bytes whole = Workbook({{0x00FC, sst}}, {{0x00FD, LabelSst(0, 0, 0)}});
  for (size_t cut = 1; cut < whole.size(); ++cut) {
    Sheet sheet;
    EXPECT_FALSE(ReadStream(Bytes(whole.begin(), whole.begin() + cut), &sheet)) << cut;
  }
  // The sheet's offset pointing into the middle of a record, or past the stream.
  for (uint32_t offset : {3u, 0x7FFFFFFFu}) {
    Bytes moved = whole;
    ByteWriter(&moved).PatchU32(Bof(5).size() + 4 + 4, offset);
    Sheet sheet;
    EXPECT_FALSE(ReadStream(moved, &sheet)) << offset;
  }
}

// A written .xls with a workbook stream large enough for the regular sectors.
Bytes LargeXls() {
  Sheet sheet;
  for (int r = 0; r < 400; ++r) sheet.SetText(r, 0, L"row " + std::to_wstring(r));
  Bytes file;
  WriteXlsFile(sheet, &file);
  return file;
}

uint32_t HeaderField(const Bytes& f, size_t at) { return ReadU32(&f[at]); }
void SetU32(Bytes* f, size_t at, uint32_t v) { ByteWriter(f).PatchU32(at, v); }

TEST(DamagedFile, BrokenCompoundFilesFail) {
  const Bytes good = LargeXls();
  Sheet sheet;
  ASSERT_TRUE(ReadXlsFile(good, &sheet));
  ASSERT_EQ(L"row 399", sheet.Text(399, 0));
  const size_t fat = (HeaderField(good, 76) + 1) * 512;  // first sector-table page
  const size_t dir = (HeaderField(good, 48) + 1) * 512;  // first directory page
  struct Case {
    const char* name;
    size_t at;
    uint32_t value;
  } cases[] = {
      {"chain loops onto itself", fat + 4 * 2, 2},
      {"chain leaves the file", fat + 4 * 1, 0x00FFFFFF},
      {"stream size beyond the file", dir + 128 + 120, 0x7FFFFFF0},
      {"directory chain loops", fat + 4 * HeaderField(good, 48), HeaderField(good, 48)},
      {"sector table page past the end", 76, 0x00FFFFFF},
      {"more table pages than sectors", 44, 0x7FFFFFFF},
      {"extra table pages that loop", 68, HeaderField(good, 76)},
  };
  for (const Case& c : cases) {
    Bytes bad = good;
    SetU32(&bad, c.at, c.value);
    if (std::string(c.name) == "extra table pages that loop") {
      SetU32(&bad, 72, 0x7FFFFFFF);  // many extra pages, chained back on the table page
      SetU32(&bad, 44, 100000);
    }
    Sheet s;
    EXPECT_FALSE(ReadXlsFile(bad, &s)) << c.name;
  }
  for (size_t cut : {size_t(0), size_t(7), size_t(512), good.size() / 2, good.size() - 512})
    EXPECT_FALSE(ReadXlsFile(Bytes(good.begin(), good.begin() + cut), &sheet)) << cut;
}

TEST(DamagedFile, MiniStreamChainLoops) {
  Sheet small;
  small.SetText(0, 0, L"x");
  Bytes file;
  ASSERT_TRUE(WriteXlsFile(small, &file));
  Sheet sheet;
  ASSERT_TRUE(ReadXlsFile(file, &sheet));
  // The mini sector table: every entry pointing at mini sector 0.
  const size_t miniFat = (HeaderField(file, 60) + 1) * 512;
  for (size_t k = 0; k < 128; ++k) SetU32(&file, miniFat + 4 * k, 0);
  EXPECT_FALSE(ReadXlsFile(file, &sheet));
}

TEST(DamagedFile, LargeCompoundFileNeedsExtraTablePages) {
  // More than 109 sector-table pages: the table's page list continues in extra
  // pages outside the header.
  Bytes big(9 * 1024 * 1024);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 2654435761u >> 24);
  const Bytes file = WriteCompoundFile({CompoundStream{L"Workbook", big}, CompoundStream{L"Small", Bytes(100, 7)}});
  EXPECT_GT(HeaderField(file, 72), 0u);
  Bytes out;
  ASSERT_TRUE(ReadCompoundStream(file, L"WORKBOOK", &out));
  EXPECT_TRUE(out == big);
  ASSERT_TRUE(ReadCompoundStream(file, L"Small", &out));
  EXPECT_EQ(Bytes(100, 7), out);
  EXPECT_FALSE(ReadCompoundStream(file, L"Missing", &out));
}

}  // namespace
