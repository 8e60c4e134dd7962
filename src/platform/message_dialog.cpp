#include "platform/message_dialog.h"

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/key_map.h"
#include "texts/texts.h"

#include <algorithm>

namespace scrivel::platform {

namespace {

const Font kDialogFont{"DejaVu Sans", 9, colours::kBlack, FontStyle::Regular};
constexpr Colour kFace{240, 240, 240};
constexpr Colour kButtonFace{225, 225, 225};
constexpr Colour kButtonEdge{173, 173, 173};
constexpr Colour kButtonFocus{0, 120, 215}; // the Windows accent blue
constexpr int kMargin = 16;
constexpr int kMinWidth = 220;

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else if (c != '\r') {
            lines.back() += c;
        }
    }
    return lines;
}

} // namespace

MessageDialog::MessageDialog(Application& app, const std::string& text)
    : Window(app, WindowKind::Dialog, {0, 0, kMinWidth, 100},
             texts::Text(texts::TextId::GameTitle)),
      lines_(SplitLines(text)) {
    Canvas& canvas = GetCanvas();
    canvas.SetFont(kDialogFont);
    int textWidth = 0;
    int lineHeight = canvas.TextHeight("Xg", TextEncoding::Utf8);
    for (const std::string& line : lines_) {
        textWidth = std::max(textWidth, canvas.TextWidth(line, TextEncoding::Utf8));
    }
    const int screenWidth = app.ScreenWidth();
    const int screenHeight = app.ScreenHeight();
    layout_.lineHeight = lineHeight;
    layout_.width =
        std::clamp(textWidth + 2 * kMargin, kMinWidth, std::max(screenWidth, kMinWidth));
    layout_.buttonTop = kMargin + static_cast<int>(lines_.size()) * lineHeight + kMargin;
    layout_.height = layout_.buttonTop + kButtonHeight + 12;
    layout_.buttonLeft = (layout_.width - kButtonWidth) / 2;

    // Over the main window when there is one, else in the middle of the screen.
    int left = (screenWidth - layout_.width) / 2;
    int top = (screenHeight - layout_.height) / 2;
    if (Window* main = app.MainWindow(); main != nullptr && main->Visible()) {
        left = main->Left() + (main->Width() - layout_.width) / 2;
        top = main->Top() + (main->Height() - layout_.height) / 2;
    }
    left = std::clamp(left, 0, std::max(screenWidth - layout_.width, 0));
    top = std::clamp(top, 0, std::max(screenHeight - layout_.height, 0));
    SetBounds(left, top, layout_.width, layout_.height);
}

void MessageDialog::Paint() {
    Canvas& canvas = GetCanvas();
    canvas.FillRect(0, 0, Width(), Height(), kFace);
    canvas.SetFont(kDialogFont);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        canvas.TextOut(kMargin, kMargin + static_cast<int>(i) * layout_.lineHeight, lines_[i],
                       TextEncoding::Utf8);
    }
    const int left = layout_.buttonLeft;
    const int top = layout_.buttonTop;
    canvas.FillRect(left, top, kButtonWidth, kButtonHeight, kButtonFocus);
    canvas.FillRect(left + 1, top + 1, kButtonWidth - 2, kButtonHeight - 2,
                    buttonPressed_ ? kButtonEdge : kButtonFace);
    const char* button = texts::Text(texts::TextId::MessageBoxButton);
    const TextSize size = canvas.TextExtent(button, TextEncoding::Utf8);
    const int offset = buttonPressed_ ? 1 : 0;
    canvas.TextOut(left + (kButtonWidth - size.width) / 2 + offset,
                   top + (kButtonHeight - size.height) / 2 + offset, button, TextEncoding::Utf8);
}

void MessageDialog::OnKeyDown(int code, ShiftState) {
    if (code == key::kEnter || code == key::kEscape || code == key::kSpace) {
        dismissed_ = true;
    }
}

bool MessageDialog::OnButton(int x, int y) const {
    return x >= layout_.buttonLeft && x < layout_.buttonLeft + kButtonWidth &&
           y >= layout_.buttonTop && y < layout_.buttonTop + kButtonHeight;
}

void MessageDialog::OnMouseDown(const MouseEvent& event) {
    if (event.button == MouseButton::Left && OnButton(event.x, event.y)) {
        buttonPressed_ = true;
        Repaint();
    }
}

void MessageDialog::OnMouseUp(const MouseEvent& event) {
    if (event.button != MouseButton::Left || !buttonPressed_) {
        return;
    }
    buttonPressed_ = false;
    Repaint();
    if (OnButton(event.x, event.y)) {
        dismissed_ = true;
    }
}

void MessageDialog::OnCloseRequest() {
    dismissed_ = true;
}

} // namespace scrivel::platform
