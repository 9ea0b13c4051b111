// The label: its attribute table, alignment keywords, effect text and shadow
// offset, size estimate, text colours painted into a DIB, the GDI+ effect
// layers, and the auto-size width after the paint DC has gone.
#include <string>

#include "gtest/gtest.h"
#include "label.h"
#include "core/test_support/test_canvas.h"
#include "core/test_support/test_window.h"

using namespace SkinUI;
using namespace SkinUI::test;

namespace {

const Rgb kWhite = {255, 255, 255};

// A label on a paint manager, laid out at rc, painted on a white canvas.
struct PaintedLabel
{
    TestWindow window{100, 100};
    CLabelUI label;
    TestCanvas canvas{120, 40, 0xFFFFFFFF};

    explicit PaintedLabel(const wchar_t* text, RECT rc = {0, 0, 120, 40})
    {
        label.SetManager(&window.pm, NULL, false);
        label.SetText(text);
        label.SetPos(rc);
    }
    ~PaintedLabel() { label.SetManager(NULL, NULL, false); }
    void Paint()
    {
        canvas.Fill(0xFFFFFFFF);
        label.DoPaint(canvas.dc(), canvas.rect());
    }
};

} // namespace

TEST(LabelAttributes, AlignKeywordsEditTheTextStyle)
{
    struct Case
    {
        UINT start;
        const wchar_t* value;
        UINT expected;
    } cases[] = {
        {DT_VCENTER, L"right", DT_RIGHT},
        {DT_VCENTER | DT_CENTER | DT_SINGLELINE, L"left", 0},
        {DT_RIGHT, L"center", DT_CENTER},
        {DT_VCENTER, L"top", DT_SINGLELINE},
        {DT_BOTTOM, L"vcenter", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {DT_CENTER | DT_BOTTOM, L"lvcenter", DT_VCENTER | DT_SINGLELINE},
        {DT_VCENTER, L"bottom", DT_BOTTOM | DT_SINGLELINE},
        {DT_VCENTER, L"right,bottom", DT_RIGHT | DT_BOTTOM | DT_SINGLELINE},
        {DT_VCENTER | DT_WORDBREAK, L"nothing", DT_VCENTER | DT_WORDBREAK},
    };
    for (const Case& c : cases) {
        CLabelUI label;
        label.SetTextStyle(c.start);
        label.SetAttribute(L"align", c.value);
        EXPECT_EQ(c.expected, label.GetTextStyle()) << std::string(c.value, c.value + wcslen(c.value));
    }
}

TEST(LabelAttributes, StyleSwitchesColoursAndNumbers)
{
    CLabelUI label;
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER), label.GetTextStyle());
    label.SetAttribute(L"endellipsis", L"true");
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER | DT_END_ELLIPSIS), label.GetTextStyle());
    label.SetAttribute(L"endellipsis", L"yes");
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER), label.GetTextStyle());
    label.SetAttribute(L"left_vcenter", L"1");
    EXPECT_EQ(static_cast<UINT>(DT_VCENTER), label.GetTextStyle());
    label.SetAttribute(L"left_vcenter", L"true");
    EXPECT_EQ(0x8024u, label.GetTextStyle());

    struct DwordCase
    {
        const wchar_t* name;
        const wchar_t* value;
        DWORD (CLabelUI::*get)() const;
        DWORD expected;
    } colours[] = {
        {L"textcolor", L"#FF112233", &CLabelUI::GetTextColor, 0xFF112233},
        {L"disabledtextcolor", L"FFA0A0A0", &CLabelUI::GetDisabledTextColor, 0xFFA0A0A0},
        {L"textcolor1", L"#80FF0000", &CLabelUI::GetTextColor1, 0x80FF0000},
        {L"textshadowcolora", L"#FF00FF00", &CLabelUI::GetTextShadowColorA, 0xFF00FF00},
        {L"textshadowcolorb", L"#FF0000FF", &CLabelUI::GetTextShadowColorB, 0xFF0000FF},
        {L"strokecolor", L"#FFFFFF00", &CLabelUI::GetStrokeColor, 0xFFFFFF00},
    };
    for (const DwordCase& c : colours) {
        label.SetAttribute(c.name, c.value);
        EXPECT_EQ(c.expected, (label.*c.get)()) << std::string(c.name, c.name + wcslen(c.name));
    }

    struct IntCase
    {
        const wchar_t* name;
        const wchar_t* value;
        int (CLabelUI::*get)() const;
        int expected;
    } numbers[] = {
        {L"font", L"3", &CLabelUI::GetFont, 3},
        {L"rhaa", L"4", &CLabelUI::GetTextRenderingHintAntiAlias, 4},
        {L"rhaa", L"7", &CLabelUI::GetTextRenderingHintAntiAlias, 0},
        {L"rhaa", L"-1", &CLabelUI::GetTextRenderingHintAntiAlias, 0},
        {L"transshadow", L"10", &CLabelUI::GetTransShadow, 10},
        {L"transshadow1", L"11", &CLabelUI::GetTransShadow1, 11},
        {L"transtext", L"12", &CLabelUI::GetTransText, 12},
        {L"transtext1", L"13", &CLabelUI::GetTransText1, 13},
        {L"transstroke", L"14", &CLabelUI::GetTransStroke, 14},
        {L"gradientangle", L"15", &CLabelUI::GetGradientAngle, 15},
        {L"gradientlength", L"16", &CLabelUI::GetGradientLength, 16},
    };
    for (const IntCase& c : numbers) {
        label.SetAttribute(c.name, c.value);
        EXPECT_EQ(c.expected, (label.*c.get)()) << std::string(c.name, c.name + wcslen(c.name));
    }

    struct BoolCase
    {
        const wchar_t* name;
        bool (CLabelUI::*get)() const;
    } switches[] = {{L"enabledstroke", &CLabelUI::GetEnabledStroke},
                    {L"enabledshadow", &CLabelUI::GetEnabledShadow},
                    {L"enabledeffect", &CLabelUI::GetEnabledEffect}};
    for (const BoolCase& c : switches) {
        label.SetAttribute(c.name, L"true");
        EXPECT_TRUE((label.*c.get)());
        label.SetAttribute(c.name, L"TRUE");
        EXPECT_FALSE((label.*c.get)());
    }

    label.SetAttribute(L"showhtml", L"true");
    EXPECT_TRUE(label.IsShowHtml());
    label.SetAttribute(L"textpadding", L"1,2,3,4");
    RECT padding = label.GetTextPadding();
    EXPECT_EQ("1,2,3,4", RectText(padding));
    // Anything else is the control base's.
    label.SetAttribute(L"name", L"caption");
    EXPECT_EQ(std::wstring(L"caption"), Str(label.GetName()));
}

TEST(LabelAttributes, ShadowOffsetFollowsTheAngle)
{
    struct Case
    {
        const wchar_t* value;
        float x, y;
    } cases[] = {
        {L"2,0", -2, -2}, {L"2,90", -2, -2}, {L"2,135", -2, 2}, {L"2,180", -2, 2}, {L"2,-45", 2, -2},
        {L"2,-90", 2, 0}, {L"2,-135", 2, 2}, {L"2,-180", 0, 2}, {L"2,181", 7, 7},  {L"2,-181", 7, 7},
    };
    for (const Case& c : cases) {
        CLabelUI label;
        label.SetShadowOffset(-7, 0); // (7, 7), which an ignored angle keeps
        label.SetAttribute(L"shadowoffset", c.value);
        Gdiplus::RectF offset = label.GetShadowOffset();
        EXPECT_FLOAT_EQ(c.x, offset.X) << std::string(c.value, c.value + wcslen(c.value));
        EXPECT_FLOAT_EQ(c.y, offset.Y) << std::string(c.value, c.value + wcslen(c.value));
    }
}

TEST(LabelAttributes, ShadowOffsetIsTheSameWhereverTheLabelStands)
{
    // The offset is a shift from the text, so a placed label gets the same one
    // as a label not laid out yet.
    const RECT places[] = {{0, 0, 120, 40}, {30, 12, 110, 38}, {-5, 20, 60, 40}};
    for (const RECT& rc : places) {
        PaintedLabel p(L"", rc);
        p.label.SetAttribute(L"shadowoffset", L"3,-135");
        Gdiplus::RectF offset = p.label.GetShadowOffset();
        EXPECT_FLOAT_EQ(3, offset.X) << rc.left << "," << rc.top;
        EXPECT_FLOAT_EQ(3, offset.Y) << rc.left << "," << rc.top;
    }
}

TEST(LabelEffect, TheEffectKeepsItsOwnText)
{
    CLabelUI label;
    label.SetText(L"base");
    label.SetEnabledEffect(true);
    label.SetText(L"effect");
    EXPECT_EQ(std::wstring(L"effect"), Str(label.GetText()));
    EXPECT_EQ(std::wstring(L"base"), Str(label.CControlUI::GetText()));
    label.SetText(NULL);
    EXPECT_EQ(std::wstring(L""), Str(label.GetText()));
    label.SetEnabledEffect(false);
    EXPECT_EQ(std::wstring(L"base"), Str(label.GetText()));

    CLabelUI fresh;
    fresh.SetAttribute(L"enabledeffect", L"true");
    fresh.SetText(L"only effect");
    EXPECT_EQ(std::wstring(L""), Str(fresh.CControlUI::GetText()));
    EXPECT_EQ(0, fresh.GetAutoSizeWidth()); // not painted yet
}

TEST(LabelSize, FixedHeightOrFontHeightPlusFour)
{
    TestWindow window(100, 100);
    CLabelUI label;
    label.SetManager(&window.pm, NULL, false);
    label.SetFixedWidth(50);
    SIZE available = {300, 300};
    SIZE sz = label.EstimateSize(available);
    EXPECT_EQ(50, sz.cx);
    EXPECT_EQ(window.pm.GetDefaultFontInfo()->tm.tmHeight + 4, sz.cy);
    label.SetFont(99); // out of range: the default font
    EXPECT_EQ(sz.cy, label.EstimateSize(available).cy);
    label.SetFixedHeight(33);
    sz = label.EstimateSize(available);
    EXPECT_EQ(50, sz.cx);
    EXPECT_EQ(33, sz.cy);
    label.SetManager(NULL, NULL, false);
}

TEST(LabelPaint, TextColoursByStateAndDefaultsTakenOnce)
{
    PaintedLabel p(L"\u6d4b\u8bd5 Label WWW");
    p.window.pm.SetDefaultFontColor(0xFF0000FF);
    p.window.pm.SetDefaultDisabledColor(0xFF00FF00);
    p.Paint();
    RECT all = p.canvas.rect();
    EXPECT_GT(CountColor(p.canvas, all, {0, 0, 255}), 3);
    EXPECT_EQ(0xFF0000FFu, p.label.GetTextColor());
    EXPECT_EQ(0xFF00FF00u, p.label.GetDisabledTextColor());

    // The defaults were copied at the first paint; later changes do not reach the label.
    p.window.pm.SetDefaultFontColor(0xFFFF0000);
    p.Paint();
    EXPECT_EQ(0, CountColor(p.canvas, all, {255, 0, 0}));
    EXPECT_GT(CountColor(p.canvas, all, {0, 0, 255}), 3);

    p.label.SetEnabled(false);
    p.Paint();
    EXPECT_EQ(0, CountColor(p.canvas, all, {0, 0, 255}));
    EXPECT_GT(CountColor(p.canvas, all, {0, 255, 0}), 3);
}

TEST(LabelPaint, PaddingKeepsTheTextOutOfItsEdges)
{
    PaintedLabel p(L"WWWWWWWWWWWWWWWWWWWWWWWW");
    p.label.SetTextColor(0xFF000000);
    p.label.SetAttribute(L"textpadding", L"30,0,30,0");
    p.Paint();
    EXPECT_EQ(0, CountColor(p.canvas, RECT{0, 0, 30, 40}, {0, 0, 0}, 60));
    EXPECT_EQ(0, CountColor(p.canvas, RECT{90, 0, 120, 40}, {0, 0, 0}, 60));
    EXPECT_GT(CountColor(p.canvas, RECT{30, 0, 90, 40}, {0, 0, 0}, 60), 10);
}

TEST(LabelPaint, TaggedTextColoursItsRuns)
{
    PaintedLabel p(L"plain <c #FF0000>red red red</c>");
    p.label.SetTextColor(0xFF000000);
    p.label.SetShowHtml(true);
    p.Paint();
    EXPECT_GT(CountColor(p.canvas, p.canvas.rect(), {255, 0, 0}, 30), 3);
}

TEST(LabelPaint, AutoSizeWidthOutlivesThePaintDC)
{
    PaintedLabel p(L"auto size width");
    EXPECT_EQ(0, p.label.GetAutoSizeWidth());
    int width = 0;
    {
        TestCanvas gone(120, 40);
        p.label.DoPaint(gone.dc(), gone.rect());
        width = p.label.GetAutoSizeWidth();
        EXPECT_GT(width, 20);
    }
    // The DC painted into is deleted now; the width is still measured.
    EXPECT_EQ(width, p.label.GetAutoSizeWidth());
    p.label.SetText(L"auto size width, longer");
    EXPECT_GT(p.label.GetAutoSizeWidth(), width);
}

TEST(LabelEvents, FocusEventsOnlySetTheFlag)
{
    CLabelUI label;
    TEventUI event = {};
    event.type = UIEV_SET_FOCUS;
    label.DoEvent(event);
    EXPECT_TRUE(label.IsFocused());
    event.type = UIEV_KILL_FOCUS;
    label.DoEvent(event);
    EXPECT_FALSE(label.IsFocused());
}

TEST(LabelEffect, StrokeShadowAndTextLayers)
{
    struct Case
    {
        const char* what;
        bool stroke, shadow;
        DWORD strokeColor;
        int red, green, blue; // expected presence of stroke red, shadow green, text blue
    } cases[] = {
        {"text only", false, false, 0xFFFF0000, 0, 0, 1},
        {"stroke", true, false, 0xFFFF0000, 1, 0, 1},
        {"stroke without colour", true, false, 0, 0, 0, 1},
        {"shadow", false, true, 0xFFFF0000, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PaintedLabel p(L"");
        p.label.SetEnabledEffect(true);
        p.label.SetText(L"WWWW");
        p.label.SetFont(p.window.pm.GetFontIndex(p.window.pm.AddFont(L"Tahoma", 28, true, false, false)));
        p.label.SetTextColor(0xFF0000FF);
        p.label.SetTransText(255);
        p.label.SetTransText1(255);
        p.label.SetEnabledStroke(c.stroke);
        p.label.SetStrokeColor(c.strokeColor);
        p.label.SetEnabledShadow(c.shadow);
        p.label.SetTextShadowColorA(0xFF00FF00);
        p.label.SetTransShadow(255);
        p.label.SetTransShadow1(255);
        p.label.SetAttribute(L"shadowoffset", L"3,-135"); // down and to the right
        p.label.SetTextRenderingHintAntiAlias(1);         // single-bit glyphs: exact colours
        p.Paint();
        RECT all = p.canvas.rect();
        EXPECT_EQ(c.red != 0, CountColor(p.canvas, all, {255, 0, 0}, 10) > 0);
        EXPECT_EQ(c.green != 0, CountColor(p.canvas, all, {0, 255, 0}, 10) > 0);
        EXPECT_EQ(c.blue != 0, CountColor(p.canvas, all, {0, 0, 255}, 10) > 0);
    }
}

TEST(LabelFactory, TheLayoutBuildsLabels)
{
    TestWindow w(L"<Window><Container><Label name=\"l\" text=\"hi\" align=\"right\" textcolor=\"#FF102030\"/>"
                 L"</Container></Window>");
    ASSERT_TRUE(w.ok());
    CLabelUI* label = w.Find<CLabelUI>(L"l");
    ASSERT_TRUE(label != NULL);
    EXPECT_TRUE(label->GetInterface(L"Label") == label);
    EXPECT_STREQ(L"LabelUI", label->GetClass());
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT), label->GetTextStyle());
    EXPECT_EQ(0xFF102030u, label->GetTextColor());
}
