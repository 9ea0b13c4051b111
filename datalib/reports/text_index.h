// A map from texts the caller keeps (string views) to small numbers, for the
// report passes that look a bill number or a product name up once per bill
// line. Open addressing in one array: a look-up touches one or two slots that
// lie together, where a node-based map follows a pointer per entry and divides
// by its bucket count; over 300,000 lines that difference is most of a pass.
#ifndef DATAVANE_TEXT_INDEX_H
#define DATAVANE_TEXT_INDEX_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TextIndex {
 public:
  // The number kept for `text`, null when it has none. Valid until the next insert.
  uint32_t* find(std::string_view text) {
    if (slots_.empty()) return nullptr;
    const uint32_t hash = Hash(text);
    for (size_t i = hash & mask();; i = (i + 1) & mask()) {
      Slot& slot = slots_[i];
      if (slot.text == nullptr) return nullptr;
      if (slot.hash == hash && slot.holds(text)) return &slot.value;
    }
  }
  const uint32_t* find(std::string_view text) const { return const_cast<TextIndex*>(this)->find(text); }

  // Keeps `value` for `text` unless the text has one already; answers the
  // number kept for it and whether it was new. `text` must outlive the index.
  std::pair<uint32_t*, bool> insert(std::string_view text, uint32_t value) {
    // At most half full, so that runs of taken slots stay short.
    if ((count_ + 1) * 2 > slots_.size()) grow();
    const uint32_t hash = Hash(text);
    for (size_t i = hash & mask();; i = (i + 1) & mask()) {
      Slot& slot = slots_[i];
      if (slot.text == nullptr) {
        // An empty text is kept with a pointer of its own, since null marks a free slot.
        slot = Slot{text.empty() ? "" : text.data(), static_cast<uint32_t>(text.size()), hash, value};
        ++count_;
        return {&slot.value, true};
      }
      if (slot.hash == hash && slot.holds(text)) return {&slot.value, false};
    }
  }

  size_t size() const { return count_; }

 private:
  // 24 bytes in the 64-bit build, 16 in the 32-bit one: a period's bill numbers
  // fill a table of a few megabytes, and each look-up touches one slot.
  struct Slot {
    const char* text = nullptr;  // null while the slot is free
    uint32_t size = 0;
    uint32_t hash = 0;
    uint32_t value = 0;
    bool holds(std::string_view other) const {
      return other.size() == size && (size == 0 || std::memcmp(other.data(), text, size) == 0);
    }
  };
  static uint32_t Hash(std::string_view text) { return static_cast<uint32_t>(std::hash<std::string_view>()(text)); }
  size_t mask() const { return slots_.size() - 1; }
  void grow() {
    std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old) {
      if (slot.text == nullptr) continue;
      size_t i = slot.hash & mask();
      while (slots_[i].text != nullptr) i = (i + 1) & mask();
      slots_[i] = slot;
    }
  }

  std::vector<Slot> slots_;  // a power of two in size
  size_t count_ = 0;
};

// Texts numbered 0, 1, 2... in the order they were first met, each kept once
// (a copy of its own), with the index that finds a text's number.
class TextIds {
 public:
  const uint32_t* find(std::string_view text) const { return index_.find(text); }
  // The text's number, and whether the text was new.
  std::pair<uint32_t, bool> add(std::string_view text) {
    if (const uint32_t* known = index_.find(text)) return {*known, false};
    texts_.emplace_back(text);
    const uint32_t id = static_cast<uint32_t>(texts_.size() - 1);
    index_.insert(texts_.back(), id);
    return {id, true};
  }
  const std::string& text(uint32_t id) const { return texts_[id]; }
  size_t size() const { return texts_.size(); }

 private:
  std::deque<std::string> texts_;  // a deque keeps each text where it is: the index views them
  TextIndex index_;
};

#endif
