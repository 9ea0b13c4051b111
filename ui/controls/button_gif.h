// CButtonGifUI: a button that plays an animated GIF over its whole rectangle
// instead of its state images, one frame per timer tick at the frame's delay.
#pragma once

#include <memory>

#include "button.h"

namespace SkinUI {

class CGifHandler;

class UILIB_API CButtonGifUI : public CButtonUI
{
public:
    // The control timer that moves the animation on.
    static const UINT kFrameTimerId = 15;

    CButtonGifUI();
    ~CButtonGifUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void SetVisible(bool bVisible = true) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

    // Loads the frames through the render engine; null is ignored. The
    // animation starts at the next paint.
    void SetNormalGifFile(const wchar_t* pstrName);
    CGifHandler* GetGifHandler() const { return m_pGif.get(); }
    UINT GetTimerInterval() const { return m_nInterval; }

protected:
    void StopTimer();
    void PaintFrame(HDC hDC);

    std::unique_ptr<CGifHandler> m_pGif;
    bool m_bTimerFired;
    UINT m_nInterval;
};

} // namespace SkinUI
