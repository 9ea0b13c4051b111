// Reading inputs from and writing cells into the report vector.
#include "reports/report_request.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

const std::string& ReportRequest::name(size_t entry) const {
  return entry < params_.size() ? params_[entry].name : kEmpty;
}

const std::string& ReportRequest::value(size_t entry) const {
  return entry < params_.size() ? params_[entry].value : kEmpty;
}

bool ReportRequest::hidden(size_t entry) const {
  return entry < params_.size() && static_cast<unsigned char>(params_[entry].hidden) != 0;
}

void ReportRequest::set(size_t entry, const std::string& text) {
  if (entry < params_.size()) params_[entry].value = text;
}

void ReportRequest::clear(size_t first, size_t last) {
  const size_t end = std::min(last + 1, params_.size());
  for (size_t i = first; i < end; ++i) params_[i].value.clear();
}

TotalRowMark::TotalRowMark(ReportRequest& request, size_t first, size_t last)
    : params_(request.params()), first_(first) {
  const size_t end = std::min(last + 1, params_.size());
  for (size_t i = first; i < end; ++i) {
    saved_.push_back(params_[i].extra);
    params_[i].extra = 1;
  }
}

TotalRowMark::~TotalRowMark() {
  // A callback may have shortened the vector meanwhile.
  for (size_t i = 0; i < saved_.size() && first_ + i < params_.size(); ++i) params_[first_ + i].extra = saved_[i];
}
