// Writing and reading compound files (version 3: 512-byte sectors).
#include "compound_file.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr uint32_t kFreeSector = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kNoStream = 0xFFFFFFFF;
constexpr size_t kSectorSize = 512;
constexpr size_t kMiniSectorSize = 64;
constexpr size_t kMiniCutoff = 4096;
constexpr size_t kHeaderDifatEntries = 109;
const uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

size_t CeilDiv(size_t a, size_t b) { return (a + b - 1) / b; }

std::wstring Upper(std::wstring s) {
  for (wchar_t& c : s)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  return s;
}

// Chains `count` sectors starting at `first` in `table`.
void Chain(std::vector<uint32_t>* table, uint32_t first, size_t count) {
  for (size_t i = 0; i < count; ++i)
    (*table)[first + i] = i + 1 < count ? static_cast<uint32_t>(first + i + 1) : kEndOfChain;
}

void WriteDirectoryEntry(ByteWriter* w, const std::wstring& name, int type, uint32_t left, uint32_t right,
                         uint32_t child, uint32_t start, uint32_t size) {
  for (size_t i = 0; i < 32; ++i) w->U16(i < name.size() ? name[i] : 0);
  w->U16(name.empty() ? 0 : static_cast<unsigned>((name.size() + 1) * 2));
  w->U8(type);
  w->U8(type == 0 ? 0 : 1);  // black
  w->U32(left);
  w->U32(right);
  w->U32(child);
  w->Zeros(16 + 4 + 8 + 8);  // class id, state bits, creation and modification times
  w->U32(start);
  w->U32(size);
  w->U32(0);
}

}  // namespace

Bytes WriteCompoundFile(const std::vector<CompoundStream>& input) {
  // The directory keeps siblings in a tree ordered by name length, then by the
  // upper-case name; a chain of right siblings is such a tree.
  std::vector<const CompoundStream*> streams;
  for (const auto& s : input) streams.push_back(&s);
  std::sort(streams.begin(), streams.end(), [](const CompoundStream* a, const CompoundStream* b) {
    if (a->name.size() != b->name.size()) return a->name.size() < b->name.size();
    return Upper(a->name) < Upper(b->name);
  });

  struct Placement {
    bool mini = false;
    uint32_t start = kEndOfChain;
    size_t sectors = 0;
  };
  std::vector<Placement> place(streams.size());
  size_t miniSectors = 0, bigSectors = 0;
  for (size_t i = 0; i < streams.size(); ++i) {
    const size_t size = streams[i]->data.size();
    if (size == 0) continue;
    if (size < kMiniCutoff) {
      place[i].mini = true;
      place[i].start = static_cast<uint32_t>(miniSectors);
      place[i].sectors = CeilDiv(size, kMiniSectorSize);
      miniSectors += place[i].sectors;
    } else {
      place[i].start = static_cast<uint32_t>(bigSectors);
      place[i].sectors = CeilDiv(size, kSectorSize);
      bigSectors += place[i].sectors;
    }
  }
  const size_t miniStreamBytes = miniSectors * kMiniSectorSize;
  const size_t miniStreamSectors = CeilDiv(miniStreamBytes, kSectorSize);
  const size_t miniFatSectors = CeilDiv(miniSectors * 4, kSectorSize);
  const size_t dirSectors = CeilDiv((streams.size() + 1) * 128, kSectorSize);
  const size_t base = bigSectors + miniStreamSectors + miniFatSectors + dirSectors;
  size_t fatSectors = 0, difatSectors = 0;
  for (;;) {
    size_t fat = CeilDiv(base + fatSectors + difatSectors, kSectorSize / 4);
    size_t difat = fat > kHeaderDifatEntries ? CeilDiv(fat - kHeaderDifatEntries, kSectorSize / 4 - 1) : 0;
    if (fat == fatSectors && difat == difatSectors) break;
    fatSectors = fat;
    difatSectors = difat;
  }
  const uint32_t miniStreamStart = static_cast<uint32_t>(bigSectors);
  const uint32_t miniFatStart = static_cast<uint32_t>(miniStreamStart + miniStreamSectors);
  const uint32_t dirStart = static_cast<uint32_t>(miniFatStart + miniFatSectors);
  const uint32_t fatStart = static_cast<uint32_t>(dirStart + dirSectors);
  const uint32_t difatStart = static_cast<uint32_t>(fatStart + fatSectors);
  const size_t totalSectors = difatStart + difatSectors;

  std::vector<uint32_t> fat(fatSectors * (kSectorSize / 4), kFreeSector);
  std::vector<uint32_t> miniFat(miniFatSectors * (kSectorSize / 4), kFreeSector);
  for (size_t i = 0; i < streams.size(); ++i) {
    if (place[i].sectors == 0) continue;
    if (place[i].mini)
      Chain(&miniFat, place[i].start, place[i].sectors);
    else
      Chain(&fat, place[i].start, place[i].sectors);
  }
  Chain(&fat, miniStreamStart, miniStreamSectors);
  Chain(&fat, miniFatStart, miniFatSectors);
  Chain(&fat, dirStart, dirSectors);
  for (size_t i = 0; i < fatSectors; ++i) fat[fatStart + i] = kFatSector;
  for (size_t i = 0; i < difatSectors; ++i) fat[difatStart + i] = kDifatSector;

  Bytes out;
  out.reserve(kSectorSize * (totalSectors + 1));
  ByteWriter w(&out);
  w.Raw(kSignature, 8);
  w.Zeros(16);
  w.U16(0x003E);
  w.U16(0x0003);
  w.U16(0xFFFE);
  w.U16(9);
  w.U16(6);
  w.Zeros(6);
  w.U32(0);  // directory sectors: always 0 in version 3
  w.U32(static_cast<uint32_t>(fatSectors));
  w.U32(dirStart);
  w.U32(0);
  w.U32(static_cast<uint32_t>(kMiniCutoff));
  w.U32(miniFatSectors ? miniFatStart : kEndOfChain);
  w.U32(static_cast<uint32_t>(miniFatSectors));
  w.U32(difatSectors ? difatStart : kEndOfChain);
  w.U32(static_cast<uint32_t>(difatSectors));
  for (size_t i = 0; i < kHeaderDifatEntries; ++i)
    w.U32(i < fatSectors ? static_cast<uint32_t>(fatStart + i) : kFreeSector);

  auto pad = [&w]() {
    while ((w.Size() % kSectorSize) != 0) w.U8(0);
  };
  for (size_t i = 0; i < streams.size(); ++i) {
    if (place[i].sectors == 0 || place[i].mini) continue;
    w.Raw(streams[i]->data.data(), streams[i]->data.size());
    pad();
  }
  for (size_t i = 0; i < streams.size(); ++i) {
    if (place[i].sectors == 0 || !place[i].mini) continue;
    w.Raw(streams[i]->data.data(), streams[i]->data.size());
    while ((w.Size() % kMiniSectorSize) != 0) w.U8(0);
  }
  pad();
  for (uint32_t v : miniFat) w.U32(v);
  WriteDirectoryEntry(&w, L"Root Entry", 5, kNoStream, kNoStream, streams.empty() ? kNoStream : 1,
                      miniStreamSectors ? miniStreamStart : kEndOfChain, static_cast<uint32_t>(miniStreamBytes));
  for (size_t i = 0; i < streams.size(); ++i)
    WriteDirectoryEntry(&w, streams[i]->name.substr(0, 31), 2, kNoStream,
                        i + 1 < streams.size() ? static_cast<uint32_t>(i + 2) : kNoStream, kNoStream, place[i].start,
                        static_cast<uint32_t>(streams[i]->data.size()));
  while ((w.Size() % kSectorSize) != 0) WriteDirectoryEntry(&w, L"", 0, kNoStream, kNoStream, kNoStream, 0, 0);
  for (uint32_t v : fat) w.U32(v);
  for (size_t d = 0; d < difatSectors; ++d) {
    for (size_t k = 0; k < kSectorSize / 4 - 1; ++k) {
      size_t index = kHeaderDifatEntries + d * (kSectorSize / 4 - 1) + k;
      w.U32(index < fatSectors ? static_cast<uint32_t>(fatStart + index) : kFreeSector);
    }
    w.U32(d + 1 < difatSectors ? static_cast<uint32_t>(difatStart + d + 1) : kEndOfChain);
  }
  return out;
}

namespace {

class CompoundReader {
 public:
  explicit CompoundReader(const Bytes& file) : file_(file) {}

  bool Open() {
    if (file_.size() < 512 || !std::equal(kSignature, kSignature + 8, file_.begin())) return false;
    const uint8_t* h = file_.data();
    const unsigned shift = ReadU16(h + 30);
    if (shift != 9 && shift != 12) return false;
    if (ReadU16(h + 32) != 6) return false;
    sectorSize_ = size_t(1) << shift;
    if (file_.size() < sectorSize_) return false;
    sectorCount_ = CeilDiv(file_.size() - sectorSize_, sectorSize_);
    const uint32_t fatCount = ReadU32(h + 44);
    dirStart_ = ReadU32(h + 48);
    miniCutoff_ = ReadU32(h + 56);
    miniFatStart_ = ReadU32(h + 60);
    uint32_t difatNext = ReadU32(h + 68);
    const uint32_t difatCount = ReadU32(h + 72);
    if (fatCount > sectorCount_) return false;

    std::vector<uint32_t> fatSectors;
    for (size_t i = 0; i < kHeaderDifatEntries && fatSectors.size() < fatCount; ++i)
      fatSectors.push_back(ReadU32(h + 76 + 4 * i));
    for (uint32_t d = 0; d < difatCount && fatSectors.size() < fatCount; ++d) {
      const uint8_t* s = Sector(difatNext);
      if (!s) return false;
      const size_t perSector = sectorSize_ / 4 - 1;
      for (size_t k = 0; k < perSector && fatSectors.size() < fatCount; ++k) fatSectors.push_back(ReadU32(s + 4 * k));
      difatNext = ReadU32(s + 4 * perSector);
    }
    if (fatSectors.size() < fatCount) return false;
    fat_.reserve(fatCount * (sectorSize_ / 4));
    for (uint32_t sid : fatSectors) {
      const uint8_t* s = Sector(sid);
      if (!s) return false;
      for (size_t k = 0; k < sectorSize_ / 4; ++k) fat_.push_back(ReadU32(s + 4 * k));
    }
    return true;
  }

  // Copies the chain from `start` in sector table `table` into `out`, at most
  // `size` bytes; false when the chain loops, leaves the table or the file, or is
  // shorter than `size`.
  bool ReadChain(uint32_t start, size_t size, bool mini, Bytes* out) {
    const std::vector<uint32_t>& table = mini ? miniFat_ : fat_;
    const size_t unit = mini ? kMiniSectorSize : sectorSize_;
    const size_t limit = mini ? miniStream_.size() / kMiniSectorSize : sectorCount_;
    out->clear();
    if (size > (mini ? miniStream_.size() : file_.size())) return false;
    out->reserve(size);
    std::vector<bool> seen(std::min(table.size(), limit), false);
    uint32_t sid = start;
    while (out->size() < size) {
      if (sid >= seen.size() || seen[sid]) return false;
      seen[sid] = true;
      const uint8_t* p = mini ? miniStream_.data() + size_t(sid) * kMiniSectorSize : Sector(sid);
      if (!p) return false;
      const size_t n = std::min(unit, size - out->size());
      out->insert(out->end(), p, p + n);
      sid = table[sid];
    }
    return true;
  }

  bool Find(const std::wstring& name, Bytes* out) {
    // The directory's own size is its chain's length.
    Bytes dir;
    if (!ReadWholeChain(dirStart_, &dir)) return false;
    const size_t entries = dir.size() / 128;
    if (entries == 0 || dir[66] != 5) return false;  // entry 0 is the root
    const std::wstring wanted = Upper(name);
    for (size_t e = 1; e < entries; ++e) {
      const uint8_t* d = dir.data() + e * 128;
      if (d[66] != 2) continue;
      const unsigned nameBytes = ReadU16(d + 64);
      if (nameBytes < 2 || nameBytes > 64 || (nameBytes & 1)) continue;
      std::wstring entryName;
      for (unsigned k = 0; k + 2 < nameBytes; k += 2) entryName.push_back(static_cast<wchar_t>(ReadU16(d + k)));
      if (Upper(entryName) != wanted) continue;
      const uint32_t start = ReadU32(d + 116);
      const uint32_t sizeHigh = sectorSize_ == 512 ? 0 : ReadU32(d + 124);
      if (sizeHigh != 0) return false;
      const size_t size = ReadU32(d + 120);
      if (size < miniCutoff_) {
        const uint8_t* root = dir.data();
        if (!LoadMiniStream(ReadU32(root + 116), ReadU32(root + 120))) return false;
        return ReadChain(start, size, true, out);
      }
      return ReadChain(start, size, false, out);
    }
    return false;
  }

 private:
  const uint8_t* Sector(uint32_t sid) const {
    if (sid >= sectorCount_) return nullptr;
    const size_t at = (size_t(sid) + 1) * sectorSize_;
    if (at + sectorSize_ > file_.size()) {
      // A short last sector: readers take what is there, the rest reads as zeros.
      tail_.assign(sectorSize_, 0);
      std::copy(file_.begin() + at, file_.end(), tail_.begin());
      return tail_.data();
    }
    return file_.data() + at;
  }

  bool ReadWholeChain(uint32_t start, Bytes* out) {
    out->clear();
    std::vector<bool> seen(std::min(fat_.size(), sectorCount_), false);
    uint32_t sid = start;
    while (sid != kEndOfChain) {
      if (sid >= seen.size() || seen[sid]) return false;
      seen[sid] = true;
      const uint8_t* p = Sector(sid);
      if (!p) return false;
      out->insert(out->end(), p, p + sectorSize_);
      sid = fat_[sid];
    }
    return true;
  }

  bool LoadMiniStream(uint32_t start, uint32_t size) {
    if (miniLoaded_) return true;
    miniLoaded_ = true;
    Bytes fatBytes;
    if (!ReadWholeChain(miniFatStart_, &fatBytes)) return false;
    miniFat_.clear();
    for (size_t k = 0; k + 4 <= fatBytes.size(); k += 4) miniFat_.push_back(ReadU32(fatBytes.data() + k));
    return ReadChain(start, size, false, &miniStream_);
  }

  const Bytes& file_;
  size_t sectorSize_ = 512;
  size_t sectorCount_ = 0;
  uint32_t dirStart_ = kEndOfChain;
  uint32_t miniFatStart_ = kEndOfChain;
  size_t miniCutoff_ = kMiniCutoff;
  std::vector<uint32_t> fat_;
  std::vector<uint32_t> miniFat_;
  Bytes miniStream_;
  bool miniLoaded_ = false;
  mutable Bytes tail_;
};

}  // namespace

bool ReadCompoundStream(const Bytes& file, const std::wstring& name, Bytes* out) {
  CompoundReader reader(file);
  return reader.Open() && reader.Find(name, out);
}
