// A small pull reader for the XML parts of .xlsx packages: start and end tags with
// their attributes (names without namespace prefixes), and character data with the
// predefined and numeric entities decoded. Declarations, comments and processing
// instructions are skipped; no entity is ever defined or expanded from a document
// type, so a file cannot make the reader fetch or grow anything.
#ifndef KXXLS_XML_READER_H
#define KXXLS_XML_READER_H

#include <string>
#include <utility>
#include <vector>

class XmlReader {
 public:
  enum Event { kStart, kEnd, kText, kDone, kError };

  XmlReader(const char* data, size_t size) : p_(data), end_(data + size) {}

  Event Next();
  // The local name of the tag of the last kStart or kEnd.
  const std::string& Name() const { return name_; }
  // The decoded value of an attribute of the last kStart by its local name.
  const std::string* Attribute(const char* localName) const;
  // The decoded character data of the last kText (UTF-8).
  const std::string& Text() const { return text_; }

 private:
  bool ReadStartTag();
  bool Skip(const char* terminator);

  const char* p_;
  const char* end_;
  std::string name_;
  std::string text_;
  std::vector<std::pair<std::string, std::string>> attributes_;
  bool pendingEnd_ = false;
  bool failed_ = false;
};

// Appends character data with the five predefined and the numeric entities
// decoded; an unknown or broken entity stays as written.
void AppendXmlDecoded(const char* begin, const char* end, std::string* out);

#endif  // KXXLS_XML_READER_H
