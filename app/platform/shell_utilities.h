// Four small utilities of the program: splitting a text at delimiter characters,
// a 32-bit count of seconds as a calendar date, whether a file exists, and making
// every folder along a path.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace shell {

// Appends the parts of `text` between any of the `delimiters` characters, in order;
// empty parts between two delimiters count, a trailing delimiter adds none.
void SplitString(const std::string& text, const std::string& delimiters, std::vector<std::string>* parts);

// The UTC date and time of a signed 32-bit count of seconds since 1 January 1970.
bool TimeToSystemTime(long seconds, SYSTEMTIME* date);

// True when a file or folder of that name exists.
bool FileExists(const char* path);

// Creates every missing folder along the path up to its last separator ("\" or "/");
// text after it is a file name and is not created. False when a name along the way
// is a file or a folder cannot be made.
bool CreateDirectoryPath(const char* path);

}  // namespace shell
