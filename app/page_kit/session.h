// Session: who is logged in, as the pages see it. The account name in UTF-16 and
// whether it is the owner's, whose pages, prices and row actions the other
// accounts do not get.
#pragma once

#include <string>

namespace pagekit {

struct Session {
  std::wstring account;
  bool owner = false;
};

}  // namespace pagekit
