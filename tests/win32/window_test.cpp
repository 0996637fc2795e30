// The real Win32 window: its layout, the first tick, and the road from
// province to figures through its controls.
#include <gtest/gtest.h>

#include "tests/win32/window_support.h"

namespace chengxi::testing {
namespace {

TEST(Win32Window, StartUpState)
{
    Window w;
    EXPECT_EQ(w.text(w.hwnd()), L"欢迎使用澄溪水质查询系统");
    EXPECT_EQ(w.items(1).size(), 31u);
    EXPECT_EQ(w.items(1).front(), L"北京");
    EXPECT_EQ(w.items(1).back(), L"浙江");
    EXPECT_TRUE(w.items(2).empty());
    EXPECT_TRUE(w.items(3).empty());
    EXPECT_EQ(w.comboText(1), L"北京");
    EXPECT_EQ(w.comboText(2), L"北京");
    EXPECT_EQ(w.comboText(3), L"昌平区");
    EXPECT_EQ(w.caption(2), L"Label2");
    EXPECT_EQ(w.caption(8), L"");
    EXPECT_EQ(w.caption(10), L"");
}

TEST(Win32Window, FullRoad)
{
    Window w;
    w.tick();
    w.type(1, L"安徽");
    w.tick();
    EXPECT_EQ(w.comboText(2), L"安庆");
    EXPECT_EQ(w.comboText(3), L"枞阳县");
    EXPECT_EQ(w.items(3).size(), 11u);
    w.click();
    EXPECT_EQ(w.caption(8), L"146");
    EXPECT_EQ(w.caption(10), L"0.06mg/L");
}

}  // namespace
}  // namespace chengxi::testing
