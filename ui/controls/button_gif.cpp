// CButtonGifUI: GIF frames drawn at the pace of their delays, with the state
// images as the fallback when there are no frames.
#include "button_gif.h"

#include <cwchar>

#include "core/gif_handler.h"
#include "core/render_engine.h"

namespace SkinUI {

namespace {

// A frame delay this short (GIFs often say 0) would make the timer spin; such
// frames are shown for a tenth of a second, as browsers do.
const int kShortestDelay = 20;
const UINT kDelayForShortFrames = 100;

UINT FrameInterval(const TImageInfo* frame)
{
    return frame->delay < kShortestDelay ? kDelayForShortFrames : static_cast<UINT>(frame->delay);
}

} // namespace

CButtonGifUI::CButtonGifUI() : m_bTimerFired(false), m_nInterval(0) {}

CButtonGifUI::~CButtonGifUI() { StopTimer(); }

const wchar_t* CButtonGifUI::GetClass() const { return L"ButtonGifUI"; }

LPVOID CButtonGifUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"ButtonGif") == 0) return static_cast<CButtonGifUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

void CButtonGifUI::StopTimer()
{
    if (m_pManager != NULL) m_pManager->KillTimer(this, kFrameTimerId);
    m_nInterval = 0;
}

void CButtonGifUI::SetVisible(bool bVisible)
{
    if (!bVisible) StopTimer();
    CControlUI::SetVisible(bVisible);
}

void CButtonGifUI::DoEvent(TEventUI& event)
{
    if (event.type == UIEV_TIMER && event.wParam == kFrameTimerId) {
        m_bTimerFired = true;
        Invalidate();
        return;
    }
    CButtonUI::DoEvent(event);
}

void CButtonGifUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (pstrName != NULL && pstrValue != NULL && wcscmp(pstrName, L"NormalGifFile") == 0) SetNormalGifFile(pstrValue);
    CButtonUI::SetAttribute(pstrName, pstrValue);
}

void CButtonGifUI::SetNormalGifFile(const wchar_t* pstrName)
{
    if (pstrName == NULL) return;
    if (m_pGif) {
        StopTimer();
        m_pGif.reset();
    }
    m_pGif.reset(CRenderEngine::LoadGif(STRINGorID(pstrName)));
    Invalidate();
}

void CButtonGifUI::PaintFrame(HDC hDC)
{
    // A tick moves on to the next frame; any other repaint shows the frame of
    // the latest tick again, so that hovering never makes the animation jump.
    if (m_bTimerFired) {
        m_bTimerFired = false;
        m_pGif->GetNextFrameInfo();
    }
    TImageInfo* frame = m_pGif->GetCurrentFrameInfo();
    if (frame == NULL) return;
    RECT rcSource = {0, 0, frame->nX, frame->nY};
    RECT rcCorners = {0, 0, 0, 0};
    CRenderEngine::DrawImage(hDC, frame->hBitmap, m_rcItem, m_rcPaint, rcSource, rcCorners, frame->alphaChannel, 255);
    UINT interval = FrameInterval(frame);
    if (interval != m_nInterval && m_pManager != NULL) {
        m_pManager->KillTimer(this, kFrameTimerId);
        m_pManager->SetTimer(this, kFrameTimerId, interval);
        m_nInterval = interval;
    }
}

void CButtonGifUI::PaintStatusImage(HDC hDC)
{
    if (m_pGif) {
        PaintFrame(hDC);
        return;
    }
    RefreshStateBits();
    if ((m_uButtonState & UISTATE_DISABLED) != 0) {
        if (DrawStateImage(hDC, m_sDisabledImage)) return;
    } else if ((m_uButtonState & UISTATE_PUSHED) != 0) {
        if (DrawStateImage(hDC, m_sPushedImage)) return;
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        if (DrawStateImage(hDC, m_sHotImage)) return;
    } else if ((m_uButtonState & UISTATE_FOCUSED) != 0) {
        if (DrawStateImage(hDC, m_sFocusedImage)) return;
    }
    DrawStateImage(hDC, m_sNormalImage);
}

} // namespace SkinUI
