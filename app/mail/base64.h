// Base64 of a byte run with the standard alphabet and "=" padding, as mail
// attachments and the SMTP login carry binary and account texts.
#pragma once

#include <cstddef>
#include <string>

namespace shell {

std::string Base64Encode(const void* data, std::size_t size);
std::string Base64Encode(const std::string& bytes);

}  // namespace shell
