// Base64Encode: three bytes become four characters; a last group of one or two
// bytes is padded with "=".
#include "base64.h"

namespace shell {

std::string Base64Encode(const void* data, std::size_t size) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  const unsigned char* in = static_cast<const unsigned char*>(data);
  std::string out;
  out.reserve((size + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= size; i += 3) {
    const unsigned long group = (static_cast<unsigned long>(in[i]) << 16) | (in[i + 1] << 8) | in[i + 2];
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += kAlphabet[(group >> 6) & 63];
    out += kAlphabet[group & 63];
  }
  const std::size_t rest = size - i;
  if (rest > 0) {
    const unsigned long group = (static_cast<unsigned long>(in[i]) << 16) | (rest == 2 ? in[i + 1] << 8 : 0);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

std::string Base64Encode(const std::string& bytes) { return Base64Encode(bytes.data(), bytes.size()); }

}  // namespace shell
