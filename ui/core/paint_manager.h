// CPaintManagerUI: the per-window engine of the framework, and the records it
// hands to controls (events, notifications, fonts, images) with the listener
// interfaces the application implements.
//
// The class is a facade: its state lives in parts it owns, each with its own
// header, and its public methods forward to them.
//   PaintSurface   (paint_surface.h)   the window's DC, the off-screen buffer and
//                                      the captured background
//   ResourceCache  (resource_cache.h)  fonts, images, default attribute lists and
//                                      default tags of this manager
//   TimerTable     (timer_table.h)     control timers on native window timers
//   FocusNavigator (focus_navigator.h) Tab order, shortcuts, the pending focus move
//   NotifyQueue    (notify_queue.h)    queued notifications and those being delivered
// What joins the parts (the control tree, the message engine, the parent-resource
// chain) is implemented in several files, one side each:
//   paint_manager_tree.cpp       construction, destruction, the control tree
//                                (attach, name map, searches, delayed cleanup)
//   paint_manager_resources.cpp  fonts, images, default attributes along the
//                                parent-resource chain, colours, window settings,
//                                statics, plug-ins
//   paint_manager_layout.cpp     the layout pass and painting the root into a DC
//   paint_manager_services.cpp   focus, capture, listener lists, option groups
//   paint_manager_timers.cpp     control timers into UIEV_TIMER
//   paint_manager_notify.cpp     notifications, at once or queued
//   paint_manager_events.cpp     window messages into control events, hover,
//                                tooltips
//   paint_manager_focus.cpp      focus before layout, Tab order, shortcuts
//   paint_manager_message_loop.cpp  the message loop and pre-translation
//   paint_manager_paint.cpp      the WM_PAINT cycle, WM_PRINTCLIENT
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <map>
#include <string>

#include "focus_navigator.h"
#include "notify_queue.h"
#include "paint_surface.h"
#include "resource_cache.h"
#include "timer_table.h"

#include "ui_export.h"
#include "ui_string.h"
#include "ui_arrays.h"
#include "ui_string_map.h"

namespace SkinUI {

class CControlUI;
class CPaintManagerUI;

// Input event codes (TEventUI::type). Codes strictly between UIEV_MOUSE_FIRST
// and UIEV_MOUSE_LAST are the mouse events.
enum UIEVENT
{
    UIEV_KEY_DOWN = 3,
    UIEV_KEY_UP = 4,
    UIEV_CHAR = 5,
    UIEV_SYS_KEY = 6,
    UIEV_MOUSE_FIRST = 8,
    UIEV_MOUSE_MOVE = 9,
    UIEV_MOUSE_LEAVE = 10,
    UIEV_MOUSE_ENTER = 11,
    UIEV_MOUSE_HOVER = 12,
    UIEV_BUTTON_DOWN = 13,
    UIEV_BUTTON_UP = 14,
    UIEV_RBUTTON_DOWN = 15,
    UIEV_RBUTTON_UP = 16,
    UIEV_DOUBLE_CLICK = 17,
    UIEV_CONTEXT_MENU = 18,
    UIEV_SCROLL_WHEEL = 19,
    UIEV_MOUSE_LAST = 20,
    UIEV_KILL_FOCUS = 21,
    UIEV_SET_FOCUS = 22,
    UIEV_WINDOW_SIZE = 23,
    UIEV_SET_CURSOR = 24,
    UIEV_TIMER = 25,
};

// Control-search flags for FindControl.
const UINT FINDFLAG_VISIBLE = 0x00000001;
const UINT FINDFLAG_ENABLED = 0x00000002;
const UINT FINDFLAG_HITTEST = 0x00000004;
const UINT FINDFLAG_TOP_FIRST = 0x00000008;
const UINT FINDFLAG_SELF_FIRST = 0x80000000;

// Control flags (GetControlFlags).
const UINT CTRLFLAG_TABSTOP = 0x00000001;
const UINT CTRLFLAG_SETCURSOR = 0x00000002;

// The message on which controls waiting for delayed cleanup are deleted.
const UINT WM_UI_DELAYED_CLEANUP = WM_APP + 1;

struct TEventUI
{
    int type;
    CControlUI* sender;
    DWORD timestamp;
    POINT point;
    wchar_t key;
    WORD keyState;
    WPARAM wParam;
    LPARAM lParam;
};

struct UILIB_API TNotifyUI
{
    CUIString type;
    CUIString virtualWnd;
    CControlUI* sender;
    DWORD timestamp;
    POINT point;
    WPARAM wParam;
    LPARAM lParam;
};

struct UILIB_API TFontInfo
{
    HFONT hFont;
    CUIString sFontName;
    int iSize;
    bool bBold;
    bool bUnderline;
    bool bItalic;
    TEXTMETRICW tm;
};

struct UILIB_API TImageInfo
{
    HBITMAP hBitmap;
    int nX;
    int nY;
    int delay;           // milliseconds; frames of an animated GIF only
    bool alphaChannel;   // some pixel is translucent or was masked
    CUIString sResType;  // empty for files
    DWORD dwMask;
};

class UILIB_API INotifyUI
{
public:
    virtual void Notify(TNotifyUI& msg) = 0;
};

class UILIB_API IMessageFilterUI
{
public:
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;
};

class UILIB_API ITranslateAccelerator
{
public:
    virtual LRESULT TranslateAccelerator(MSG* pMsg) = 0;
};

// The entry point a framework plug-in exports as "CreateControl".
typedef CControlUI* (*LPCREATECONTROL)(const wchar_t* pstrType);

typedef CControlUI*(CALLBACK* FINDCONTROLPROC)(CControlUI*, LPVOID);

class UILIB_API CPaintManagerUI
{
public:
    CPaintManagerUI();
    ~CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

    // ---- set-up and tree -------------------------------------------------
    void Init(HWND hWnd);
    HWND GetPaintWindow() const;
    HDC GetPaintDC() const;
    HWND GetTooltipWindow() const;
    POINT GetMousePos() const;
    SIZE GetClientSize() const;

    bool AttachDialog(CControlUI* pControl);
    bool InitControls(CControlUI* pControl, CControlUI* pParent = NULL);
    void ReapObjects(CControlUI* pControl);
    // Forgets the control as focus, hover, pressed and key target and stops its
    // timers (a control that moves to another window); its name stays known.
    void ForgetInput(CControlUI* pControl);
    // Moves a control registered under its name to the new name; a control not
    // registered (not in the window yet) is left to InitControls.
    void RenameControl(CControlUI* pControl, const wchar_t* pstrNewName);
    void AddDelayedCleanup(CControlUI* pControl);
    CControlUI* GetRoot() const;

    void NeedUpdate();
    bool IsUpdateNeeded() const;
    void Invalidate();
    void Invalidate(RECT& rcItem);

    // ---- lookup ------------------------------------------------------------
    CControlUI* FindControl(POINT pt) const;
    CControlUI* FindControl(const wchar_t* pstrName) const;
    CControlUI* FindSubControlByPoint(CControlUI* pParent, POINT pt) const;
    CControlUI* FindSubControlByName(CControlUI* pParent, const wchar_t* pstrName) const;
    CControlUI* FindSubControlByClass(CControlUI* pParent, const wchar_t* pstrClass, int iIndex = 0);
    CStdPtrArray* FindSubControlsByClass(CControlUI* pParent, const wchar_t* pstrClass);
    CStdPtrArray* GetSubControlsByClass();

    // ---- focus, capture, keyboard -------------------------------------------
    CControlUI* GetFocus() const;
    void SetFocus(CControlUI* pControl);
    void SetFocusNeeded(CControlUI* pControl);
    bool SetNextTabControl(bool bForward = true);
    void SetCapture();
    void ReleaseCapture();
    bool IsCaptured();

    // ---- timers ------------------------------------------------------------
    bool SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse);
    bool KillTimer(CControlUI* pControl, UINT nTimerID);
    void KillTimer(CControlUI* pControl);
    void RemoveAllTimers();

    // ---- listeners and filters -------------------------------------------------
    bool AddNotifier(INotifyUI* pControl);
    bool RemoveNotifier(INotifyUI* pControl);
    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    bool AddMessageFilter(IMessageFilterUI* pFilter);
    bool RemoveMessageFilter(IMessageFilterUI* pFilter);
    bool AddTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator);
    bool RemoveTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator);
    bool AddPostPaint(CControlUI* pControl);
    bool RemovePostPaint(CControlUI* pControl);
    int GetPostPaintCount() const;
    bool SetPostPaintIndex(CControlUI* pControl, int iIndex);

    // ---- option groups -------------------------------------------------------
    bool AddOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl);
    CStdPtrArray* GetOptionGroup(const wchar_t* pStrGroupName);
    void RemoveOptionGroup(const wchar_t* pStrGroupName, CControlUI* pControl);
    void RemoveAllOptionGroups();

    // ---- notifications -----------------------------------------------------------
    void SendNotify(TNotifyUI& Msg, bool bAsync = false);
    void SendNotify(CControlUI* pControl, const wchar_t* pstrMessage, WPARAM wParam = 0, LPARAM lParam = 0,
                    bool bAsync = false);
    void UsedVirtualWnd(bool bUsed);

    // ---- messages ------------------------------------------------------------------
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    // Tab moves the focus, except in a control whose class contains "RichEditUI" and
    // that answers GetInterface(L"WantTab") with non-null: that control gets the key.
    bool PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool TranslateAccelerator(MSG* pMsg);
    static void MessageLoop();
    static bool TranslateMessage(const MSG* pMsg);
    // Native ids of control timers: this base plus 0 ... 254, clear of the small ids an
    // application gives its own timers on the same window.
    static const UINT_PTR kControlTimerIdBase;

    // ---- layout pass and painting into a given DC (paint_manager_layout.cpp) -------
    // Lays the tree out for a client rectangle: the controls marked for update,
    // or the whole root when the root itself is marked. Sends "windowinit" after
    // the first layout. Used by the paint cycle and by off-window painting.
    void LayoutPass(const RECT& rcClient);
    // Lays out (when needed) and paints the root and the post-paint controls into
    // hdc, clipped to rcPaint. Works with or without a window.
    void PaintTo(HDC hdc, const RECT& rcClient, const RECT& rcPaint);

    // ---- window settings --------------------------------------------------------------
    SIZE GetInitSize();
    void SetInitSize(int cx, int cy);
    RECT& GetSizeBox();
    void SetSizeBox(RECT& rcSizeBox);
    RECT& GetCaptionRect();
    void SetCaptionRect(RECT& rcCaption);
    SIZE GetRoundCorner() const;
    void SetRoundCorner(int cx, int cy);
    SIZE GetMinInfo() const;
    void SetMinInfo(int cx, int cy);
    SIZE GetMaxInfo() const;
    void SetMaxInfo(int cx, int cy);
    int GetTransparent() const;
    void SetTransparent(int nOpacity);
    void SetBackgroundTransparent(bool bTrans);
    bool IsShowUpdateRect() const;
    void SetShowUpdateRect(bool show);

    // ---- default colours (getters follow the parent-resource chain) -----------------
    DWORD GetDefaultDisabledColor() const;
    void SetDefaultDisabledColor(DWORD dwColor);
    DWORD GetDefaultFontColor() const;
    void SetDefaultFontColor(DWORD dwColor);
    DWORD GetDefaultLinkFontColor() const;
    void SetDefaultLinkFontColor(DWORD dwColor);
    DWORD GetDefaultLinkHoverFontColor() const;
    void SetDefaultLinkHoverFontColor(DWORD dwColor);
    DWORD GetDefaultSelectedBkColor() const;
    void SetDefaultSelectedBkColor(DWORD dwColor);

    // ---- parent resources -------------------------------------------------------------
    bool UseParentResource(CPaintManagerUI* pm);
    CPaintManagerUI* GetParentResource() const;

    // ---- fonts ----------------------------------------------------------------------------
    TFontInfo* GetDefaultFontInfo();
    void SetDefaultFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    DWORD GetCustomFontCount() const;
    HFONT AddFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    HFONT AddFontAt(int index, const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    HFONT GetFont(int index);
    HFONT GetFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    bool FindFont(HFONT hFont);
    bool FindFont(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    int GetFontIndex(HFONT hFont);
    int GetFontIndex(const wchar_t* pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    bool RemoveFont(HFONT hFont);
    bool RemoveFontAt(int index);
    void RemoveAllFonts();
    TFontInfo* GetFontInfo(int index);
    TFontInfo* GetFontInfo(HFONT hFont);

    // ---- images ---------------------------------------------------------------------------
    const TImageInfo* GetImage(const wchar_t* bitmap);
    const TImageInfo* GetImageEx(const wchar_t* bitmap, const wchar_t* type = NULL, DWORD mask = 0);
    const TImageInfo* AddImage(const wchar_t* bitmap, const wchar_t* type = NULL, DWORD mask = 0);
    const TImageInfo* AddImage(const wchar_t* bitmap, HBITMAP hBitmap, int iWidth, int iHeight, bool bAlpha);
    bool RemoveImage(const wchar_t* bitmap);
    void RemoveAllImages();
    void ReloadAllImages();

    // ---- default attribute lists and default tags -------------------------------------------
    void AddDefaultAttributeList(const wchar_t* pStrControlName, const wchar_t* pStrControlAttrList);
    const wchar_t* GetDefaultAttributeList(const wchar_t* pStrControlName) const;
    bool RemoveDefaultAttributeList(const wchar_t* pStrControlName);
    const CStdStringPtrMap& GetDefaultAttribultes() const;
    void RemoveAllDefaultAttributeList();
    UINT_PTR GetDefaultTag(const wchar_t* pstrName) const;
    void SetDefaultTag(const wchar_t* pstrName, UINT_PTR uTag);
    void RemoveDefaultTag(const wchar_t* pstrName);

    // ---- process-wide settings ---------------------------------------------------------------
    static HINSTANCE GetInstance();
    static void SetInstance(HINSTANCE hInst);
    static HINSTANCE GetResourceDll();
    static void SetResourceDll(HINSTANCE hInst);
    static CUIString GetInstancePath();
    static CUIString GetCurrentPath();
    static void SetCurrentPath(const wchar_t* pStrPath);
    static const CUIString& GetResourcePath();
    static void SetResourcePath(const wchar_t* pStrPath);
    static const CUIString& GetResourceZip();
    static void SetResourceZip(const wchar_t* pstrZip, bool bCachedResourceZip = false);
    static void SetResourceZip(void* pVoid, unsigned int len);
    static bool IsCachedResourceZip();
    static void* GetResourceZipHandle();
    static void GetHSL(short* H, short* S, short* L);
    static void SetHSL(bool bUseHSL, short H, short S, short L);
    static void ReloadSkin();
    static bool LoadPlugin(const wchar_t* pstrModuleName);
    static CStdPtrArray* GetPlugins();
    static void Term();
    // The face name every new manager's default font takes when not empty.
    static void SetDefaultFontName(const wchar_t* pStrFontName);

private:
    static CControlUI* CALLBACK __FindControlFromNameHash(CControlUI* pThis, LPVOID pData);
    static CControlUI* CALLBACK __FindControlFromCount(CControlUI* pThis, LPVOID pData);
    static CControlUI* CALLBACK __FindControlFromPoint(CControlUI* pThis, LPVOID pData);
    static CControlUI* CALLBACK __FindControlFromUpdate(CControlUI* pThis, LPVOID pData);
    static CControlUI* CALLBACK __FindControlFromName(CControlUI* pThis, LPVOID pData);
    static CControlUI* CALLBACK __FindControlFromClass(CControlUI* pThis, LPVOID pData);
    static CControlUI* CALLBACK __FindControlsFromClass(CControlUI* pThis, LPVOID pData);

    // Fonts are measured through the window's DC, when there is one, on first request.
    void FillTextMetrics(TFontInfo* pFontInfo);
    const CPaintManagerUI* ResourceRoot() const;
    void FreeDelayedCleanup();

    // Message engine (paint_manager_events, _focus, _notify, _timers and _paint.cpp).
    void DeliverNotify(TNotifyUI& Msg);
    void DeliverQueuedNotifications();
    void OnMouseMoveMessage(LPARAM lParam);
    bool OnMouseHoverMessage(LPARAM lParam);
    // Takes the hover control's tooltip off the screen, if one is shown.
    void HideToolTip();
    // A press on the control: its tip goes and stays away while the mouse rests on it.
    void AnswerToolTip(CControlUI* pPressed);
    void OnTimerMessage(WPARAM wParam);
    void OnPaintMessage();
    void OnPrintClientMessage(HDC hDC, LPARAM lParam);
    static UINT MapKeyState();
    static bool OfferToFilters(const CStdPtrArray& filters, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void SendKeyEvent(CControlUI* pControl, int type, WPARAM key);

public:
    // Exposed to the controls and the render engine of the framework; not for
    // application code.
    static CControlUI* CALLBACK FindControlFromNameProc(CControlUI* pThis, LPVOID pData)
    {
        return __FindControlFromName(pThis, pData);
    }
    // True for the manager's own walks over the tree (counting it, looking for
    // controls to lay out, filling the name map): they take the tree as it is, so a
    // control that makes its children only when needed does not make them for these.
    static bool IsUpkeepSearch(FINDCONTROLPROC Proc);

private:
    // ---- message side -------------------------------------------------------------------------
    HWND m_hWndPaint;
    HWND m_hwndTooltip;
    TOOLINFOW m_ToolTip;
    CControlUI* m_pRoot;
    CControlUI* m_pFocus;
    CControlUI* m_pEventHover;
    CControlUI* m_pEventClick;
    CControlUI* m_pEventKey;
    // The control last pressed while the mouse has not left it since: it shows no tip.
    CControlUI* m_pTipAnswered;
    POINT m_ptLastMousePos;
    SIZE m_szMinWindow;
    SIZE m_szMaxWindow;
    bool m_bFirstLayout;
    bool m_bUpdateNeeded;
    bool m_bOffscreenPaint;
    bool m_bAlphaBackground;
    bool m_bMouseTracking;
    bool m_bMouseCapture;
    bool m_bUsedVirtualWnd;
    CStdPtrArray m_aNotifiers;
    TimerTable m_timers;
    CStdPtrArray m_aPreMessageFilters;
    CStdPtrArray m_aMessageFilters;
    CStdPtrArray m_aPostPaintControls;
    CStdPtrArray m_aDelayedCleanup;
    bool m_bCleanupPosted = false;  // a cleanup message is on its way
    // Notifications queued for the next message and those being delivered.
    NotifyQueue m_notifyQueue;
    // Tab order, shortcuts and the focus move that waits for the layout.
    FocusNavigator m_focusNavigator;
    CStdPtrArray m_aFoundControls;
    CStdStringPtrMap m_mNameHash;
    CStdStringPtrMap m_mOptionGroup;
    CPaintManagerUI* m_pParentResourcePM;
    CStdPtrArray m_aTranslateAccelerator;

    // ---- painting and resources ---------------------------------------------------------------
    int m_nOpacity;
    // The window's DC, the off-screen buffer and the captured background.
    PaintSurface m_surface;
    bool m_bShowUpdateRect;
    SIZE m_szInitWindowSize;
    RECT m_rcSizeBox;
    SIZE m_szRoundCorner;
    RECT m_rcCaption;
    DWORD m_dwDefaultDisabledColor;
    DWORD m_dwDefaultFontColor;
    DWORD m_dwDefaultLinkFontColor;
    DWORD m_dwDefaultLinkHoverFontColor;
    DWORD m_dwDefaultSelectedBkColor;
    // Fonts, images, default attribute lists and default tags.
    ResourceCache m_resources;

    // ---- process-wide ---------------------------------------------------------------------------
    static HINSTANCE m_hInstance;
    static HINSTANCE m_hResourceInstance;
    static CUIString m_pStrResourcePath;
    static CUIString m_pStrResourceZip;
    static bool m_bCachedResourceZip;
    static void* m_hResourceZip;
    static CUIString m_pStrDefaultFontName;
    static short m_H;
    static short m_S;
    static short m_L;
    static CStdPtrArray m_aPreMessages;
    static CStdPtrArray m_aPlugins;
};

}  // namespace SkinUI
