// The shared course of a spreadsheet export.
#include "export_run.h"

namespace output {
namespace {

void TellFailure(const ExportTools& tools, ExportResult result, int limit) {
  if (result == ExportResult::kTooManyRows) {
    tools.dialogs.Tell(tools.owner, L"导出的行数超过了 .xls 文件所能容纳的 " + std::to_wstring(limit) +
                                        L" 行，文件未保存。请另存为 .xlsx 文件。");
  } else if (result == ExportResult::kWriteFailed || result == ExportResult::kOpenFailed) {
    tools.dialogs.Tell(tools.owner, L"文件未能保存，原来的文件保持不变。请检查文件是否被其他程序打开。");
  }
}

}  // namespace

ExportResult RunExport(const ExportTools& tools, const std::wstring& defaultName, int rows,
                       const std::function<void(SheetState&)>& write) {
  const std::wstring path = tools.dialogs.ChooseSaveFile(tools.owner, defaultName);
  if (path.empty()) return ExportResult::kCancelled;
  const int limit = SheetRowLimit(path);
  if (rows > limit) {
    TellFailure(tools, ExportResult::kTooManyRows, limit);
    return ExportResult::kTooManyRows;
  }
  ExportBook book(tools.xls, path);
  if (!book.Open()) {
    TellFailure(tools, ExportResult::kOpenFailed, limit);
    return ExportResult::kOpenFailed;
  }
  SheetState state;
  state.xls = &tools.xls;
  state.book = book.Book();
  state.rowLimit = limit;
  write(state);
  const ExportResult result = book.Finish(state.overflow);
  TellFailure(tools, result, limit);
  return result;
}

}  // namespace output
