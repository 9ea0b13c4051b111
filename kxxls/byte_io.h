// Little-endian bytes: a growing writer and a bounds-checked reader over the
// record structures of the binary formats.
#ifndef KXXLS_BYTE_IO_H
#define KXXLS_BYTE_IO_H

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

class ByteWriter {
 public:
  explicit ByteWriter(Bytes* out) : out_(out) {}
  void U8(unsigned v) { out_->push_back(static_cast<uint8_t>(v)); }
  void U16(unsigned v) {
    U8(v & 0xFF);
    U8((v >> 8) & 0xFF);
  }
  void U32(uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  void F64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    U32(static_cast<uint32_t>(bits));
    U32(static_cast<uint32_t>(bits >> 32));
  }
  void Raw(const void* data, size_t size) {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    out_->insert(out_->end(), p, p + size);
  }
  void Zeros(size_t n) { out_->insert(out_->end(), n, 0); }
  size_t Size() const { return out_->size(); }
  // Overwrites a 16- or 32-bit field written earlier.
  void PatchU16(size_t at, unsigned v) {
    (*out_)[at] = static_cast<uint8_t>(v);
    (*out_)[at + 1] = static_cast<uint8_t>(v >> 8);
  }
  void PatchU32(size_t at, uint32_t v) {
    PatchU16(at, v & 0xFFFF);
    PatchU16(at + 2, v >> 16);
  }

 private:
  Bytes* out_;
};

// Reads from a fixed span; every read past the end fails and leaves the reader
// failed, so a parser can read a whole structure and check once.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  size_t pos() const { return pos_; }
  size_t remaining() const { return ok_ ? size_ - pos_ : 0; }
  bool Has(size_t n) const { return ok_ && size_ - pos_ >= n; }
  uint8_t U8() { return Has(1) ? data_[pos_++] : Fail(); }
  uint16_t U16() {
    if (!Has(2)) return Fail();
    uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U32() {
    uint32_t lo = U16();
    uint32_t hi = U16();
    return lo | (hi << 16);
  }
  double F64() {
    uint64_t lo = U32();
    uint64_t hi = U32();
    uint64_t bits = lo | (hi << 32);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
  }
  void Skip(size_t n) {
    if (Has(n))
      pos_ += n;
    else
      Fail();
  }
  const uint8_t* Take(size_t n) {
    if (!Has(n)) {
      Fail();
      return nullptr;
    }
    const uint8_t* p = data_ + pos_;
    pos_ += n;
    return p;
  }

 private:
  uint8_t Fail() {
    ok_ = false;
    return 0;
  }
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

inline uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

#endif  // KXXLS_BYTE_IO_H
