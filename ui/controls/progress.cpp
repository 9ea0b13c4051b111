// The progress bar: its value range, attributes and the fore image cut or
// stretched to the filled part.
#include "progress.h"

#include <climits>
#include <cwchar>

#include "core/attribute_values.h"

namespace SkinUI {

CProgressUI::CProgressUI() : m_bHorizontal(true), m_bStretchForeImage(true), m_nMax(100), m_nMin(0), m_nValue(0)
{
    m_uTextStyle = DT_SINGLELINE | DT_CENTER;
    SetFixedHeight(12);
}

const wchar_t* CProgressUI::GetClass() const { return L"ProgressUI"; }

LPVOID CProgressUI::GetInterface(const wchar_t* pstrName)
{
    if (pstrName != NULL && wcscmp(pstrName, L"Progress") == 0) return static_cast<CProgressUI*>(this);
    return CLabelUI::GetInterface(pstrName);
}

bool CProgressUI::IsHorizontal() { return m_bHorizontal; }

void CProgressUI::SetHorizontal(bool bHorizontal) { ChangeAndInvalidate(m_bHorizontal, bHorizontal); }

bool CProgressUI::IsStretchForeImage() { return m_bStretchForeImage; }

void CProgressUI::SetStretchForeImage(bool bStretchForeImage)
{
    ChangeAndInvalidate(m_bStretchForeImage, bStretchForeImage);
}

int CProgressUI::GetMinValue() const { return m_nMin; }

void CProgressUI::SetMinValue(int nMin) { SetAndInvalidate(m_nMin, nMin); }

int CProgressUI::GetMaxValue() const { return m_nMax; }

void CProgressUI::SetMaxValue(int nMax) { SetAndInvalidate(m_nMax, nMax); }

int CProgressUI::GetValue() const { return m_nValue; }

void CProgressUI::SetValue(int nValue)
{
    if (nValue < m_nMin || nValue > m_nMax) return;
    ChangeAndInvalidate(m_nValue, nValue);
}

const wchar_t* CProgressUI::GetForeImage() const { return m_sForeImage.GetData(); }

void CProgressUI::SetForeImage(const wchar_t* pStrImage) { ChangeAndInvalidate(m_sForeImage, pStrImage); }

void CProgressUI::SetAttribute(const wchar_t* pstrName, const wchar_t* pstrValue)
{
    if (wcscmp(pstrName, L"foreimage") == 0) SetForeImage(pstrValue);
    else if (wcscmp(pstrName, L"hor") == 0) SetHorizontal(ParseBool(pstrValue));
    else if (wcscmp(pstrName, L"min") == 0) SetMinValue(ParseInt(pstrValue));
    else if (wcscmp(pstrName, L"max") == 0) SetMaxValue(ParseInt(pstrValue));
    else if (wcscmp(pstrName, L"value") == 0) SetValue(ParseInt(pstrValue));
    else if (wcscmp(pstrName, L"isstretchfore") == 0) SetStretchForeImage(ParseBool(pstrValue));
    else CLabelUI::SetAttribute(pstrName, pstrValue);
}

void CProgressUI::NormaliseRange()
{
    if (m_nMin >= m_nMax) {
        // The largest minimum has no room above it: the range is taken below.
        if (m_nMin == INT_MAX) m_nMin = INT_MAX - 1;
        m_nMax = m_nMin + 1;
    }
    if (m_nValue > m_nMax) m_nValue = m_nMax;
    if (m_nValue < m_nMin) m_nValue = m_nMin;
}

long long CProgressUI::RangeLength() const
{
    long long length = static_cast<long long>(m_nMax) - m_nMin;
    return length < 1 ? 1 : length;
}

void CProgressUI::PaintStatusImage(HDC hDC)
{
    NormaliseRange();
    const long long width = m_rcItem.right - m_rcItem.left;
    const long long height = m_rcItem.bottom - m_rcItem.top;
    RECT rc = {0, 0, 0, 0};
    if (m_bHorizontal) {
        rc.right = static_cast<LONG>(width * (static_cast<long long>(m_nValue) - m_nMin) / RangeLength());
        rc.bottom = static_cast<LONG>(height);
    } else {
        rc.top = static_cast<LONG>(height * (static_cast<long long>(m_nMax) - m_nValue) / RangeLength());
        rc.right = static_cast<LONG>(width);
        rc.bottom = static_cast<LONG>(height);
    }
    if (m_sForeImage.IsEmpty()) return;

    // Not stretched, the image is cut: the filled part shows the same part of it.
    if (m_bStretchForeImage) {
        m_sForeImageModify.Format(L"dest='%d,%d,%d,%d'", static_cast<int>(rc.left), static_cast<int>(rc.top),
                                  static_cast<int>(rc.right), static_cast<int>(rc.bottom));
    } else {
        m_sForeImageModify.Format(L"dest='%d,%d,%d,%d' source='%d,%d,%d,%d'", static_cast<int>(rc.left),
                                  static_cast<int>(rc.top), static_cast<int>(rc.right), static_cast<int>(rc.bottom),
                                  static_cast<int>(rc.left), static_cast<int>(rc.top), static_cast<int>(rc.right),
                                  static_cast<int>(rc.bottom));
    }
    if (!DrawImage(hDC, m_sForeImage, m_sForeImageModify)) m_sForeImage.Empty();
}

} // namespace SkinUI
