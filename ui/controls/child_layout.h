// CChildLayoutUI: a container whose one child is built from a second layout
// file when the container is initialised.
#pragma once

#include "core/container_ui.h"

namespace SkinUI {

class UILIB_API CChildLayoutUI : public CContainerUI
{
public:
    // Child layouts building child layouts stop at this depth, so that a file
    // that names itself cannot recurse without end.
    enum
    {
        MAX_NESTING = 16
    };

    CChildLayoutUI();

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    void Init() override;
    void SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue) override;

    void SetChildLayoutXML(CUIString pXML);
    CUIString GetChildLayoutXML();

private:
    CUIString m_pstrXMLFile;
};

} // namespace SkinUI
