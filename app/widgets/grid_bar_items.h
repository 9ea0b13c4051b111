// The fixed rows of the module pages: the tiles of "基础资料", "进销存" and
// "资金", the four report lists of "报表中心", the entries of "网店管理", the
// home tiles by role, the report tiles of the home and tile pages, and the
// images of the built-in side-bar shortcuts. Data only; the main window builds
// its pages from them.
#pragma once

#include <cstddef>
#include <vector>

#include "core/ui_string.h"

namespace shell {

// A tile of the home or module pages, a report entry or a side-bar shortcut: its
// name (which is also the page it opens), its image and a second image or tip.
struct GridBarItem {
  SkinUI::CUIString name;
  SkinUI::CUIString image;
  SkinUI::CUIString image2;
};

// The seven module lists, in the order in which adding a shortcut searches them.
enum ModuleList {
  kModuleBasicData,     // "基础资料": "jczl_grid"
  kModuleTrading,       // "进销存": "jxc_grid"
  kModuleFunds,         // "资金 ": "zj_grid"
  kModuleReportSales,   // "报表中心": "listjybg_xs"
  kModuleReportBuying,  // "报表中心": "listjybg_jh"
  kModuleReportStock,   // "报表中心": "listjybg_kc"
  kModuleReportFunds,   // "报表中心": "listjybg_zj"
  kModuleListCount
};

// Where a module list is shown: the page (and tab) name, its panel and the
// container that holds its tiles or entries.
struct ModulePlace {
  const wchar_t* page;
  const wchar_t* panel;
  const wchar_t* container;
};
const ModulePlace& PlaceOf(ModuleList list);

// The fixed rows of a module list, tip empty.
std::vector<GridBarItem> FixedModuleRows(ModuleList list);

// The six entries of "网店管理": each with its image and its highlighted image.
std::vector<GridBarItem> ShopEntries();

// The home tiles in order: the owner sees eight, everyone else four.
std::vector<GridBarItem> HomeTiles(bool owner);

// The six report tiles of "listbaobiao0" ... on the home and tile pages.
std::vector<GridBarItem> ReportTiles();

// The image of a report entry under "AppLogo/Icon_首页_报表中心_".
SkinUI::CUIString ReportImage(const SkinUI::CUIString& report);

// The side-bar image of a built-in shortcut ("商品" ...), or null for any other.
const wchar_t* BuiltInShortcutImage(const SkinUI::CUIString& name);

// The shortcuts that a user other than the owner may see in the side bar.
bool ClerkMaySeeShortcut(const SkinUI::CUIString& name);

// Pages that the owner account alone opens, compared as the page router compares
// (letter case ignored): the supplier side and what shows purchase prices, the
// cash book, and every report.
bool OwnerOnlyPage(const SkinUI::CUIString& page);

}  // namespace shell
