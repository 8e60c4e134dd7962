#pragma once

#include "platform/colour.h"
#include "platform/window.h"

#include <string>

namespace scrivel::platform {

// The small pale window that shows a control's hint below the pointer.
class HintWindow : public Window {
public:
    explicit HintWindow(Application& app);

    // Sizes the window to the text (UTF-8) and shows it with its top-left corner at (x, y),
    // kept on the screen.
    void ShowText(const std::string& text, int x, int y);
    const std::string& Text() const { return text_; }

protected:
    void Paint() override;

private:
    static constexpr Colour kBackground{255, 255, 225}; // the Windows tooltip yellow
    static constexpr int kPadding = 3;

    std::string text_;
};

} // namespace scrivel::platform
