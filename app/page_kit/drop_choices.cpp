#include "drop_choices.h"

#include <cwchar>

#include "form_fill.h"
#include "quick_date.h"

namespace pagekit {
namespace {

bool Is(const std::wstring& owner, const wchar_t* name) { return _wcsicmp(owner.c_str(), name) == 0; }

void WriteIfPresent(PageFields& fields, const std::wstring& field, const std::wstring& text) {
  if (!field.empty() && fields.Exists(field)) fields.SetText(field, text);
}

void EmptyWhenAll(PageFields& fields, const wchar_t* field) {
  if (fields.Text(field) == L"全部") fields.SetText(field, L"");
}

}  // namespace

std::wstring FieldOfDropButton(const std::wstring& owner) {
  const size_t length = owner.size();
  if (length <= 5 || _wcsicmp(owner.c_str() + length - 5, L"_drop") != 0) return std::wstring();
  return owner.substr(0, length - 5);
}

void OnFundTypeChosen(PageFields& fields) {
  EmptyWhenAll(fields, L"zjtjbg_edit_type");
  fields.SetText(L"zjtjbg_edit_project", L"");
}

void OnStockStatusChosen(PageFields& fields) { EmptyWhenAll(fields, L"kcyjbg_edit_status"); }

DropChoice ApplyDropChoice(PageFields& fields, const std::wstring& owner, const std::wstring& text,
                           const SYSTEMTIME& now) {
  // The customer filter of the party page is the one edit not named after its button.
  if (Is(owner, L"khyqk_kehu_drop")) {
    WriteIfPresent(fields, L"khyqk_edit_kehu", text);
    return DropChoice::kWritten;
  }
  const std::wstring field = FieldOfDropButton(owner);
  if (field.empty()) return DropChoice::kIgnored;
  WriteIfPresent(fields, field, text);
  if (const QuickDateFields* quickDate = QuickDateOfChoice(field)) {
    ApplyQuickDate(fields, *quickDate, now);
  } else if (Is(owner, L"zjtjbg_edit_type_drop")) {
    OnFundTypeChosen(fields);
  } else if (Is(owner, L"kcyjbg_edit_status_drop")) {
    OnStockStatusChosen(fields);
  } else if (Is(owner, L"lrtjbg_edit_type_drop")) {
    fields.SetText(L"lrtjbg_edit_type_detail", L"");
    return DropChoice::kWrittenPageFollows;
  } else if (Is(owner, L"xsd_type_drop")) {
    EmptyWhenAll(fields, L"xsd_type");
    return DropChoice::kWrittenPageFollows;
  }
  return DropChoice::kWritten;
}

DropChoice ApplyCategoryChoice(PageFields& fields, const std::wstring& owner, const std::wstring& text) {
  if (Is(owner, L"hpkc_tpye_drop")) {
    WriteIfPresent(fields, L"hpkc_edit_type", text);
    return DropChoice::kWritten;
  }
  const std::wstring field = FieldOfDropButton(owner);
  if (field.empty()) return DropChoice::kIgnored;
  WriteIfPresent(fields, field, text);
  return DropChoice::kWritten;
}

DropChoice ApplyProductChoice(PageFields& fields, KXPDatavane* data, const std::wstring& owner,
                              const std::wstring& product) {
  if (Is(owner, L"hpkc_find_drop")) {
    WriteIfPresent(fields, L"hpkc_edit_find", product);
    return DropChoice::kWritten;
  }
  const std::wstring field = FieldOfDropButton(owner);
  if (field.empty()) return DropChoice::kIgnored;
  WriteIfPresent(fields, field, product);
  if (data != nullptr && Is(owner, L"dkhpfj_new_product_drop")) FillTradePriceProduct(fields, *data, product);
  if (data != nullptr && Is(owner, L"gyshtj_new_product_drop")) FillContractPriceProduct(fields, *data, product);
  return DropChoice::kWritten;
}

}  // namespace pagekit
