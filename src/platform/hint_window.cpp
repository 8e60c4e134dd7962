#include "platform/hint_window.h"

#include "platform/application.h"
#include "platform/canvas.h"

#include <algorithm>

namespace scrivel::platform {

namespace {

const Font kHintFont{"DejaVu Sans", 8, colours::kBlack, FontStyle::Regular};

} // namespace

HintWindow::HintWindow(Application& app) : Window(app, WindowKind::Tooltip, {0, 0, 1, 1}) {}

void HintWindow::ShowText(const std::string& text, int x, int y) {
    text_ = text;
    Canvas& canvas = GetCanvas();
    canvas.SetFont(kHintFont);
    const TextSize size = canvas.TextExtent(text_, TextEncoding::Utf8);
    const int width = size.width + 2 * kPadding + 2;
    const int height = size.height + 2 * kPadding;
    x = std::clamp(x, 0, std::max(App().ScreenWidth() - width, 0));
    y = std::clamp(y, 0, std::max(App().ScreenHeight() - height, 0));
    SetBounds(x, y, width, height);
    Show();
    Raise();
    Invalidate();
}

void HintWindow::Paint() {
    Canvas& canvas = GetCanvas();
    canvas.FillRect(0, 0, Width(), Height(), colours::kBlack);
    canvas.FillRect(1, 1, Width() - 2, Height() - 2, kBackground);
    canvas.SetFont(kHintFont);
    canvas.TextOut(kPadding + 1, kPadding, text_, TextEncoding::Utf8);
}

} // namespace scrivel::platform
