// Writing .xlsx packages: content types, the package and workbook relationships,
// the workbook with one sheet, styles (general and "0.00"), the shared strings and
// the sheet, each a deflated entry of the zip archive.
#include "xlsx_writer.h"

#include <zip.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "cell_name.h"
#include "number_text.h"
#include "ooxml_text.h"
#include "text_encoding.h"
#include "zip_memory_io.h"

namespace {

const char kContentTypes[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
    "<Override PartName=\"/xl/workbook.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
    "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
    "<Override PartName=\"/xl/sharedStrings.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
    "<Override PartName=\"/xl/styles.xml\" "
    "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
    "</Types>";

const char kPackageRels[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
    "Target=\"xl/workbook.xml\"/>"
    "</Relationships>";

const char kWorkbook[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets>"
    "</workbook>";

const char kWorkbookRels[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
    "Target=\"worksheets/sheet1.xml\"/>"
    "<Relationship Id=\"rId2\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" "
    "Target=\"sharedStrings.xml\"/>"
    "<Relationship Id=\"rId3\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
    "Target=\"styles.xml\"/>"
    "</Relationships>";

// Style 0 is the plain cell, style 1 the built-in "0.00" number format.
const char kStyles[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"\xE5\xAE\x8B\xE4\xBD\x93\"/><charset val=\"134\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"2\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>";

bool AddEntry(zipFile zip, const char* name, const std::string& content) {
  zip_fileinfo info = {};
  info.tmz_date.tm_year = 2024;
  info.tmz_date.tm_mon = 0;
  info.tmz_date.tm_mday = 1;
  if (zipOpenNewFileInZip(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6) != ZIP_OK) return false;
  const bool ok = zipWriteInFileInZip(zip, content.data(), static_cast<unsigned>(content.size())) == ZIP_OK;
  return zipCloseFileInZip(zip) == ZIP_OK && ok;
}

}  // namespace

bool WriteXlsxFile(const Sheet& sheet, Bytes* out) {
  std::unordered_map<std::wstring, size_t> index;
  std::vector<const std::wstring*> strings;
  size_t uses = 0;

  std::string xml;
  xml.reserve(sheet.CellCount() * 40 + 1024);
  xml +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
  xml += "<dimension ref=\"";
  xml +=
      sheet.CellCount() == 0 ? std::string("A1") : "A1:" + CellReference(sheet.RowCount() - 1, sheet.ColumnCount() - 1);
  xml += "\"/><sheetData>";
  const std::vector<SheetRow>& rows = sheet.Rows();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (rows[r].empty()) continue;
    xml += "<row r=\"" + std::to_string(r + 1) + "\">";
    for (const Cell& cell : rows[r]) {
      xml += "<c r=\"";
      AppendCellReference(static_cast<int>(r), cell.column, &xml);
      xml += '"';
      double v;
      bool two;
      if (IsPlainNumber(cell.text, &v, &two)) {
        if (two) xml += " s=\"1\"";
        // The text itself is the shortest form of the number already.
        xml += "><v>";
        for (wchar_t c : cell.text) xml.push_back(static_cast<char>(c));
        xml += "</v></c>";
      } else {
        auto inserted = index.emplace(cell.text, strings.size());
        if (inserted.second) strings.push_back(&inserted.first->first);
        ++uses;
        xml += " t=\"s\"><v>";
        xml += std::to_string(inserted.first->second);
        xml += "</v></c>";
      }
    }
    xml += "</row>";
  }
  xml += "</sheetData>";
  if (!sheet.Merges().empty()) {
    xml += "<mergeCells count=\"" + std::to_string(sheet.Merges().size()) + "\">";
    for (const CellRange& m : sheet.Merges())
      xml += "<mergeCell ref=\"" + CellReference(m.firstRow, m.firstColumn) + ":" +
             CellReference(m.lastRow, m.lastColumn) + "\"/>";
    xml += "</mergeCells>";
  }
  xml += "</worksheet>";

  std::string sst;
  sst.reserve(strings.size() * 32 + 256);
  sst +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"" +
      std::to_string(uses) + "\" uniqueCount=\"" + std::to_string(strings.size()) + "\">";
  for (const std::wstring* s : strings) sst += "<si><t xml:space=\"preserve\">" + OoxmlXmlText(*s) + "</t></si>";
  sst += "</sst>";

  Bytes archive;
  MemoryZipFile file{&archive};
  zlib_filefunc_def io = MemoryZipFunctions();
  zipFile zip = zipOpen2(reinterpret_cast<const char*>(&file), APPEND_STATUS_CREATE, nullptr, &io);
  if (!zip) return false;
  bool ok = AddEntry(zip, "[Content_Types].xml", kContentTypes) && AddEntry(zip, "_rels/.rels", kPackageRels) &&
            AddEntry(zip, "xl/workbook.xml", kWorkbook) && AddEntry(zip, "xl/_rels/workbook.xml.rels", kWorkbookRels) &&
            AddEntry(zip, "xl/styles.xml", kStyles) && AddEntry(zip, "xl/sharedStrings.xml", sst) &&
            AddEntry(zip, "xl/worksheets/sheet1.xml", xml);
  ok = zipClose(zip, nullptr) == ZIP_OK && ok;
  if (!ok) return false;
  *out = std::move(archive);
  return true;
}
