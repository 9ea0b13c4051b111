// CDateTimeUI: the date field of the business documents. A label that shows its
// date as "%4d-%02d-%02d" and, when it gains the focus or is clicked, opens the
// native date picker (CDateTimeWnd) exactly over itself; closing the picker writes
// the chosen date back, or clears the field after Backspace or Delete, and raises
// "updatetext".
#pragma once

#include <windows.h>

#include "label.h"

namespace SkinUI {

class CDateTimeWnd;

class UILIB_API CDateTimeUI : public CLabelUI
{
    friend class CDateTimeWnd;

public:
    // What the next UpdateText does.
    enum UpdateState
    {
        kUpdateNone = 0,   // picker open, nothing chosen yet: text unchanged
        kUpdateSet = 1,    // show the time
        kUpdateClear = 2,  // show nothing
        kUpdateCancel = 3, // Escape: text unchanged
    };

    CDateTimeUI();
    ~CDateTimeUI() override;

    const wchar_t* GetClass() const override;
    LPVOID GetInterface(const wchar_t* pstrName) override;

    const SYSTEMTIME& GetTime();
    // A date that does not exist (month 13, 30 February, year 0) is refused and
    // leaves the field as it was.
    void SetTime(SYSTEMTIME* pst);

    void SetReadOnly(bool bReadOnly);
    bool IsReadOnly() const;

    // State 2 empties the text, state 1 shows the time; then "updatetext" when
    // asked and the field has a parent.
    void UpdateText(bool bNotify = true);

    // A date text ("2024-03-05", also "2024-3-5" or " 999-01-01") becomes the
    // time and is shown in the field's own form; an empty text clears the field.
    // Any other text (not a date, or a date that does not exist) is refused and
    // the field keeps its date.
    void SetText(const wchar_t* pstrText) override;

    void DoEvent(TEventUI& event) override;

    // The open picker's window, or null.
    HWND GetPickerWindow() const;

private:
    void OpenPicker();

    SYSTEMTIME m_sysTime;
    int m_nDTUpdateFlag;
    bool m_bReadOnly;
    CDateTimeWnd* m_pWindow;
};

// The field's text of a date: "%4d-%02d-%02d" (year space-padded to 4).
UILIB_API CUIString FormatDateText(const SYSTEMTIME& st);
// Parses "year-month-day" (blanks around the year allowed, one or two digits
// for month and day); false when the text is no such date or the date does not
// exist. Only the date part of st is written.
UILIB_API bool ParseDateText(const wchar_t* pstrText, SYSTEMTIME& st);
// A calendar date that exists: year 1..9999, month 1..12, day within the month.
UILIB_API bool IsValidDate(const SYSTEMTIME& st);

} // namespace SkinUI
