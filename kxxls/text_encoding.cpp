// UTF-8, UTF-16 and GBK conversions.
#include "text_encoding.h"

#include <windows.h>

#include <vector>

void AppendUtf8(unsigned long cp, std::string* out) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

namespace {

void AppendUtf16(unsigned cp, std::wstring* out) {
  if (cp < 0x10000) {
    out->push_back(static_cast<wchar_t>(cp));
  } else {
    cp -= 0x10000;
    out->push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
    out->push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
  }
}

}  // namespace

std::wstring Utf8ToWide(const char* text, size_t length) {
  std::wstring out;
  out.reserve(length);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  size_t i = 0;
  while (i < length) {
    unsigned c = s[i];
    if (c < 0x80) {
      out.push_back(static_cast<wchar_t>(c));
      ++i;
      continue;
    }
    int extra = c >= 0xF0 && c <= 0xF4 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : -1;
    if (c > 0xF4) extra = -1;
    unsigned cp = extra == 1 ? c & 0x1F : extra == 2 ? c & 0x0F : c & 0x07;
    bool ok = extra > 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= length || (s[i + k] & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (ok) {
      const unsigned minimum[] = {0, 0x80, 0x800, 0x10000};
      if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) ok = false;
    }
    if (!ok) {
      out.push_back(static_cast<wchar_t>(0xFFFD));
      ++i;
      continue;
    }
    AppendUtf16(cp, &out);
    i += extra + 1;
  }
  return out;
}

std::string WideToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned c = static_cast<unsigned>(text[i]) & 0xFFFF;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      AppendUtf8(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00), &out);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      AppendUtf8(0xFFFD, &out);
    } else {
      AppendUtf8(c, &out);
    }
  }
  return out;
}

void AppendGbk(const std::wstring& text, std::string* out) {
  // Surrogates first become '?' here: the system conversion would spend one
  // default character on each half of a pair.
  std::wstring bmp;
  bmp.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c >= 0xD800 && c <= 0xDFFF) {
      bmp.push_back(L'?');
      // one '?' per supplementary character
      if (c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    } else {
      bmp.push_back(c);
    }
  }
  if (bmp.empty()) return;
  const int n = static_cast<int>(bmp.size());
  int size = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, bmp.data(), n, nullptr, 0, "?", nullptr);
  if (size <= 0) return;
  const size_t at = out->size();
  out->resize(at + size);
  WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, bmp.data(), n, &(*out)[at], size, "?", nullptr);
}
