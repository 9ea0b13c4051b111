// Report dispatch: no report builders yet, so every key runs nothing.
#include "reports/report_dispatch.h"

int RunReportByKey(const ConnectionSettings& /*connection*/, const char* /*key*/, intptr_t /*context*/,
                   std::vector<DataField>* /*params*/, DataRowCallback /*onRow*/) noexcept {
  return 0;
}
