// Mutated .xls and .xlsx bytes, from a fixed seed in bounded rounds: the readers
// never crash or hang, whatever they answer. Mutations hit the whole file, the
// workbook stream inside a sound compound file, and the sheet XML inside a sound
// zip, so each layer's parser sees damage, not only the outermost one.
#include <gtest/gtest.h>

#include <unzip.h>
#include <zip.h>

#include <random>
#include <string>
#include <vector>

#include "biff8_reader.h"
#include "biff8_writer.h"
#include "compound_file.h"
#include "sample_books.h"
#include "xlsx_reader.h"
#include "xlsx_writer.h"
#include "zip_memory_io.h"

namespace {

constexpr int kRounds = 2000;

Sheet SampleSheet() {
  Sheet sheet;
  int row = 0;
  for (const SampleBook& book : SampleBooks()) {
    for (size_t i = 0; i < book.cells.size() && i < 40; ++i)
      sheet.SetText(row, static_cast<int>(i % 7), book.cells[i].text);
    ++row;
  }
  sheet.Merge({0, 1, 0, 2});
  sheet.Merge({5, 5, 1, 3});
  return sheet;
}

void Mutate(std::mt19937* rng, Bytes* b) {
  if (b->empty()) return;
  const int edits = 1 + (*rng)() % 8;
  for (int e = 0; e < edits && !b->empty(); ++e) {
    const size_t at = (*rng)() % b->size();
    switch ((*rng)() % 6) {
      case 0:
        (*b)[at] = static_cast<uint8_t>((*rng)());
        break;
      case 1:
        (*b)[at] ^= static_cast<uint8_t>(1u << ((*rng)() % 8));
        break;
      case 2:
        b->resize(at);
        break;
      case 3:
        b->insert(b->begin() + at, static_cast<size_t>(1 + (*rng)() % 16), static_cast<uint8_t>((*rng)()));
        break;
      case 4:
        (*b)[at] = 0xFF;
        if (at + 1 < b->size()) (*b)[at + 1] = 0xFF;
        break;
      default: {  // a copied run, as a duplicated record or tag would be
        const size_t from = (*rng)() % b->size();
        const size_t n = std::min<size_t>(1 + (*rng)() % 64, b->size() - from);
        Bytes run(b->begin() + from, b->begin() + from + n);
        b->insert(b->begin() + at, run.begin(), run.end());
      }
    }
  }
}

// The package's entries in archive order: name and content.
std::vector<std::pair<std::string, std::string>> Entries(const Bytes& xlsx) {
  Bytes in = xlsx;
  MemoryZipFile src{&in};
  zlib_filefunc_def io = MemoryZipFunctions();
  unzFile u = unzOpen2(reinterpret_cast<const char*>(&src), &io);
  std::vector<std::pair<std::string, std::string>> entries;
  for (int r = unzGoToFirstFile(u); r == UNZ_OK; r = unzGoToNextFile(u)) {
    char name[256];
    unz_file_info info;
    unzGetCurrentFileInfo(u, &info, name, sizeof name, nullptr, 0, nullptr, 0);
    std::string data(info.uncompressed_size, '\0');
    unzOpenCurrentFile(u);
    unzReadCurrentFile(u, &data[0], static_cast<unsigned>(data.size()));
    unzCloseCurrentFile(u);
    entries.emplace_back(name, std::move(data));
  }
  unzClose(u);
  return entries;
}

std::string Entry(const Bytes& xlsx, const std::string& name) {
  for (const auto& e : Entries(xlsx))
    if (e.first == name) return e.second;
  return std::string();
}

// The package zipped again with entry `name` replaced by `content`.
Bytes Repack(const Bytes& xlsx, const std::string& name, const std::string& content) {
  Bytes out;
  MemoryZipFile dst{&out};
  zlib_filefunc_def io = MemoryZipFunctions();
  zipFile z = zipOpen2(reinterpret_cast<const char*>(&dst), APPEND_STATUS_CREATE, nullptr, &io);
  for (const auto& e : Entries(xlsx)) {
    const std::string& data = e.first == name ? content : e.second;
    zip_fileinfo zi = {};
    zipOpenNewFileInZip(z, e.first.c_str(), &zi, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 1);
    zipWriteInFileInZip(z, data.data(), static_cast<unsigned>(data.size()));
    zipCloseFileInZip(z);
  }
  zipClose(z, nullptr);
  return out;
}

TEST(Fuzz, MutatedXlsFiles) {
  Bytes file;
  ASSERT_TRUE(WriteXlsFile(SampleSheet(), &file));
  Bytes stream;
  ASSERT_TRUE(ReadCompoundStream(file, L"Workbook", &stream));
  std::mt19937 rng(20240305);
  int readable = 0;
  for (int round = 0; round < kRounds; ++round) {
    Bytes whole = file;
    Mutate(&rng, &whole);
    Sheet a;
    readable += ReadXlsFile(whole, &a);
    Bytes inner = stream;
    Mutate(&rng, &inner);
    Sheet b;
    readable += ReadXlsFile(WriteCompoundFile({CompoundStream{L"Workbook", inner}}), &b);
    EXPECT_LE(b.CellCount(), inner.size());  // no cell without bytes behind it
  }
  std::printf("xls: %d of %d mutated files still read\n", readable, 2 * kRounds);
}

TEST(Fuzz, MutatedXlsxFiles) {
  Bytes file;
  ASSERT_TRUE(WriteXlsxFile(SampleSheet(), &file));
  const std::string sheetXml = Entry(file, "xl/worksheets/sheet1.xml");
  const std::string stringsXml = Entry(file, "xl/sharedStrings.xml");
  ASSERT_FALSE(sheetXml.empty());
  std::mt19937 rng(19491001);
  int readable = 0;
  for (int round = 0; round < kRounds; ++round) {
    Bytes whole = file;
    Mutate(&rng, &whole);
    Sheet a;
    readable += ReadXlsxFile(whole, &a);
    const bool sheetPart = round % 2 == 0;
    Bytes xml(sheetPart ? sheetXml.begin() : stringsXml.begin(), sheetPart ? sheetXml.end() : stringsXml.end());
    Mutate(&rng, &xml);
    Sheet b;
    readable += ReadXlsxFile(Repack(file, sheetPart ? "xl/worksheets/sheet1.xml" : "xl/sharedStrings.xml",
                                    std::string(xml.begin(), xml.end())),
                             &b);
  }
  std::printf("xlsx: %d of %d mutated files still read\n", readable, 2 * kRounds);
}

}  // namespace
