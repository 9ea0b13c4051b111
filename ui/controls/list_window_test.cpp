// The list in real windows: clicks, double clicks and right clicks on rows,
// the keys and the wheel, column dragging in the header, links in text rows,
// and row backgrounds painted into a DIB.
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "label.h"
#include "list.h"
#include "list_container_element.h"
#include "list_header.h"
#include "list_row.h"
#include "list_text_element.h"
#include "core/scroll_bar.h"
#include "core/test_support/direct_control.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_images.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

// Five label rows of 20 pixels under a 20-pixel header of two columns.
std::wstring Layout(const std::wstring& listAttributes, const std::wstring& firstItem = L"")
{
    std::wstring rows;
    for (int i = 0; i < 5; ++i) rows += L"<ListLabelElement name=\"r" + std::to_wstring(i) + L"\" height=\"20\"/>";
    return L"<Window><List name=\"list\" " + listAttributes +
           L"><ListHeader height=\"20\"><ListHeaderItem name=\"h0\" width=\"100\" " + firstItem +
           L"/><ListHeaderItem name=\"h1\" width=\"100\"/></ListHeader>" + rows + L"</List></Window>";
}

struct Notified
{
    std::wstring type;
    CControlUI* sender;
    WPARAM wParam;
    LPARAM lParam;
};

class ListWindow : public ::testing::Test
{
protected:
    void Open(const std::wstring& layout, int height = 120)
    {
        w.reset(new TestWindow(layout.c_str(), 300, height));
        ASSERT_TRUE(w->ok());
        list = w->Find<CListUI>(L"list");
        ASSERT_TRUE(list != NULL);
        w->log.onNotify = [this](TNotifyUI& msg) {
            notes.push_back({msg.type.GetData(), msg.sender, msg.wParam, msg.lParam});
        };
    }
    // The notifications of one type, in order.
    std::vector<Notified> Of(const wchar_t* type) const
    {
        std::vector<Notified> found;
        for (const Notified& n : notes) {
            if (n.type == type) found.push_back(n);
        }
        return found;
    }
    // The centre of row i while the list is not scrolled.
    static int RowY(int i) { return 20 + 20 * i + 10; }
    void Wheel(bool down) { w->Wheel(150, RowY(1), down ? -WHEEL_DELTA : WHEEL_DELTA); }

    std::unique_ptr<TestWindow> w;
    CListUI* list = nullptr;
    std::vector<Notified> notes;
};

} // namespace

TEST_F(ListWindow, ClicksSelectAndNotify)
{
    Open(Layout(L""));
    w->Click(150, RowY(1));
    EXPECT_EQ(1, list->GetCurSel());
    std::vector<Notified> clicks = Of(L"itemclick");
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ(list->GetItemAt(1), clicks[0].sender);
    EXPECT_EQ(static_cast<WPARAM>(UIEV_BUTTON_DOWN), clicks[0].wParam);
    std::vector<Notified> selects = Of(L"itemselect");
    ASSERT_EQ(1u, selects.size());
    EXPECT_EQ(list, selects[0].sender);
    EXPECT_EQ(1u, selects[0].wParam);
    EXPECT_EQ(-1, static_cast<int>(selects[0].lParam));

    // The right button selects as well, and tells both of its events.
    notes.clear();
    w->Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(150, RowY(3)));
    w->Send(WM_RBUTTONUP, 0, Point(150, RowY(3)));
    EXPECT_EQ(3, list->GetCurSel());
    clicks = Of(L"itemclick");
    ASSERT_EQ(2u, clicks.size());
    EXPECT_EQ(static_cast<WPARAM>(UIEV_RBUTTON_DOWN), clicks[0].wParam);
    EXPECT_EQ(static_cast<WPARAM>(UIEV_RBUTTON_UP), clicks[1].wParam);
    EXPECT_EQ(1u, Of(L"itemselect").size());

    // A double click activates the row.
    notes.clear();
    w->Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(150, RowY(2)));
    std::vector<Notified> activations = Of(L"itemactivate");
    ASSERT_EQ(1u, activations.size());
    EXPECT_EQ(list->GetItemAt(2), activations[0].sender);

    // A disabled row neither selects nor tells.
    notes.clear();
    list->GetItemAt(4)->SetEnabled(false);
    w->Click(150, RowY(4));
    EXPECT_EQ(0u, Of(L"itemclick").size());
    EXPECT_NE(4, list->GetCurSel());
}

TEST_F(ListWindow, KeysMoveTheSelectionAndReturnActivates)
{
    Open(Layout(L""));
    list->GetItemAt(2)->SetEnabled(false);
    w->Click(150, RowY(1));
    ASSERT_EQ(1, list->GetCurSel());

    w->Key(WM_KEYDOWN, VK_DOWN); // over the disabled row
    EXPECT_EQ(3, list->GetCurSel());
    w->Key(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(1, list->GetCurSel());
    w->Key(WM_KEYDOWN, VK_END);
    EXPECT_EQ(4, list->GetCurSel());
    w->Key(WM_KEYDOWN, VK_DOWN); // at the end it stays
    EXPECT_EQ(4, list->GetCurSel());
    w->Key(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(0, list->GetCurSel());
    w->Key(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(0, list->GetCurSel());

    notes.clear();
    w->Key(WM_KEYDOWN, VK_RETURN);
    std::vector<Notified> activations = Of(L"itemactivate");
    ASSERT_EQ(1u, activations.size());
    EXPECT_EQ(list->GetItemAt(0), activations[0].sender);
}

TEST_F(ListWindow, WheelScrollsOrMovesTheSelection)
{
    // 100 pixels of rows in a body of 60.
    Open(Layout(L"vscrollbar=\"true\""), 80);
    w->Click(150, RowY(0));
    ASSERT_EQ(0, list->GetCurSel());
    Wheel(true);
    EXPECT_GT(list->GetScrollPos().cy, 0);
    EXPECT_EQ(0, list->GetCurSel());
    Wheel(false);
    EXPECT_EQ(0, list->GetScrollPos().cy);

    // With scroll-select the wheel moves the selection, and the list scrolls
    // only to keep it in view.
    list->SetScrollSelect(true);
    Wheel(true);
    EXPECT_EQ(1, list->GetCurSel());
    EXPECT_EQ(0, list->GetScrollPos().cy);
    Wheel(true);
    Wheel(true);
    Wheel(true);
    EXPECT_EQ(4, list->GetCurSel());
    EXPECT_EQ(40, list->GetScrollPos().cy); // the last row's bottom at the body's bottom
    Wheel(false);
    EXPECT_EQ(3, list->GetCurSel());
    EXPECT_EQ(40, list->GetScrollPos().cy);

    // Page keys scroll by a page and leave the selection where it is.
    w->Key(WM_KEYDOWN, VK_PRIOR);
    EXPECT_EQ(0, list->GetScrollPos().cy);
    EXPECT_EQ(3, list->GetCurSel());
    w->Key(WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(40, list->GetScrollPos().cy);
    EXPECT_EQ(3, list->GetCurSel());
}

TEST_F(ListWindow, ARowRepaintsOnlyItsVisiblePart)
{
    Open(Layout(L"vscrollbar=\"true\""), 80);
    list->SetScrollPos(SIZE{0, 30}); // row 0 out above the body, row 1 half
    w->Paint();
    RECT rc = {};
    static_cast<CListLabelElementUI*>(list->GetItemAt(0))->Invalidate();
    EXPECT_FALSE(::GetUpdateRect(*w, &rc, FALSE));

    // Row 1 lies half under the header: only its part in the body repaints.
    static_cast<CListLabelElementUI*>(list->GetItemAt(1))->Invalidate();
    ASSERT_TRUE(::GetUpdateRect(*w, &rc, FALSE));
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(30, rc.bottom);
    EXPECT_LE(rc.right, 300 - list->GetVerticalScrollBar()->GetFixedWidth());
}

TEST_F(ListWindow, DraggingASeparatorResizesTheColumn)
{
    Open(Layout(L""));
    CListHeaderItemUI* h0 = w->Find<CListHeaderItemUI>(L"h0");
    EXPECT_EQ(static_cast<UINT>(CTRLFLAG_SETCURSOR), h0->GetControlFlags());
    // Grab the separator (the 4 pixels at the right edge, widened by 4 inwards).
    w->Move(94, 10);
    w->Down(94, 10);
    w->Move(124, 10);
    w->Up(124, 10);
    w->Paint();
    EXPECT_EQ(130, h0->GetFixedWidth());
    EXPECT_EQ("0,0,130,20 130,0,230,20",
              RectText(list->GetListInfo()->rcColumn[0]) + " " + RectText(list->GetListInfo()->rcColumn[1]));
    EXPECT_EQ(0u, Of(L"headerclick").size());

    // A drag that would leave less than the minimum width changes nothing.
    w->Move(128, 10);
    w->Down(128, 10);
    w->Move(10, 10);
    w->Up(10, 10);
    w->Paint();
    EXPECT_EQ(130, h0->GetFixedWidth());

    // Elsewhere on the item a press is a header click.
    w->Click(50, 10);
    std::vector<Notified> headerClicks = Of(L"headerclick");
    ASSERT_EQ(1u, headerClicks.size());
    EXPECT_EQ(h0, headerClicks[0].sender);
}

TEST_F(ListWindow, NoSeparatorNoDrag)
{
    Open(Layout(L"", L"sepwidth=\"0\""));
    CListHeaderItemUI* h0 = w->Find<CListHeaderItemUI>(L"h0");
    EXPECT_EQ(0u, h0->GetControlFlags());
    w->Move(98, 10);
    w->Down(98, 10);
    w->Move(130, 10);
    w->Up(130, 10);
    w->Paint();
    EXPECT_EQ(100, h0->GetFixedWidth());
    EXPECT_EQ(1u, Of(L"headerclick").size());

    // Not dragable: the strip neither drags nor clicks.
    h0->SetSepWidth(4);
    h0->SetDragable(false);
    w->Move(98, 10);
    w->Down(98, 10);
    w->Move(130, 10);
    w->Up(130, 10);
    w->Paint();
    EXPECT_EQ(100, h0->GetFixedWidth());
    EXPECT_EQ(1u, Of(L"headerclick").size());
}

namespace {

struct Cells : IListCallbackUI
{
    std::wstring text;
    const wchar_t* GetItemText(CControlUI*, int iRow, int iColumn) override
    {
        text = L"cell " + std::to_wstring(iRow) + L"," + std::to_wstring(iColumn);
        return text.c_str();
    }
};

} // namespace

TEST_F(ListWindow, TextRowsKeepOneTextPerColumnAndAtMostEightLinks)
{
    Open(L"<Window><List name=\"list\" itemshowhtml=\"true\"><ListHeader height=\"20\">"
         L"<ListHeaderItem width=\"150\"/><ListHeaderItem width=\"150\"/></ListHeader>"
         L"<ListTextElement name=\"t\" height=\"20\"/></List></Window>");
    CListTextElementUI* row = w->Find<CListTextElementUI>(L"t");
    row->SetText(0, L"first");
    row->SetText(1, L"second");
    row->SetText(2, L"beyond the columns");
    row->SetText(-1, L"before them");
    EXPECT_EQ(L"first", std::wstring(row->GetText(0)));
    EXPECT_EQ(L"second", std::wstring(row->GetText(1)));
    EXPECT_EQ(NULL, row->GetText(2));
    EXPECT_EQ(NULL, row->GetText(-1));
    row->SetText(1, NULL);
    EXPECT_EQ(NULL, row->GetText(1));

    // Five links in each cell: only eight are kept.
    std::wstring links;
    for (int i = 0; i < 5; ++i) links += L"<a l" + std::to_wstring(i) + L">x</a> ";
    row->SetText(0, links.c_str());
    row->SetText(1, links.c_str());
    TestCanvas canvas(300, 120);
    w->PaintInto(canvas);
    EXPECT_TRUE(row->GetLinkContent(7) != NULL);
    EXPECT_TRUE(row->GetLinkContent(8) == NULL);
    EXPECT_TRUE(row->GetLinkContent(-1) == NULL);
    EXPECT_EQ(static_cast<UINT>(UIFLAG_LIST_ROW | CTRLFLAG_SETCURSOR), row->GetControlFlags());

    // A callback supplies the texts instead.
    Cells cells;
    list->SetTextCallback(&cells);
    w->PaintInto(canvas);
    EXPECT_TRUE(row->GetLinkContent(0) == NULL);
    EXPECT_EQ(static_cast<UINT>(UIFLAG_LIST_ROW), row->GetControlFlags());
    EXPECT_EQ(L"cell 0,1", cells.text);
    list->SetTextCallback(NULL);
}

namespace {

const Rgb kBk = {0x20, 0x40, 0x60};
const Rgb kHot = {0xF2, 0xEB, 0xCD};
const Rgb kSelected = {0x00, 0x80, 0x00};
const Rgb kBlack = {0, 0, 0};
const Rgb kLine = {0xFF, 0x00, 0x00};

} // namespace

TEST_F(ListWindow, RowBackgroundsByState)
{
    Open(Layout(L"itembkcolor=\"#FF204060\" itemaltbk=\"true\" itemselectedbkcolor=\"#FF008000\""));
    TestCanvas canvas(300, 120);
    w->PaintInto(canvas);
    // Alternate rows: even ones take the background colour, odd ones none.
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(0), kBk));
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(1), kBlack));
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(2), kBk));

    // Hot, then selected.
    w->Move(250, RowY(1));
    canvas.Fill(0xFF000000);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(1), kHot));
    ASSERT_TRUE(list->SelectItem(2));
    canvas.Fill(0xFF000000);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(2), kSelected));
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(1), kHot));
    w->Move(250, 115);
    canvas.Fill(0xFF000000);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(1), kBlack));

    // Disabled rows take the disabled colour; the line colour draws each
    // row's last pixel row.
    list->GetItemAt(0)->SetEnabled(false);
    list->SetItemLineColor(0xFFFF0000);
    canvas.Fill(0xFF000000);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(0), Rgb{255, 255, 255}));
    EXPECT_TRUE(PixelNear(canvas, 250, 20 + 20 * 2 + 19, kLine));
    EXPECT_TRUE(PixelNear(canvas, 250, 20 + 20 * 2 + 18, kSelected));
    EXPECT_TRUE(PixelNear(canvas, 250, 20 + 20 * 3 + 19, kLine));
}

TEST_F(ListWindow, StateImagesStandForTheBackground)
{
    ScratchSkin skin(L"list_row_images");
    WriteSolidImages(skin.folder(), {{L"sel.png", 0xFF0000FF}, {L"bk.png", 0xFF00FFFF}});
    Open(Layout(L"itemselectedimage=\"sel.png\" itembkimage=\"bk.png\" itemlinecolor=\"#FFFF0000\""));
    ASSERT_TRUE(list->SelectItem(1));
    TestCanvas canvas(300, 120);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(1), Rgb{0, 0, 255}));
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(0), Rgb{0, 255, 255}));
    // The line colour is not drawn over a state or background image.
    EXPECT_TRUE(PixelNear(canvas, 250, 20 + 19, Rgb{0, 255, 255}));
    // A missing image leaves the state colour showing.
    list->SetSelectedItemImage(L"missing.png");
    canvas.Fill(0xFF000000);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(1), Rgb{0xF1, 0xE4, 0xAF}));
}

TEST_F(ListWindow, ContainerRows)
{
    std::wstring rows;
    for (int i = 0; i < 4; ++i)
        rows += L"<ListContainerElement name=\"c" + std::to_wstring(i) + L"\" height=\"20\"" +
                (i == 3 ? L" nobkdraw=\"true\"" : L"") + L"><Label text=\"x\" width=\"20\"/></ListContainerElement>";
    Open(L"<Window><List name=\"list\" itembkcolor=\"#FF204060\"><ListHeader height=\"20\">"
         L"<ListHeaderItem width=\"100\"/></ListHeader>" +
         rows + L"</List></Window>");

    // A press tells both the down and the up; the row is selected.
    w->Click(150, RowY(1));
    std::vector<Notified> clicks = Of(L"itemclick");
    ASSERT_EQ(2u, clicks.size());
    EXPECT_EQ(static_cast<WPARAM>(UIEV_BUTTON_DOWN), clicks[0].wParam);
    EXPECT_EQ(static_cast<WPARAM>(UIEV_BUTTON_UP), clicks[1].wParam);
    EXPECT_EQ(1, list->GetCurSel());

    // With hot-select the pointer alone selects.
    list->SetAttribute(L"hotselect", L"true");
    w->Move(150, RowY(2));
    EXPECT_EQ(2, list->GetCurSel());

    TestCanvas canvas(300, 120);
    w->PaintInto(canvas);
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(0), kBk));
    EXPECT_TRUE(PixelNear(canvas, 250, RowY(3), kBlack)); // no background drawn
}

namespace {

// Two labels "c0" and "c1" made from a text, counting how often it was made.
class CountingContent : public IListRowContentUI
{
public:
    CountingContent(int* made, const std::wstring& text) : m_made(made), m_text(text) {}
    void Build(CListContainerElementUI& row) override
    {
        ++*m_made;
        for (const wchar_t* name : {L"c0", L"c1"}) {
            CLabelUI* label = new CLabelUI;
            label->SetName(name);
            label->SetText(wcscmp(name, L"c0") == 0 ? m_text.c_str() : L"");
            row.Add(label);
        }
    }
    bool GetChildText(const wchar_t* name, CUIString& text) const override
    {
        if (wcscmp(name, L"c0") == 0) text = m_text.c_str();
        else if (wcscmp(name, L"c1") == 0) text.Empty();
        else return false;
        return true;
    }
    bool SetChildText(const wchar_t* name, const wchar_t* text) override
    {
        if (wcscmp(name, L"c0") != 0) return false;
        m_text = text;
        return true;
    }

private:
    int* m_made;
    std::wstring m_text;
};

} // namespace

// A row with content makes its children when it comes into view or is looked
// into, once; the window's own walks over the tree (name map, layout) and rows out
// of view leave them unmade.
TEST_F(ListWindow, RowsMakeTheirContentWhenNeeded)
{
    Open(L"<Window><List name=\"list\" vscrollbar=\"true\"><ListHeader height=\"20\">"
         L"<ListHeaderItem width=\"100\"/><ListHeaderItem width=\"100\"/></ListHeader></List></Window>");
    int made = 0;
    std::vector<CListContainerElementUI*> rows;
    for (int i = 0; i < 100; ++i) {
        CListContainerElementUI* row = new CListContainerElementUI;
        row->SetFixedHeight(20);
        row->SetHeader(list->GetHeader());
        row->SetContent(new CountingContent(&made, L"t" + std::to_wstring(i)));
        list->Add(row);
        rows.push_back(row);
    }
    EXPECT_EQ(0, made);
    w->Paint();
    // 100 pixels of rows show five rows.
    EXPECT_EQ(5, made);
    EXPECT_EQ(nullptr, rows[4]->GetPendingContent());
    ASSERT_NE(nullptr, rows[50]->GetPendingContent());
    EXPECT_EQ(2, rows[0]->GetCount());
    EXPECT_EQ(L"t0", std::wstring(rows[0]->FindSubControl(L"c0")->GetText()));

    // The texts of a row not made are read and changed in its content; a search
    // makes the row once, with the changed text.
    CUIString text;
    ASSERT_TRUE(rows[50]->GetPendingContent()->GetChildText(L"c0", text));
    EXPECT_EQ(L"t50", std::wstring(text));
    EXPECT_TRUE(rows[50]->GetPendingContent()->SetChildText(L"c0", L"changed"));
    EXPECT_FALSE(rows[50]->GetPendingContent()->SetChildText(L"c9", L"x"));
    EXPECT_EQ(L"changed", std::wstring(rows[50]->FindSubControl(L"c0")->GetText()));
    EXPECT_EQ(2, rows[50]->GetCount());
    EXPECT_EQ(6, made);
    EXPECT_EQ(nullptr, rows[50]->GetPendingContent());
    // Made out of view, its children are placed in the row as a laid-out row's are.
    const RECT placed = rows[50]->GetPos();
    const RECT farCell = rows[50]->FindSubControl(L"c1")->GetPos();
    EXPECT_EQ(list->GetHeader()->GetItemAt(1)->GetPos().left, farCell.left);
    EXPECT_EQ(placed.top, farCell.top);
    EXPECT_EQ(placed.bottom, farCell.bottom);

    // Scrolled to the end, the last rows are made and their children placed
    // under the columns.
    list->EndDown();
    w->Paint();
    EXPECT_EQ(nullptr, rows[99]->GetPendingContent());
    EXPECT_NE(nullptr, rows[70]->GetPendingContent());
    const RECT rowPos = rows[99]->GetPos();
    const RECT cell = rows[99]->FindSubControl(L"c1")->GetPos();
    EXPECT_EQ(list->GetHeader()->GetItemAt(1)->GetPos().left, cell.left);
    EXPECT_EQ(rowPos.top, cell.top);
    EXPECT_EQ(rowPos.bottom, cell.bottom);
    // A click on a made row selects it as before.
    w->Click(50, (rowPos.top + rowPos.bottom) / 2);
    EXPECT_EQ(99, list->GetCurSel());

    // Emptying a row not made yet drops its content unmade.
    const int before = made;
    rows[70]->RemoveAll();
    EXPECT_EQ(nullptr, rows[70]->GetPendingContent());
    EXPECT_EQ(0, rows[70]->GetCount());
    EXPECT_EQ(before, made);
}

namespace {

// A list that keeps row records, as the program's grouped lists do.
class RecordList : public CListUI
{
public:
    class Records : public IListRowRecordsUI
    {
    public:
        TListRowRecordUI* GetRowRecord(CControlUI*, UINT_PTR tag) override
        {
            return tag == reinterpret_cast<UINT_PTR>(&record) ? &record : NULL;
        }
        TListRowRecordUI record;
    } records;

    LPVOID GetInterface(const wchar_t* pstrName) override
    {
        if (pstrName != NULL && wcscmp(pstrName, L"IListRowRecords") == 0) return &records;
        return CListUI::GetInterface(pstrName);
    }
};

int g_paintCalls = 0;
void CountPaint(UINT_PTR arg) { g_paintCalls += static_cast<int>(arg); }

} // namespace

TEST(ListRowRecords, TaggedRowsTakeTheirImagesFromTheListsRecords)
{
    DirectControl<RecordList> d(L"list_row_records", 200, 100);
    WriteSolidImages(d.skin.folder(),
                     {{L"sel.png", 0xFF0000FF}, {L"own.png", 0xFFFFFF00}, {L"folder.png", 0xFFFF00FF}});
    RecordList& list = d.control;
    CListLabelElementUI* plain = new CListLabelElementUI();
    CListLabelElementUI* tagged = new CListLabelElementUI();
    CListLabelElementUI* numbered = new CListLabelElementUI();
    CListContainerElementUI* folder = new CListContainerElementUI();
    CControlUI* rows[] = {plain, tagged, numbered, folder};
    for (CControlUI* row : rows) {
        row->SetFixedHeight(20);
        list.Add(row);
    }
    tagged->SetTag(reinterpret_cast<UINT_PTR>(&list.records.record));
    folder->SetTag(reinterpret_cast<UINT_PTR>(&list.records.record));
    numbered->SetTag(7); // a layout's default tag: not a record
    list.records.record.sSelectedImage = L"sel.png";
    list.records.record.sBkImage = L"own.png";
    list.records.record.sFolderImage = L"folder.png";
    list.records.record.pfnPaint = &CountPaint;
    list.records.record.pPaintArg = 1;
    list.SetAttribute(L"header", L"hidden");
    list.SetPos(RECT{0, 0, 200, 100});

    g_paintCalls = 0;
    d.Paint();
    EXPECT_TRUE(PixelNear(d.canvas, 100, 30, Rgb{255, 255, 0})); // the record's background image
    EXPECT_TRUE(PixelNear(d.canvas, 100, 50, kBlack));
    EXPECT_EQ(1, g_paintCalls);
    EXPECT_EQ(d.canvas.dc(), list.records.record.hPaintDC);

    ASSERT_TRUE(list.SelectItem(1));
    d.Paint();
    EXPECT_TRUE(PixelNear(d.canvas, 100, 30, Rgb{0, 0, 255}));
    ASSERT_TRUE(list.SelectItem(2));
    d.Paint();
    EXPECT_TRUE(PixelNear(d.canvas, 100, 50, Rgb{0xF1, 0xE4, 0xAF}));
    ASSERT_TRUE(list.SelectItem(3));
    d.Paint();
    EXPECT_TRUE(PixelNear(d.canvas, 100, 70, Rgb{255, 0, 255}));
}

TEST_F(ListWindow, ALinkInATextRowIsClicked)
{
    Open(L"<Window><List name=\"list\" itemshowhtml=\"true\"><ListHeader height=\"20\">"
         L"<ListHeaderItem width=\"150\"/><ListHeaderItem width=\"150\"/></ListHeader>"
         L"<ListTextElement name=\"t\" height=\"20\"/></List></Window>");
    CListTextElementUI* row = w->Find<CListTextElementUI>(L"t");
    row->SetText(0, L"plain");
    row->SetText(1, L"<a target>WWWWWWWWWW</a>");
    w->Paint();
    ASSERT_TRUE(row->GetLinkContent(0) != NULL);
    EXPECT_EQ(L"target", Str(*row->GetLinkContent(0)));

    w->Click(155, 30);
    std::vector<Notified> links = Of(L"link");
    ASSERT_EQ(1u, links.size());
    EXPECT_EQ(row, links[0].sender);
    EXPECT_EQ(0u, links[0].wParam);
    // Outside the link a press selects as on any row, and no link is told.
    w->Click(100, 30);
    EXPECT_EQ(1u, Of(L"link").size());
    EXPECT_EQ(0, list->GetCurSel());
}

namespace {

class HeaderItemPaint : public ::testing::Test, protected DirectControl<CListHeaderItemUI>
{
protected:
    HeaderItemPaint() : DirectControl<CListHeaderItemUI>(L"list_header_paint", 40, 20)
    {
        WriteSolidImages(skin.folder(), {{L"normal.png", 0xFF808080},
                                         {L"hot.png", 0xFFFF0000},
                                         {L"pushed.png", 0xFF00FF00},
                                         {L"sep.png", 0xFF0000FF}});
        item.SetNormalImage(L"normal.png");
        item.SetHotImage(L"hot.png");
        item.SetPushedImage(L"pushed.png");
    }
    CListHeaderItemUI& item = control;
};

} // namespace

TEST_F(HeaderItemPaint, StateImagesAndSeparator)
{
    EXPECT_TRUE(SameColor(Rgb{128, 128, 128}, Paint()));
    Send(UIEV_MOUSE_ENTER);
    EXPECT_TRUE(SameColor(Rgb{255, 0, 0}, Paint()));
    Send(UIEV_BUTTON_DOWN, 5, 5);
    EXPECT_TRUE(SameColor(Rgb{0, 255, 0}, Paint()));
    Send(UIEV_BUTTON_UP, 5, 5);
    EXPECT_TRUE(SameColor(Rgb{255, 0, 0}, Paint()));
    // Disabling drops the hot state.
    item.SetEnabled(false);
    EXPECT_TRUE(SameColor(Rgb{128, 128, 128}, Paint()));
    item.SetEnabled(true);

    // The separator image lies on the thumb at the right edge.
    item.SetSepImage(L"sep.png");
    EXPECT_EQ("36,0,40,20", RectText(item.GetThumbRect()));
    EXPECT_TRUE(SameColor(Rgb{0, 0, 255}, Paint(38, 10)));
    EXPECT_TRUE(SameColor(Rgb{128, 128, 128}, Paint(30, 10)));
    item.SetSepWidth(-6);
    EXPECT_EQ("0,0,6,20", RectText(item.GetThumbRect()));
    EXPECT_TRUE(SameColor(Rgb{0, 0, 255}, Paint(3, 10)));
}

TEST(ListHeaderItem, AttributesAndDefaults)
{
    CListHeaderItemUI item;
    EXPECT_TRUE(item.IsDragable());
    EXPECT_EQ(4, item.GetSepWidth());
    EXPECT_EQ(16, item.GetMinWidth());
    EXPECT_EQ(static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE), item.GetTextStyle());
    EXPECT_EQ("2,0,2,0", RectText(item.GetTextPadding()));
    item.SetAttribute(L"dragable", L"false");
    item.SetAttribute(L"sepwidth", L"-3");
    item.SetAttribute(L"textcolor", L"#FF112233");
    item.SetAttribute(L"align", L"right");
    item.SetAttribute(L"endellipsis", L"true");
    item.SetAttribute(L"textpadding", L"1,2,3,4");
    item.SetAttribute(L"showhtml", L"true");
    item.SetAttribute(L"sepimage", L"s.png");
    EXPECT_FALSE(item.IsDragable());
    EXPECT_EQ(-3, item.GetSepWidth());
    EXPECT_EQ(0xFF112233u, item.GetTextColor());
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS), item.GetTextStyle());
    EXPECT_EQ("1,2,3,4", RectText(item.GetTextPadding()));
    EXPECT_TRUE(item.IsShowHtml());
    EXPECT_EQ(L"s.png", std::wstring(item.GetSepImage()));
    item.SetSepImage(NULL);
    EXPECT_EQ(L"", std::wstring(item.GetSepImage()));
    item.SetEnabled(false);
    EXPECT_EQ(0u, item.GetControlFlags());
    EXPECT_EQ(L"ListHeaderItemUI", std::wstring(item.GetClass()));
    EXPECT_TRUE(item.GetInterface(L"ListHeaderItem") != NULL);
}
