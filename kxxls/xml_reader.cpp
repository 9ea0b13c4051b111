// The XML pull reader.
#include "xml_reader.h"

#include <algorithm>
#include <cstring>

#include "text_encoding.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsNameEnd(char c) { return IsSpace(c) || c == '>' || c == '/' || c == '='; }

std::string LocalName(const char* begin, const char* end) {
  const char* colon = static_cast<const char*>(std::memchr(begin, ':', end - begin));
  return colon ? std::string(colon + 1, end) : std::string(begin, end);
}

}  // namespace

void AppendXmlDecoded(const char* p, const char* end, std::string* out) {
  while (p < end) {
    const char* amp = static_cast<const char*>(std::memchr(p, '&', end - p));
    if (!amp) {
      out->append(p, end);
      return;
    }
    out->append(p, amp);
    const char* semi = static_cast<const char*>(std::memchr(amp, ';', std::min<ptrdiff_t>(end - amp, 12)));
    if (!semi) {
      out->push_back('&');
      p = amp + 1;
      continue;
    }
    const std::string entity(amp + 1, semi);
    if (entity == "lt") {
      out->push_back('<');
    } else if (entity == "gt") {
      out->push_back('>');
    } else if (entity == "amp") {
      out->push_back('&');
    } else if (entity == "quot") {
      out->push_back('"');
    } else if (entity == "apos") {
      out->push_back('\'');
    } else if (entity.size() >= 2 && entity[0] == '#') {
      const bool hex = entity[1] == 'x' || entity[1] == 'X';
      unsigned long cp = 0;
      bool ok = entity.size() > (hex ? 2u : 1u);
      for (size_t i = hex ? 2 : 1; ok && i < entity.size(); ++i) {
        const char c = entity[i];
        int d = c >= '0' && c <= '9'          ? c - '0'
                : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                              : -1;
        if (d < 0 || cp > 0x10FFFF) ok = false;
        cp = cp * (hex ? 16 : 10) + (d < 0 ? 0 : d);
      }
      if (!ok) {
        out->append(amp, semi + 1);
      } else {
        AppendUtf8(cp == 0 ? 0xFFFD : cp, out);  // XML has no NUL character
      }
    } else {
      out->append(amp, semi + 1);
    }
    p = semi + 1;
  }
}

bool XmlReader::Skip(const char* terminator) {
  const size_t n = std::strlen(terminator);
  for (const char* q = p_; q + n <= end_; ++q) {
    if (std::memcmp(q, terminator, n) == 0) {
      p_ = q + n;
      return true;
    }
  }
  return false;
}

const std::string* XmlReader::Attribute(const char* localName) const {
  for (const auto& a : attributes_)
    if (a.first == localName) return &a.second;
  return nullptr;
}

bool XmlReader::ReadStartTag() {
  // p_ is just after '<'.
  const char* nameBegin = p_;
  while (p_ < end_ && !IsNameEnd(*p_)) ++p_;
  if (p_ == nameBegin || p_ >= end_) return false;
  name_ = LocalName(nameBegin, p_);
  attributes_.clear();
  for (;;) {
    while (p_ < end_ && IsSpace(*p_)) ++p_;
    if (p_ >= end_) return false;
    if (*p_ == '>') {
      ++p_;
      return true;
    }
    if (*p_ == '/') {
      if (p_ + 1 >= end_ || p_[1] != '>') return false;
      p_ += 2;
      pendingEnd_ = true;
      return true;
    }
    const char* attrBegin = p_;
    while (p_ < end_ && !IsNameEnd(*p_)) ++p_;
    if (p_ == attrBegin) return false;
    const char* attrEnd = p_;
    while (p_ < end_ && IsSpace(*p_)) ++p_;
    if (p_ >= end_ || *p_ != '=') return false;
    ++p_;
    while (p_ < end_ && IsSpace(*p_)) ++p_;
    if (p_ >= end_ || (*p_ != '"' && *p_ != '\'')) return false;
    const char quote = *p_++;
    const char* valueBegin = p_;
    const char* valueEnd = static_cast<const char*>(std::memchr(p_, quote, end_ - p_));
    if (!valueEnd) return false;
    std::string value;
    AppendXmlDecoded(valueBegin, valueEnd, &value);
    attributes_.emplace_back(LocalName(attrBegin, attrEnd), std::move(value));
    p_ = valueEnd + 1;
  }
}

XmlReader::Event XmlReader::Next() {
  if (failed_) return kError;
  if (pendingEnd_) {
    pendingEnd_ = false;
    attributes_.clear();
    return kEnd;
  }
  for (;;) {
    if (p_ >= end_) return kDone;
    if (*p_ != '<') {
      const char* lt = static_cast<const char*>(std::memchr(p_, '<', end_ - p_));
      const char* stop = lt ? lt : end_;
      text_.clear();
      AppendXmlDecoded(p_, stop, &text_);
      p_ = stop;
      return kText;
    }
    const size_t left = end_ - p_;
    if (left >= 9 && std::memcmp(p_, "<![CDATA[", 9) == 0) {
      const char* begin = p_ + 9;
      p_ = begin;
      if (!Skip("]]>")) break;
      text_.assign(begin, p_ - 3);
      return kText;
    }
    if (left >= 4 && std::memcmp(p_, "<!--", 4) == 0) {
      p_ += 4;
      if (!Skip("-->")) break;
      continue;
    }
    if (left >= 2 && p_[1] == '?') {
      p_ += 2;
      if (!Skip("?>")) break;
      continue;
    }
    if (left >= 2 && p_[1] == '!') {
      // A document type declaration: skipped whole, internal subset included.
      const char* gt = static_cast<const char*>(std::memchr(p_, '>', left));
      const char* bracket = static_cast<const char*>(std::memchr(p_, '[', left));
      if (bracket && (!gt || bracket < gt)) {
        p_ = bracket;
        if (!Skip("]>")) break;
      } else {
        if (!gt) break;
        p_ = gt + 1;
      }
      continue;
    }
    if (left >= 2 && p_[1] == '/') {
      const char* begin = p_ + 2;
      const char* gt = static_cast<const char*>(std::memchr(begin, '>', end_ - begin));
      if (!gt) break;
      const char* nameEnd = begin;
      while (nameEnd < gt && !IsSpace(*nameEnd)) ++nameEnd;
      name_ = LocalName(begin, nameEnd);
      attributes_.clear();
      p_ = gt + 1;
      return kEnd;
    }
    ++p_;
    if (!ReadStartTag()) break;
    return kStart;
  }
  failed_ = true;
  return kError;
}
