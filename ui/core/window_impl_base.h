// WindowImplBase: the ready-made skinned top-level window every dialog and the main
// window derive from. It loads its layout from the skin (a file, an archive file, a
// resource or an archive resource), removes the native frame, does its own hit-testing
// for resizing and dragging, rounds its corners and closes on Escape.
#pragma once

#include <windows.h>

#include "dialog_builder.h"
#include "notify_pump.h"
#include "paint_manager.h"
#include "ui_export.h"
#include "ui_string.h"
#include "window_wnd.h"

namespace SkinUI {

enum SKIN_RESOURCETYPE
{
    SKIN_FROM_FILE = 1,         // a layout file in the resource folder
    SKIN_FROM_ZIPFILE = 2,      // an archive file in the resource folder
    SKIN_FROM_RESOURCE = 3,     // a layout resource of type "xml" with a numeric id
    SKIN_FROM_ZIPRESOURCE = 4,  // an archive resource of type "ZIPRES"
};

class UILIB_API WindowImplBase : public CWindowWnd,
                                 public CNotifyPump,
                                 public INotifyUI,
                                 public IMessageFilterUI,
                                 public IDialogBuilderCallback
{
public:
    WindowImplBase();
    ~WindowImplBase() override;

    virtual void InitWindow();
    virtual void OnClick(TNotifyUI& msg);
    virtual CUIString GetSkinFolder() = 0;
    virtual CUIString GetSkinFile() = 0;
    virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);
    virtual CPaintManagerUI* GetPaintManager();
    virtual SKIN_RESOURCETYPE GetResourceType() const;
    virtual CUIString GetZIPFileName() const;
    virtual const wchar_t* GetResourceID() const;

    virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LONG GetStyle();

    UINT GetClassStyle() const override;
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

    void Notify(TNotifyUI& msg) override;
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    CControlUI* CreateControl(const wchar_t* pstrClass) override;

    UI_DECLARE_MESSAGE_MAP()

protected:
    CPaintManagerUI m_PaintManager;
    // The one copy of the skin archive taken from the program's resources; shared by
    // every window that loads its skin from there and freed when the program ends.
    static LPBYTE m_lpResourceZIPBuffer;
};

}  // namespace SkinUI
