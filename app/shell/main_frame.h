// MainFrame: the program's one main window, and only the frame. It builds itself
// from the skin inside its own window creation, runs the login before it is first
// shown, refuses a second copy of the program, and keeps the tab strip, the side
// bar, the tile pages, the menus, the plug-in host, the tray icon, the window
// buttons and the broadcast animation. Pages live in their own folders and see the
// frame as their PageHost; the frame offers them what its own rows leave
// (main_frame_pages.cpp).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "controls/bar_list.h"
#include "grid_bar_items.h"
#include "core/container_ui.h"
#include "kxp_data.h"
#include "controls/observer_impl.h"
#include "controls/option.h"
#include "page_host.h"
#include "page_registry.h"
#include "paint_manager_fields.h"
#include "picker_callbacks.h"
#include "picker_context.h"
#include "control_lookup.h"
#include "catalog_cache.h"
#include "plugin_api.h"
#include "row_actions.h"
#include "tray_clicks.h"
#include "tray_icon.h"
#include "core/ui_string.h"
#include "core/window_impl_base.h"
#include "controls/window_shadow.h"

namespace shell {

// Window timers of the main window.
constexpr UINT kTimerTrayClick = 101;
constexpr UINT kTimerBroadcast = 1001;
constexpr UINT kTimerSelectCell = 1002;
constexpr UINT kTimerTabHover = 1003;

// How the start-up inside the window's creation ended.
enum class StartupOutcome {
  kNotStarted,     // the skin could not be loaded: the window stays empty
  kRunning,        // logged in and ready to be shown
  kLoginRefused,   // the login window was left without a login
  kSecondInstance  // another copy runs; the user has been told
};

// Runs the login over the main window and answers 1 when a user logged in, whom
// it puts in `session`. Tests put their own in place of the login window.
using LoginRunner = UINT (*)(HWND mainWindow, pagekit::Session* session);
LoginRunner SetLoginRunner(LoginRunner runner);

class MainFrame;
// Makes the main window as the program does: hidden, its start-up (the login
// included) run inside its creation. The object frees itself when its window goes.
// Null when the window could not be made.
MainFrame* CreateMainWindow();

// Releases the single-instance mutex held by this process (tests share one Wine
// server, and so one mutex, between their cases).
void ReleaseSingleInstance();
// Takes the mutex again for this process, if it holds none.
void HoldSingleInstance();

class MainFrame : public DllApiInterface,
                  public SkinUI::WindowImplBase,
                  public CDlgProductTypeListCallBack,
                  public CDlgProductUnitListCallBack,
                  public CDlgProductListCallBack,
                  public CDlgDropListCallBack,
                  public pagekit::PageHost {
 public:
  MainFrame();
  ~MainFrame() override;

  // Window base.
  const wchar_t* GetWindowClassName() const override;
  void OnFinalMessage(HWND hWnd) override;
  void InitWindow() override;
  SkinUI::CUIString GetSkinFolder() override;
  SkinUI::CUIString GetSkinFile() override;
  SkinUI::SKIN_RESOURCETYPE GetResourceType() const override;
  const wchar_t* GetResourceID() const override;
  LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT ResponseDefaultKeyEvent(WPARAM wParam) override;
  void Notify(SkinUI::TNotifyUI& msg) override;
  SkinUI::CControlUI* CreateControl(const wchar_t* pstrClass) override;

  // Host operations for plug-ins.
  int SetControlAttribute(std::string name, std::string attribute, std::string value) override;
  std::string GetControlAttribute(std::string name, std::string attribute, std::string parentName) override;
  std::string GetParentName(std::string name) override;
  void AddMainGridItem(std::string name, std::string image, DllApiInstance* plugin) override;

  // Picker callbacks; their handlers come with the pages that open the pickers.
  void OnProductTypeSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override;
  void OnProductUnitSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override;
  void OnProductSelect(SkinUI::CUIString name, SkinUI::CControlUI* owner, void* extra) override;
  void OnProductRowSelect(std::vector<SkinUI::CUIString> names, SkinUI::CControlUI* owner, void* extra) override;
  void OnDropListSelect(SkinUI::CUIString text, SkinUI::CControlUI* owner) override;

  // What the pages see of the frame.
  void OpenPageTab(const std::wstring& tab, const std::wstring& panel, bool closable) override;
  void OpenPageByName(const std::wstring& page) override;
  pagekit::PageFields& Fields() override { return m_fields; }
  KXPDatavane* Data() override;
  pagekit::Session CurrentSession() const override;
  pagekit::PageSide Side() const override;
  void SetSide(pagekit::PageSide side) override;
  HWND OwnerWindow() const override { return m_hWnd; }
  bool OpenProductPicker(SkinUI::CControlUI* owner, void* extra, bool multiple, const RECT& screen) override;
  bool ClickControl(const std::wstring& name) override;
  // The pages of the page folders, asked after the frame's own rows.
  pagekit::PageRegistry& Pages() { return m_pages; }
  // Offers what the frame's own rows left to the pages; true when one took it.
  bool OfferToPages(pagekit::EventKind kind, SkinUI::CControlUI* sender, const SkinUI::CUIString& list = L"",
                    WPARAM wParam = 0, LPARAM lParam = 0, int row = -1);
  // A row's "修改", reserve button or double-click: the page of the list answers
  // it; a request no page answers yet says so under `caption`.
  void AnswerRowAction(const pagekit::RowAction& action, pagekit::EventKind kind, SkinUI::CControlUI* sender,
                       const wchar_t* caption);

  bool CheckSingleInstance();
  void ConfirmExit();
  UINT ConfirmBroadcast();
  void OnTimer(UINT_PTR id);
  void OnMenuCommand(const SkinUI::CUIString& item);
  // The close button and Alt+F4: hide to the tray, minimise or ask to exit.
  void OnCloseButton();
  // Shows the window again from the tray.
  void RestoreFromTray();

  // Tabs, panels and the page router. The open tabs are read and written on the
  // window's thread alone (its messages, timers and the plug-ins it calls), so they
  // take no lock.
  // Selects the page's tab, made first (closable or not) when the page has none.
  // False when there is no tab: a layout without the strip, or no memory for its
  // controls. The callers show their panel either way; the tab only names it.
  bool AddTab(const SkinUI::CUIString& page, bool closable);
  void CloseTab(const SkinUI::CUIString& page);
  void SelectPrevTab();
  void SelectNextTab();
  void CollectMidPanels();
  void ShowMidPanel(const SkinUI::CUIString& panel);
  void ShowReportBanner(bool visible);
  void ShowPage(const SkinUI::CUIString& page);
  // False for a page that only the owner opens, when the clerk is logged in and
  // has no shortcut to it.
  bool MayOpenPage(const SkinUI::CUIString& page);
  // The report page of that name.
  void OpenReportPage(const SkinUI::CUIString& page);
  // The open tabs' pages, in the strip's order.
  std::vector<SkinUI::CUIString> GetOpenTabs();

  // Menus and account commands.
  void ShowHelpMenu();
  void ChangeUser();
  // Sets the logged-in account's password, after its recovery question when it
  // has one.
  void ShowSetPasswordDialog();
  // Mails the user's feedback to the support mailbox.
  void SendFeedback();

  // List notifications and their handlers.
  void OnSelectChanged(SkinUI::TNotifyUI& msg);
  void OnItemActivate(SkinUI::TNotifyUI& msg);
  void OnItemClick(SkinUI::TNotifyUI& msg);
  // A column header: the page of the list first, else the list is sorted by it.
  void OnHeaderClick(SkinUI::TNotifyUI& msg);
  void OnCellSetFocus(SkinUI::TNotifyUI& msg);
  void OnCellKillFocus(SkinUI::TNotifyUI& msg);
  // False when the list has no menu of the frame's.
  bool ShowListContextMenu(const SkinUI::CUIString& listName);
  void OnBarListItemClick(SkinUI::CControlUI* row, const SkinUI::CUIString& listName);
  // Highlights that row of the shop page's side list and shows its sub-page.
  void SelectShopEntry(SkinUI::CControlUI* row);
  void NegateBillQuantities();
  void NegateOrderQuantities();
  // Recalculates a bill or order line after one of its cells changed.
  void OnEditTextChanged(SkinUI::CControlUI* cell);
  // A list row double-clicked or activated by Enter.
  void OnListItemActivate(SkinUI::CControlUI* row, SkinUI::CControlUI* list);

  StartupOutcome GetStartupOutcome() const { return m_startup; }
  TrayIcon& GetTrayIcon() { return m_tray; }
  // The broadcast animation's step: -1 (no wave) to 2 (three waves).
  int GetBroadcastStep() const { return m_broadcastStep; }
  // The categories and unit names the pickers and dialogs show, read at start-up.
  pagekit::CatalogCache& Catalog() override { return m_catalog; }
  // What a picker opened by the main window reads: the data object and the catalog.
  PickerContext Pickers();

  // Tile pages and the side bar. The start-up steps: the home tiles by role, the
  // stored shortcuts, the plug-in pages (each told "init") and the report tiles.
  void BuildHomeTiles();
  void LoadSideBar();
  void BuildPluginPages();
  void FillReportTiles();
  void AddListBarItem(SkinUI::CBarListUI* list, const GridBarItem& item);
  void AddEasyListBarItem(SkinUI::CBarListUI* list, const GridBarItem& item);
  void AddSideBarItem(const SkinUI::CUIString& name, const SkinUI::CUIString& image, const SkinUI::CUIString& tip,
                      bool store);
  // All: every shortcut; otherwise the selected one. The stored rows go with them.
  void DeleteSideBarItems(bool all);
  // The "+" of a tile or report entry: its shortcut joins the side bar and is stored.
  void AddModuleShortcut(const SkinUI::CUIString& name);
  void ScrollSideBar();
  // The page of a tile, a shortcut or a tab, through the page router.
  void OpenPage(const SkinUI::CUIString& name);
  // The module pages' openers: each opens or selects its tab, shows its panel and
  // rebuilds its tiles or entries. The home tab cannot be closed.
  void OpenHomePage();
  void OpenTilePage(ModuleList list);
  void OpenReportCentre();
  void OpenShopPage();
  // The plug-in whose tile carries that page name: its tab and panel. False when
  // no plug-in has such a tile.
  bool OpenPluginPage(const SkinUI::CUIString& pageName);
  // A module list, filled with its fixed rows on first use and kept after.
  const std::vector<GridBarItem>& ModuleRows(ModuleList list);

  BYTE m_bPurchaseSide = 0;
  // Who logged in, as the login answered; empty until then.
  pagekit::Session m_session;
  // The stored bill the bill page edits; a bill page opened afresh has none.
  SkinUI::CUIString m_editedBillNumber;
  std::string m_strStockDateCondition;
  std::string m_strFundDateCondition;

 private:
  void OnClick(SkinUI::TNotifyUI& msg) override;
  void OnClickMore(SkinUI::TNotifyUI& msg);
  void SelectNeighbourTab(int step);
  // Shows the run of whole tabs that fits the strip and holds the selected one.
  void ScrollTabsToSelected();
  void NegateQuantities(const wchar_t* listName, const wchar_t* boxName, std::initializer_list<const wchar_t*> cells);
  bool OfferToPlugins(SkinUI::TNotifyUI& msg);
  void OfferPickerResult(pagekit::PickerResult result);
  // False when the layout lacks the setting, which ends the start-up early.
  bool ApplyCloseSetting();
  void ShowMaxRestoreButtons(bool maximised);
  void OnTabHoverTimer();
  void OnSelectCellTimer();

  SkinUI::CWndShadow m_shadow;
  SkinUI::CControlUI* m_focusedCell = nullptr;
  SkinUI::CControlUI* m_castWaves[3] = {nullptr, nullptr, nullptr};
  std::vector<SkinUI::CControlUI*> m_panels;
  pagekit::CatalogCache m_catalog;
  std::map<int, SkinUI::CUIString> m_openTabs;
  TrayIcon m_tray;
  HICON m_trayIcon = nullptr;
  TrayClicks m_trayClicks{m_tray,
                          {kTimerTrayClick, L"menu_app_tray.xml", [this] { RestoreFromTray(); },
                           [this] {
                             ::BringWindowToTop(m_hWnd);
                             ::SetForegroundWindow(m_hWnd);
                           }}};
  SkinUI::ObserverImpl<int, SkinUI::SkinChangedParam> m_skinObserver;
  std::vector<DataField> m_editRecord;
  float m_billOutstanding = 0.0f;

  StartupOutcome m_startup = StartupOutcome::kNotStarted;
  int m_broadcastStep = -1;
  bool m_broadcastTicking = false;
  // The close button of the tab under the cursor, by name: closing the tab frees
  // the button.
  SkinUI::CUIString m_hoveredTabClose;

  std::vector<GridBarItem> m_moduleLists[kModuleListCount];

  pagekit::PaintManagerFields m_fields{m_PaintManager};
  pagekit::PageRegistry m_pages = pagekit::PageRegistry::FromRegisteredFactories();
};

// The page a side-bar or report entry's "listItemBtn" opens: the name of the
// entry it belongs to, empty when it belongs to none.
SkinUI::CUIString ListItemPageName(SkinUI::CControlUI* button);

// A side list of sub-pages (the shop page's): the row takes its entry's highlighted
// picture from the row selected before, which gets its plain picture back.
void HighlightSideListEntry(SkinUI::CPaintManagerUI& pm, SkinUI::CBarListUI* list, SkinUI::CControlUI* row,
                            const std::vector<GridBarItem>& entries);

}  // namespace shell
