// The "删除" cell of a master data list's row: after the user confirms, the record
// behind the row is deleted by the list's name, its keys read from the row's cells.
// The row is to leave the list only when the delete ran and the library answered
// success; a cancelled question, a built-in party, a row without its key cells or a
// failed delete keep it, so that the list never shows less than the database holds.
#pragma once

#include <functional>
#include <string>

#include "kxp_data.h"
#include "page_fields.h"

namespace pagekit {

enum class RowDeleteOutcome {
  kDeleted,    // the record is gone: take the row out and renumber the lines
  kCancelled,  // the user said no
  kKept,       // nothing deleted: a key cell missing or empty, a refused or failed delete
  kNotHere,    // not a master data list: its page deletes its rows
};

// True for the lists whose rows DeleteSelectedRow deletes: "listhpkc", "listkhyqk",
// "listdkhpfj", "listgyshtj", "listszxm".
bool IsMasterDataList(const std::wstring& list);

// `confirm` asks "确定要执行删除操作 ?" and answers false when the user cancelled.
// `row` is the row's index in `list` on `fields`.
RowDeleteOutcome DeleteSelectedRow(PageFields& fields, KXPDatavane* data, const std::wstring& list, int row,
                                   const std::function<bool()>& confirm);

}  // namespace pagekit
