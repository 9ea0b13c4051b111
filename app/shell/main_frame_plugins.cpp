// MainFrame and the plug-ins: their pages (a DllWndUI from "<name>.xml" in the
// panel "mid_<name>", then "init" with the host interface), the four host
// operations, and the layout tags of the main window's own builder.
#include "main_frame.h"

#include <cwchar>
#include <string>

#include "core/container_ui.h"
#include "dialog_builder_callback_ex.h"
#include "dll_wnd.h"
#include "grid_wnd.h"
#include "library_binding.h"
#include "text_conversion.h"
#include "controls/vertical_layout.h"

namespace shell {

SkinUI::CControlUI* MainFrame::CreateControl(const wchar_t* pstrClass) {
  if (pstrClass != nullptr && std::wcsncmp(pstrClass, L"DllWnd_", 7) == 0) {
    const std::wstring layout = std::wstring(pstrClass + 7) + L".xml";
    return new DllWndUI(layout.c_str(), &m_PaintManager);
  }
  return CDialogBuilderCallbackEx(&m_PaintManager).CreateControl(pstrClass);
}

void MainFrame::BuildPluginPages() {
  SkinUI::CControlUI* found = m_PaintManager.FindControl(L"mid_layout");
  auto* panels = found != nullptr ? static_cast<SkinUI::CContainerUI*>(found->GetInterface(L"Container")) : nullptr;
  if (panels == nullptr) return;
  for (size_t i = 0; i < g_plugins.size(); ++i) {
    DllApiInstance* plugin = g_plugins[i].object;
    if (plugin == nullptr) continue;
    const char* rawName = plugin->GetName();
    const std::wstring name = WideFromAnsi(rawName != nullptr ? rawName : "");
    auto* page = new SkinUI::CVerticalLayoutUI;
    page->SetName((L"mid_" + name).c_str());
    page->Add(new DllWndUI((name + L".xml").c_str(), &m_PaintManager));
    if (!panels->Add(page)) {
      delete page;
      continue;
    }
    page->SetVisible(false);
    m_panels.push_back(page);
    plugin->Notify("init", "", static_cast<DllApiInterface*>(this));
  }
}

int MainFrame::SetControlAttribute(std::string name, std::string attribute, std::string value) {
  SkinUI::CControlUI* control = m_PaintManager.FindControl(WideFromAnsi(name).c_str());
  if (control == nullptr) return -1;
  control->SetAttribute(WideFromAnsi(attribute).c_str(), WideFromAnsi(value).c_str());
  return 0;
}

std::string MainFrame::GetControlAttribute(std::string name, std::string attribute, std::string parentName) {
  const std::wstring wideName = WideFromAnsi(name);
  SkinUI::CControlUI* control = nullptr;
  SkinUI::CControlUI* parent =
      parentName.empty() ? nullptr : m_PaintManager.FindControl(WideFromAnsi(parentName).c_str());
  if (parent != nullptr) {
    control = m_PaintManager.FindSubControlByName(parent, wideName.c_str());
  } else {
    control = m_PaintManager.FindControl(wideName.c_str());
  }
  if (control == nullptr) return std::string();
  if (std::wcscmp(control->GetClass(), L"CheckBoxUI") == 0 && attribute == "state") {
    auto* box = static_cast<SkinUI::COptionUI*>(control->GetInterface(L"Option"));
    return box != nullptr && box->IsSelected() ? "1" : "0";
  }
  return AnsiFromWide(control->GetText().GetData());
}

std::string MainFrame::GetParentName(std::string name) {
  SkinUI::CControlUI* control = m_PaintManager.FindControl(WideFromAnsi(name).c_str());
  if (control == nullptr || control->GetParent() == nullptr) return std::string();
  return AnsiFromWide(control->GetParent()->GetName().GetData());
}

void MainFrame::AddMainGridItem(std::string name, std::string image, DllApiInstance* plugin) {
  if (SkinUI::CControlUI* grid = m_PaintManager.FindControl(L"main_grid"))
    AddGridBar(grid, WideFromAnsi(name).c_str(), WideFromAnsi(image).c_str());
  for (PluginEntry& entry : g_plugins) {
    if (entry.object == plugin) entry.tileName = name;
  }
}

}  // namespace shell
