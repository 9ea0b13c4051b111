// Reading BIFF8: the record stream, the shared strings with their continuations,
// the first worksheet's cells.
#include "biff8_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "compound_file.h"
#include "number_text.h"

namespace {

enum : unsigned {
  kBof = 0x0809,
  kEof = 0x000A,
  kFilePass = 0x002F,
  kBoundSheet = 0x0085,
  kSst = 0x00FC,
  kContinue = 0x003C,
  kLabelSst = 0x00FD,
  kLabel = 0x0204,
  kRString = 0x00D6,
  kNumber = 0x0203,
  kRk = 0x027E,
  kMulRk = 0x00BD,
  kBoolErr = 0x0205,
  kFormula = 0x0006,
  kString = 0x0207,
  kMergedCells = 0x00E5,
};

struct RecordRef {
  unsigned id;
  size_t offset;  // of the record header in the stream
  const uint8_t* data;
  size_t size;
};

// A record and the CONTINUE records after it, read as one run of bytes. Character
// data that crosses into a continuation starts there with a fresh flag byte
// (compressed or UTF-16), which ReadString re-reads.
class ContinuedReader {
 public:
  ContinuedReader(const std::vector<RecordRef>& records, size_t first) {
    segments_.push_back(records[first]);
    for (size_t i = first + 1; i < records.size() && records[i].id == kContinue; ++i) segments_.push_back(records[i]);
  }
  bool ok() const { return ok_; }
  bool AtEnd() {
    Settle();
    return seg_ >= segments_.size();
  }
  uint8_t U8() {
    Settle();
    if (seg_ >= segments_.size()) {
      ok_ = false;
      return 0;
    }
    return segments_[seg_].data[off_++];
  }
  uint16_t U16() {
    unsigned lo = U8();
    return static_cast<uint16_t>(lo | (U8() << 8));
  }
  uint32_t U32() {
    uint32_t lo = U16();
    return lo | (static_cast<uint32_t>(U16()) << 16);
  }
  void Skip(size_t n) {
    while (n > 0 && ok_) {
      Settle();
      if (seg_ >= segments_.size()) {
        ok_ = false;
        return;
      }
      size_t step = std::min(n, segments_[seg_].size - off_);
      off_ += step;
      n -= step;
    }
  }
  // An XLUnicodeString (16-bit count when `wideCount`, else 8-bit) with optional
  // rich-text runs and phonetic data, which are skipped.
  std::wstring ReadString(bool wideCount) {
    const unsigned count = wideCount ? U16() : U8();
    unsigned flags = U8();
    const unsigned runs = (flags & 0x08) ? U16() : 0;
    const uint32_t extra = (flags & 0x04) ? U32() : 0;
    std::wstring text;
    text.reserve(count);
    for (unsigned k = 0; k < count && ok_; ++k) {
      Settle();
      if (k > 0 && off_ == 0 && seg_ < segments_.size()) flags = U8();  // a continuation's flag byte
      text.push_back(static_cast<wchar_t>((flags & 0x01) ? U16() : U8()));
    }
    Skip(size_t(runs) * 4);
    Skip(extra);
    return ok_ ? text : std::wstring();
  }

 private:
  // Steps over exhausted segments so that off_ == 0 means "at a continuation's start".
  void Settle() {
    while (seg_ < segments_.size() && off_ >= segments_[seg_].size) {
      ++seg_;
      off_ = 0;
    }
  }
  std::vector<RecordRef> segments_;
  size_t seg_ = 0;
  size_t off_ = 0;
  bool ok_ = true;
};

bool SplitRecords(const Bytes& stream, std::vector<RecordRef>* records) {
  size_t at = 0;
  while (at + 4 <= stream.size()) {
    const unsigned id = ReadU16(&stream[at]);
    const size_t size = ReadU16(&stream[at + 2]);
    if (at + 4 + size > stream.size()) return false;  // longer than its stream
    records->push_back({id, at, stream.data() + at + 4, size});
    at += 4 + size;
  }
  // Trailing bytes too short for a header are padding some writers leave.
  return true;
}

double DecodeRk(uint32_t rk) {
  double v;
  if (rk & 0x02) {
    v = static_cast<double>(static_cast<int32_t>(rk) >> 2);
  } else {
    uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFCu) << 32;
    std::memcpy(&v, &bits, 8);
  }
  return (rk & 0x01) ? v / 100 : v;
}

std::wstring ErrorText(unsigned code) {
  switch (code) {
    case 0x00:
      return L"#NULL!";
    case 0x07:
      return L"#DIV/0!";
    case 0x0F:
      return L"#VALUE!";
    case 0x17:
      return L"#REF!";
    case 0x1D:
      return L"#NAME?";
    case 0x24:
      return L"#NUM!";
    case 0x2A:
      return L"#N/A";
    default:
      return L"#N/A";
  }
}

std::wstring BoolText(unsigned value) { return value ? L"TRUE" : L"FALSE"; }

class WorkbookParser {
 public:
  WorkbookParser(const std::vector<RecordRef>& records, Sheet* sheet) : records_(records), sheet_(sheet) {}

  bool Parse() {
    if (records_.empty() || !IsBof(records_[0], 0x0005)) return false;
    size_t i = 1;
    bool sheetFound = false;
    uint32_t sheetOffset = 0;
    for (; i < records_.size() && records_[i].id != kEof; ++i) {
      const RecordRef& r = records_[i];
      if (r.id == kFilePass) return false;  // encrypted
      if (r.id == kBoundSheet && !sheetFound && r.size >= 6) {
        // The first worksheet; chart and macro sheets hold no cells to read.
        if (r.data[5] == 0) {
          sheetFound = true;
          sheetOffset = ReadU32(r.data);
        }
      } else if (r.id == kSst) {
        if (!ReadSharedStrings(i)) return false;
      }
    }
    if (i >= records_.size()) return false;
    if (!sheetFound) return true;  // a workbook without worksheets reads as empty
    size_t first = 0;
    while (first < records_.size() && records_[first].offset != sheetOffset) ++first;
    if (first >= records_.size() || first <= i || !IsBof(records_[first], 0x0010)) return false;
    return ReadSheet(first);
  }

 private:
  static bool IsBof(const RecordRef& r, unsigned type) {
    return r.id == kBof && r.size >= 4 && ReadU16(r.data) == 0x0600 && ReadU16(r.data + 2) == type;
  }

  bool ReadSharedStrings(size_t at) {
    ContinuedReader in(records_, at);
    in.U32();  // total uses
    const uint32_t unique = in.U32();
    if (!in.ok()) return false;
    // Each string costs at least three bytes, so a huge count runs out of data first.
    for (uint32_t k = 0; k < unique && !in.AtEnd(); ++k) {
      std::wstring s = in.ReadString(true);
      if (!in.ok()) return false;
      strings_.push_back(std::move(s));
    }
    return true;
  }

  void Set(unsigned row, unsigned column, std::wstring text) {
    sheet_->SetText(static_cast<int>(row), static_cast<int>(column), std::move(text));
  }

  bool ReadSheet(size_t first) {
    int depth = 0;
    bool pendingString = false;
    unsigned pendingRow = 0, pendingColumn = 0;
    for (size_t i = first; i < records_.size(); ++i) {
      const RecordRef& r = records_[i];
      if (r.id == kBof) {
        ++depth;
        continue;
      }
      if (r.id == kEof) {
        if (--depth == 0) return true;
        continue;
      }
      if (depth != 1) continue;  // an embedded chart's records
      ByteReader in(r.data, r.size);
      const unsigned row = in.U16();
      const unsigned column = in.U16();
      in.U16();  // cell style
      // A formula's text result comes in the next STRING record; the formula's own
      // shared or array parts may stand between, any other record ends the wait.
      if (r.id != kString && r.id != kContinue && r.id != 0x04BC && r.id != 0x0221 && r.id != 0x0236)
        pendingString = false;
      switch (r.id) {
        case kLabelSst: {
          const uint32_t index = in.U32();
          if (in.ok() && index < strings_.size()) Set(row, column, strings_[index]);
          break;
        }
        case kLabel:
        case kRString: {
          if (!in.ok()) break;
          // The string starts after row, column and style: read it as a run that may continue.
          ContinuedReader text(records_, i);
          text.Skip(6);
          std::wstring s = text.ReadString(true);
          if (text.ok()) Set(row, column, std::move(s));
          break;
        }
        case kNumber: {
          const double v = in.F64();
          if (in.ok()) Set(row, column, NumberText(v));
          break;
        }
        case kRk: {
          const uint32_t rk = in.U32();
          if (in.ok()) Set(row, column, NumberText(DecodeRk(rk)));
          break;
        }
        case kMulRk: {
          if (!in.ok() || r.size < 6) break;
          // Row, first column, then style and value pairs, then the last column.
          const size_t count = (r.size - 6) / 6;
          ByteReader pairs(r.data + 4, r.size - 4);
          for (size_t k = 0; k < count; ++k) {
            pairs.U16();
            const uint32_t rk = pairs.U32();
            if (pairs.ok()) Set(row, column + static_cast<unsigned>(k), NumberText(DecodeRk(rk)));
          }
          break;
        }
        case kBoolErr: {
          const unsigned value = in.U8();
          const unsigned isError = in.U8();
          if (in.ok()) Set(row, column, isError ? ErrorText(value) : BoolText(value));
          break;
        }
        case kFormula: {
          const uint8_t* result = in.Take(8);
          if (!in.ok()) break;
          if (ReadU16(result + 6) != 0xFFFF) {
            double v;
            std::memcpy(&v, result, 8);
            Set(row, column, NumberText(v));
          } else if (result[0] == 0) {
            pendingString = true;  // the text follows in a STRING record
            pendingRow = row;
            pendingColumn = column;
          } else if (result[0] == 1) {
            Set(row, column, BoolText(result[2]));
          } else if (result[0] == 2) {
            Set(row, column, ErrorText(result[2]));
          } else {
            Set(row, column, std::wstring());
          }
          break;
        }
        case kString: {
          if (!pendingString) break;
          pendingString = false;
          ContinuedReader text(records_, i);
          std::wstring s = text.ReadString(true);
          if (text.ok()) Set(pendingRow, pendingColumn, std::move(s));
          break;
        }
        case kMergedCells: {
          ByteReader m(r.data, r.size);
          const unsigned count = m.U16();
          for (unsigned k = 0; k < count && m.Has(8); ++k) {
            CellRange range;
            range.firstRow = m.U16();
            range.lastRow = m.U16();
            range.firstColumn = m.U16();
            range.lastColumn = m.U16();
            if (range.firstRow <= range.lastRow && range.firstColumn <= range.lastColumn) sheet_->Merge(range);
          }
          break;
        }
        default:
          break;
      }
    }
    return false;  // the sheet never ended
  }

  const std::vector<RecordRef>& records_;
  Sheet* sheet_;
  std::vector<std::wstring> strings_;
};

}  // namespace

bool ReadXlsFile(const Bytes& file, Sheet* sheet) {
  Bytes stream;
  if (!ReadCompoundStream(file, L"Workbook", &stream)) return false;
  std::vector<RecordRef> records;
  if (!SplitRecords(stream, &records)) return false;
  Sheet result;
  WorkbookParser parser(records, &result);
  if (!parser.Parse()) return false;
  *sheet = std::move(result);
  return true;
}
