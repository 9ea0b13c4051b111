// Reading .xlsx packages: package relationships to the workbook, the workbook's
// first sheet and its relationships to the sheet part and the shared strings.
#include "xlsx_reader.h"

#include <unzip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "cell_name.h"
#include "number_text.h"
#include "ooxml_text.h"
#include "text_encoding.h"
#include "xml_reader.h"
#include "zip_memory_io.h"

namespace {

// No part of a sheet the program can use comes near this; a larger entry is a
// damaged or hostile archive.
constexpr uLong kMaxEntrySize = 256u * 1024 * 1024;

class Package {
 public:
  explicit Package(const Bytes& file) : data_(file), file_{&data_} {
    zlib_filefunc_def io = MemoryZipFunctions();
    zip_ = unzOpen2(reinterpret_cast<const char*>(&file_), &io);
  }
  ~Package() {
    if (zip_) unzClose(zip_);
  }
  Package(const Package&) = delete;
  Package& operator=(const Package&) = delete;
  bool ok() const { return zip_ != nullptr; }

  // The entry's bytes; false when it is missing, too large or does not unpack.
  bool Read(const std::string& name, std::string* out) {
    out->clear();
    if (unzLocateFile(zip_, name.c_str(), 2) != UNZ_OK) return false;
    unz_file_info info;
    if (unzGetCurrentFileInfo(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
    if (info.uncompressed_size > kMaxEntrySize) return false;
    if (unzOpenCurrentFile(zip_) != UNZ_OK) return false;
    out->resize(info.uncompressed_size);
    size_t got = 0;
    bool ok = true;
    while (got < out->size()) {
      const int n =
          unzReadCurrentFile(zip_, &(*out)[got], static_cast<unsigned>(std::min<size_t>(out->size() - got, 1 << 20)));
      if (n <= 0) {
        ok = false;
        break;
      }
      got += n;
    }
    // The data must end where the header says, and its checksum must match.
    char extra;
    if (ok && unzReadCurrentFile(zip_, &extra, 1) != 0) ok = false;
    if (unzCloseCurrentFile(zip_) != UNZ_OK) ok = false;
    return ok;
  }

 private:
  Bytes data_;  // unzip reads through a pointer to its own copy's holder
  MemoryZipFile file_;
  unzFile zip_ = nullptr;
};

// Resolves a relationship target against the folder of its source part.
std::string ResolveTarget(const std::string& sourceFolder, const std::string& target) {
  std::string path = !target.empty() && target[0] == '/' ? target.substr(1) : sourceFolder + target;
  std::vector<std::string> parts;
  size_t at = 0;
  while (at <= path.size()) {
    size_t slash = path.find('/', at);
    if (slash == std::string::npos) slash = path.size();
    const std::string part = path.substr(at, slash - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = slash + 1;
  }
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : "/") + p;
  return out;
}

std::string FolderOf(const std::string& part) {
  const size_t slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

std::string RelationshipsOf(const std::string& part) {
  const size_t slash = part.rfind('/');
  const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
  return FolderOf(part) + "_rels/" + name + ".rels";
}

struct Relationship {
  std::string type;
  std::string target;
};

bool EndsWith(const std::string& s, const char* suffix) {
  const size_t n = std::strlen(suffix);
  return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

std::map<std::string, Relationship> ReadRelationships(Package* package, const std::string& part) {
  std::map<std::string, Relationship> rels;
  std::string xml;
  if (!package->Read(RelationshipsOf(part), &xml)) return rels;
  XmlReader in(xml.data(), xml.size());
  for (XmlReader::Event e; (e = in.Next()) != XmlReader::kDone && e != XmlReader::kError;) {
    if (e != XmlReader::kStart || in.Name() != "Relationship") continue;
    const std::string* id = in.Attribute("Id");
    const std::string* type = in.Attribute("Type");
    const std::string* target = in.Attribute("Target");
    const std::string* mode = in.Attribute("TargetMode");
    if (!id || !target || (mode && *mode == "External")) continue;
    rels[*id] = Relationship{type ? *type : std::string(), ResolveTarget(FolderOf(part), *target)};
  }
  return rels;
}

// Collects the texts of <t> elements, leaving out phonetic runs (<rPh>), whose
// text is a reading aid and not part of the value.
class RunText {
 public:
  void Start(const std::string& name) {
    if (name == "rPh") ++phonetic_;
    if (name == "t") inText_ = true;
  }
  void End(const std::string& name) {
    if (name == "rPh" && phonetic_ > 0) --phonetic_;
    if (name == "t") inText_ = false;
  }
  void Text(const std::string& text) {
    if (inText_ && phonetic_ == 0) value_ += text;
  }
  std::string Take() {
    std::string v;
    v.swap(value_);
    inText_ = false;
    phonetic_ = 0;
    return v;
  }

 private:
  std::string value_;
  bool inText_ = false;
  int phonetic_ = 0;
};

bool ReadSharedStrings(Package* package, const std::string& part, std::vector<std::wstring>* strings) {
  std::string xml;
  if (!package->Read(part, &xml)) return false;
  XmlReader in(xml.data(), xml.size());
  RunText run;
  bool inItem = false;
  for (;;) {
    const XmlReader::Event e = in.Next();
    if (e == XmlReader::kDone) return true;
    if (e == XmlReader::kError) return false;
    if (e == XmlReader::kStart) {
      if (in.Name() == "si") {
        inItem = true;
        run.Take();
      } else if (inItem) {
        run.Start(in.Name());
      }
    } else if (e == XmlReader::kEnd) {
      if (in.Name() == "si" && inItem) {
        inItem = false;
        strings->push_back(OoxmlCellText(run.Take()));
      } else if (inItem) {
        run.End(in.Name());
      }
    } else if (inItem) {
      run.Text(in.Text());
    }
  }
}

bool ReadCellRange(const std::string& ref, CellRange* range) {
  const size_t colon = ref.find(':');
  if (colon == std::string::npos) return false;
  return ParseCellReference(ref.substr(0, colon), Sheet::kMaxRows, Sheet::kMaxColumns, &range->firstRow,
                            &range->firstColumn) &&
         ParseCellReference(ref.substr(colon + 1), Sheet::kMaxRows, Sheet::kMaxColumns, &range->lastRow,
                            &range->lastColumn);
}

bool ReadWorksheet(Package* package, const std::string& part, const std::vector<std::wstring>& strings, Sheet* sheet) {
  std::string xml;
  if (!package->Read(part, &xml)) return false;
  XmlReader in(xml.data(), xml.size());
  int row = -1, column = -1;
  bool inCell = false, inValue = false, inInline = false, placed = false;
  std::string type, value;
  RunText inlineText;
  for (;;) {
    const XmlReader::Event e = in.Next();
    if (e == XmlReader::kDone) return true;
    if (e == XmlReader::kError) return false;
    const std::string& name = in.Name();
    if (e == XmlReader::kStart) {
      if (name == "row") {
        const std::string* r = in.Attribute("r");
        long n = r ? std::strtol(r->c_str(), nullptr, 10) : row + 2;
        row = n >= 1 && n <= Sheet::kMaxRows ? static_cast<int>(n - 1) : Sheet::kMaxRows;
        column = -1;
      } else if (name == "c") {
        inCell = true;
        value.clear();
        inlineText.Take();
        const std::string* t = in.Attribute("t");
        type = t ? *t : std::string();
        const std::string* r = in.Attribute("r");
        int cellRow = row, cellColumn = column + 1;
        placed = r ? ParseCellReference(*r, Sheet::kMaxRows, Sheet::kMaxColumns, &cellRow, &cellColumn)
                   : row >= 0 && row < Sheet::kMaxRows;
        if (!r && placed) cellRow = row;
        // A cell without a position follows the one before it.
        column = cellColumn;
        if (placed) row = cellRow;
      } else if (inCell && name == "v") {
        inValue = true;
      } else if (inCell && name == "is") {
        inInline = true;
      } else if (inInline) {
        inlineText.Start(name);
      } else if (name == "mergeCell") {
        const std::string* ref = in.Attribute("ref");
        CellRange range;
        if (ref && ReadCellRange(*ref, &range)) sheet->Merge(range);
      }
    } else if (e == XmlReader::kEnd) {
      if (name == "v") {
        inValue = false;
      } else if (name == "is") {
        inInline = false;
      } else if (inInline) {
        inlineText.End(name);
      } else if (name == "c" && inCell) {
        inCell = false;
        if (!placed) continue;
        std::wstring text;
        if (type == "s") {
          double index;
          if (ParseStoredNumber(value, &index) && index >= 0 && index < static_cast<double>(strings.size()))
            text = strings[static_cast<size_t>(index)];
        } else if (type == "inlineStr") {
          text = OoxmlCellText(inlineText.Take());
        } else if (type == "str" || type == "e" || type == "d") {
          text = OoxmlCellText(value);
        } else if (type == "b") {
          if (!value.empty()) text = value == "1" || value == "true" ? L"TRUE" : L"FALSE";
        } else {
          double v;
          if (ParseStoredNumber(value, &v))
            text = NumberText(v);
          else
            text = OoxmlCellText(value);
        }
        sheet->SetText(row, column, std::move(text));
      }
    } else if (inValue) {
      value += in.Text();
    } else if (inInline) {
      inlineText.Text(in.Text());
    }
  }
}

}  // namespace

bool ReadXlsxFile(const Bytes& file, Sheet* sheet) {
  Package package(file);
  if (!package.ok()) return false;
  std::string workbookPart = "xl/workbook.xml";
  for (const auto& rel : ReadRelationships(&package, ""))
    if (EndsWith(rel.second.type, "/officeDocument")) workbookPart = rel.second.target;

  std::string xml;
  if (!package.Read(workbookPart, &xml)) return false;
  std::string firstSheetId;
  {
    XmlReader in(xml.data(), xml.size());
    for (XmlReader::Event e; (e = in.Next()) != XmlReader::kDone;) {
      if (e == XmlReader::kError) return false;
      if (e == XmlReader::kStart && in.Name() == "sheet") {
        const std::string* id = in.Attribute("id");
        if (id) firstSheetId = *id;
        break;
      }
    }
  }
  const std::map<std::string, Relationship> rels = ReadRelationships(&package, workbookPart);
  std::vector<std::wstring> strings;
  for (const auto& rel : rels) {
    if (EndsWith(rel.second.type, "/sharedStrings") && !ReadSharedStrings(&package, rel.second.target, &strings))
      return false;
  }
  Sheet result;
  if (!firstSheetId.empty()) {
    auto it = rels.find(firstSheetId);
    if (it == rels.end() || !ReadWorksheet(&package, it->second.target, strings, &result)) return false;
  }
  *sheet = std::move(result);
  return true;
}
