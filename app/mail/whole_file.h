// A file read whole in binary mode, for what is sent as it lies on disk (mail
// attachments).
#pragma once

#include <cstddef>
#include <vector>

namespace shell {

// Reads the file at an ANSI path into `content`; answers its length, 0 when it
// cannot be opened or read (the content is then empty).
std::size_t ReadWholeFile(const char* path, std::vector<char>* content);

}  // namespace shell
