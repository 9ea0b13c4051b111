// The resource cache owns what it holds: fonts and cached bitmaps are freed when
// they are removed or the cache goes, a bitmap refused under a taken name stays
// the caller's, and the first default attribute list of a name stays.
#include "resource_cache.h"

#include "gdi_scope.h"
#include "gtest/gtest.h"
#include "paint_manager.h"

using namespace SkinUI;

namespace {

bool IsLiveGdiObject(HGDIOBJ handle) { return ::GetObjectType(handle) != 0; }

HBITMAP SmallBitmap() { return CreateDib32(NULL, 4, 4, NULL); }

}  // namespace

TEST(ResourceCache, FontsAreInsertedWithinBoundsAndFreedWhenRemoved)
{
    HFONT first = NULL, second = NULL;
    {
        ResourceCache cache(L"");
        EXPECT_EQ(NULL, cache.InsertFont(1, L"Arial", 12, false, false, false)) << "past the end";
        EXPECT_EQ(NULL, cache.InsertFont(-1, L"Arial", 12, false, false, false));
        ASSERT_NE(nullptr, cache.InsertFont(0, L"Arial", 12, false, false, false));
        TFontInfo* inserted = cache.InsertFont(0, L"Tahoma", 14, true, false, true);
        ASSERT_NE(nullptr, inserted);
        EXPECT_EQ(2, cache.FontCount());
        EXPECT_EQ(inserted, cache.FontAt(0));
        EXPECT_STREQ(L"Arial", cache.FontAt(1)->sFontName.GetData());
        EXPECT_EQ(NULL, cache.FontAt(2));
        first = cache.FontAt(0)->hFont;
        second = cache.FontAt(1)->hFont;
        EXPECT_EQ(0, cache.FontAt(1)->tm.tmHeight) << "metrics are the manager's to fill";

        ASSERT_TRUE(cache.RemoveFontAt(0));
        EXPECT_FALSE(IsLiveGdiObject(first));
        EXPECT_FALSE(cache.RemoveFontAt(1));
        EXPECT_TRUE(IsLiveGdiObject(second));

        HFONT oldDefault = cache.DefaultFont()->hFont;
        ASSERT_TRUE(cache.ReplaceDefaultFont(L"Tahoma", 20, false, true, false));
        EXPECT_FALSE(IsLiveGdiObject(oldDefault));
        EXPECT_EQ(20, cache.DefaultFont()->iSize);
        EXPECT_TRUE(cache.DefaultFont()->bUnderline);
        first = cache.DefaultFont()->hFont;
    }
    EXPECT_FALSE(IsLiveGdiObject(second)) << "freed with the cache";
    EXPECT_FALSE(IsLiveGdiObject(first)) << "the default font freed with the cache";
}

TEST(ResourceCache, CachedBitmapsBelongToTheCacheOnceAccepted)
{
    HBITMAP kept = SmallBitmap();
    HBITMAP refused = SmallBitmap();
    HBITMAP removed = SmallBitmap();
    {
        ResourceCache cache(L"");
        ASSERT_NE(nullptr, cache.AddImage(L"a.png", kept, 4, 4, false));
        EXPECT_EQ(nullptr, cache.AddImage(L"a.png", refused, 4, 4, false)) << "the name is taken";
        EXPECT_EQ(nullptr, cache.AddImage(L"zero.png", refused, 0, 4, false));
        EXPECT_EQ(nullptr, cache.AddImage(L"", refused, 4, 4, false));
        ASSERT_NE(nullptr, cache.AddImage(L"b.png", removed, 4, 4, true));
        EXPECT_TRUE(cache.FindImage(L"b.png")->alphaChannel);
        ASSERT_TRUE(cache.RemoveImage(L"b.png"));
        EXPECT_FALSE(IsLiveGdiObject(removed));
        EXPECT_EQ(nullptr, cache.FindImage(L"b.png"));
        EXPECT_TRUE(IsLiveGdiObject(kept));
    }
    EXPECT_FALSE(IsLiveGdiObject(kept)) << "freed with the cache";
    EXPECT_TRUE(IsLiveGdiObject(refused)) << "still the caller's";
    BitmapHandle cleanup(refused);
}

TEST(ResourceCache, DefaultListsKeepTheFirstAndTagsAnswerZeroWhenUnset)
{
    ResourceCache cache(L"");
    cache.AddDefaultAttributeList(L"Button", L"height=\"30\"");
    cache.AddDefaultAttributeList(L"Button", L"height=\"40\"");
    EXPECT_STREQ(L"height=\"30\"", cache.FindDefaultAttributeList(L"Button"));
    EXPECT_EQ(nullptr, cache.FindDefaultAttributeList(L"button")) << "names are case-sensitive";
    EXPECT_TRUE(cache.RemoveDefaultAttributeList(L"Button"));
    EXPECT_FALSE(cache.RemoveDefaultAttributeList(L"Button"));

    EXPECT_EQ(0u, cache.DefaultTag(L"main.xml"));
    cache.SetDefaultTag(L"main.xml", 7);
    EXPECT_EQ(7u, cache.DefaultTag(L"main.xml"));
    cache.RemoveDefaultTag(L"main.xml");
    EXPECT_EQ(0u, cache.DefaultTag(L"main.xml"));
}
