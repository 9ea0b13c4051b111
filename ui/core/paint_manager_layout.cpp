// The layout pass of CPaintManagerUI and painting the root into a given DC
// (the paint cycle uses both; off-window painting and tests use PaintTo).
#include "paint_manager.h"

#include "container_ui.h"
#include "control_ui.h"
#include "gdi_scope.h"

namespace SkinUI {

void CPaintManagerUI::LayoutPass(const RECT& rcClient)
{
    m_bUpdateNeeded = false;
    if (m_pRoot == NULL || ::IsRectEmpty(&rcClient)) return;
    if (!m_pRoot->IsUpdateNeeded()) {
        // A control's SetPos may mark others again; the pass is bounded so that
        // two controls marking each other cannot keep it running for ever.
        int count = 0;
        m_pRoot->FindControl(__FindControlFromCount, &count, 0);
        int limit = count * 4 + 16;
        for (int i = 0; i < limit; i++) {
            CControlUI* pControl =
                m_pRoot->FindControl(__FindControlFromUpdate, NULL, FINDFLAG_VISIBLE | FINDFLAG_SELF_FIRST);
            if (pControl == NULL) break;
            // A floating control is placed by its container from its fixed
            // position and size: laid out where it stands, it would take its
            // old rectangle back as its position and size.
            CControlUI* pParent = pControl->GetParent();
            CContainerUI* pContainer = pControl->IsFloat() && pParent != NULL
                                           ? static_cast<CContainerUI*>(pParent->GetInterface(L"Container"))
                                           : NULL;
            int index = pContainer != NULL ? pContainer->GetItemIndex(pControl) : -1;
            if (index >= 0) pContainer->SetFloatPos(index);
            if (pControl->IsUpdateNeeded()) pControl->SetPos(pControl->GetPos());
        }
    } else {
        m_pRoot->SetPos(rcClient);
        // The off-screen buffers are remade at the new size.
        m_surface.Drop();
    }
    if (m_bFirstLayout) {
        m_bFirstLayout = false;
        SendNotify(m_pRoot, L"windowinit", 0, 0, false);
    }
}

void CPaintManagerUI::PaintTo(HDC hdc, const RECT& rcClient, const RECT& rcPaint)
{
    if (hdc == NULL || m_pRoot == NULL) return;
    if (m_bUpdateNeeded) LayoutPass(rcClient);
    SaveDCScope state(hdc);
    m_pRoot->DoPaint(hdc, rcPaint);
    // A post-paint control may remove itself; walk a copy.
    CStdPtrArray postPaint(m_aPostPaintControls);
    for (int i = 0; i < postPaint.GetSize(); i++) {
        CControlUI* pControl = static_cast<CControlUI*>(postPaint[i]);
        if (m_aPostPaintControls.Find(pControl) >= 0) pControl->DoPostPaint(hdc, rcPaint);
    }
}

}  // namespace SkinUI
