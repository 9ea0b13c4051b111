// List titles by list name, and file names made of them.
#include "list_titles.h"

#include <cwchar>

namespace output {
namespace {

enum class Source { kFixed, kBySide, kControl, kControlAndSuffix };

struct TitleRow {
  const wchar_t* list;
  Source source;
  const wchar_t* first;   // the fixed or sales title, or the control read
  const wchar_t* second;  // the purchase title, or the text after the control's
};

const TitleRow kTitles[] = {
    {L"listhpkc", Source::kFixed, L"商品", nullptr},
    {L"listfkd", Source::kFixed, L"付款单", nullptr},
    {L"listkhyqk", Source::kBySide, L"客户与欠款", L"供应商与欠款"},
    {L"listxsd", Source::kBySide, L"销售单列表", L"进货单列表"},
    {L"listkcyjbg", Source::kFixed, L"库存预警", nullptr},
    {L"listkctjbg", Source::kFixed, L"库存统计表", nullptr},
    {L"listxsydd", Source::kControl, L"xsydd_caption", nullptr},
    {L"listysqkbg", Source::kControl, L"ysqkbg_caption", nullptr},
    {L"listysdzd", Source::kControlAndSuffix, L"ysdzd_edit_custom", L" 客户对账单"},
    {L"listyfdzd", Source::kControlAndSuffix, L"yfdzd_edit_custom", L" 供应商对账单"},
    {L"listdkhpfj", Source::kFixed, L"销售批发价", nullptr},
    {L"listgyshtj", Source::kFixed, L"供应商合同价", nullptr},
    {L"listzjls", Source::kFixed, L"资金", nullptr},
    {L"listzjtjbg", Source::kControl, L"zjtjbg_caption", nullptr},
    {L"listxstjbg", Source::kControl, L"xstjbg_caption", nullptr},
    {L"listjhtjbg", Source::kControl, L"jhtjbg_caption", nullptr},
    {L"listlrtjbg", Source::kControl, L"lrtjbg_caption", nullptr},
};

std::wstring RawTitle(pagekit::PageFields& fields, pagekit::PageSide side, const std::wstring& list) {
  if (list == L"listysqkmx") {
    if (!fields.Exists(L"ysqkmx_caption")) return std::wstring();
    return fields.Text(L"ysqkmx_edit_custom") + fields.Text(L"ysqkmx_caption");
  }
  for (const TitleRow& row : kTitles) {
    if (list != row.list) continue;
    switch (row.source) {
      case Source::kFixed:
        return row.first;
      case Source::kBySide:
        return side == pagekit::PageSide::kPurchase ? row.second : row.first;
      case Source::kControl:
        return fields.Exists(row.first) ? fields.Text(row.first) : std::wstring();
      case Source::kControlAndSuffix:
        return fields.Exists(row.first) ? fields.Text(row.first) + row.second : std::wstring();
    }
  }
  return std::wstring();
}

}  // namespace

std::wstring GetListTitle(pagekit::PageFields& fields, pagekit::PageSide side, const std::wstring& list) {
  return SafeTitle(RawTitle(fields, side, list));
}

std::wstring SafeTitle(const std::wstring& text) {
  std::wstring safe = text;
  for (size_t at = safe.find(L">>"); at != std::wstring::npos; at = safe.find(L">>", at + 1)) safe.replace(at, 2, L"_");
  for (wchar_t& c : safe)
    if (c == L'"') c = L'_';
  return safe;
}

std::wstring FileNameOf(const std::wstring& base, const std::wstring& extension) {
  std::wstring name = base;
  for (wchar_t& c : name) {
    if (c < 32 || std::wcschr(L"\\/:*?\"<>|", c) != nullptr) c = L'_';
  }
  const size_t limit = 260 > extension.size() ? 260 - extension.size() : 0;
  if (name.size() > limit) name.resize(limit);
  return name + extension;
}

}  // namespace output
