#include "platform/x_error_trap.h"
#include "platform_x11/x11_fixture.h"

#include <string>

namespace scrivel::platform {
namespace {

using XErrorTrapTest = test::X11Test;

// A window id no client owns.
constexpr ::Window kNoWindow = 0x3FFFFFF;

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(XErrorTrapTest, CatchesAFailedCallAndReportsItOnceWithTheSubsystem) {
    testing::internal::CaptureStderr();
    for (int i = 0; i < 2; ++i) {
        XErrorTrap trap(App(), "GLX");
        XMapWindow(XDisplay(), kNoWindow);
        EXPECT_FALSE(trap.Check("cannot map the window"));
        EXPECT_EQ(trap.ErrorCode(), BadWindow);
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Count(errors, "GLX: cannot map the window: BadWindow"), 1) << errors;
}

TEST_F(XErrorTrapTest, NestedTrapsKeepTheirOwnErrors) {
    XErrorTrap outer(App(), "outer");
    {
        XErrorTrap inner(App(), "inner");
        XMapWindow(XDisplay(), kNoWindow);
        EXPECT_FALSE(inner.Succeeded());
    }
    EXPECT_TRUE(outer.Succeeded());
    XUnmapWindow(XDisplay(), kNoWindow);
    EXPECT_FALSE(outer.Succeeded());
}

TEST_F(XErrorTrapTest, AnErrorOutsideATrapIsReportedWithoutEndingTheProgram) {
    testing::internal::CaptureStderr();
    XMapWindow(XDisplay(), kNoWindow);
    XMapWindow(XDisplay(), kNoWindow);
    App().Sync();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Count(errors, "X11: request"), 1) << errors;
    EXPECT_NE(errors.find("BadWindow"), std::string::npos) << errors;
}

} // namespace
} // namespace scrivel::platform
