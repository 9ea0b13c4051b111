// Cell text in the XML parts of .xlsx packages. XML cannot carry control
// characters, and parsers fold a carriage return into a line feed, so the format
// writes such characters as "_xHHHH_"; both directions of that rule live here.
#ifndef KXXLS_OOXML_TEXT_H
#define KXXLS_OOXML_TEXT_H

#include <string>

// Cell text as XML character data (UTF-8): markup characters as entities, what
// XML cannot carry as "_xHHHH_", and a literal text that looks like such an escape
// with its underscore escaped, so that it reads back as written.
std::string OoxmlXmlText(const std::wstring& text);

// Decoded character data (UTF-8) back to the cell's text, "_xHHHH_" undone.
std::wstring OoxmlCellText(const std::string& utf8);

#endif  // KXXLS_OOXML_TEXT_H
