#pragma once

#include "platform/window.h"

#include <string>
#include <vector>

namespace scrivel::platform {

// The message box's window: the text, line by line, above one OK button. Enter, Escape, Space, a
// click on OK or the system's close dismiss it. Application::ShowMessage runs it modally.
class MessageDialog : public Window {
public:
    MessageDialog(Application& app, const std::string& text);

    bool Dismissed() const { return dismissed_; }

    struct Layout {
        int width = 0;
        int height = 0;
        int lineHeight = 0;
        int buttonLeft = 0;
        int buttonTop = 0;
    };
    const Layout& GetLayout() const { return layout_; }

    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;

protected:
    void Paint() override;
    void OnKeyDown(int code, ShiftState shift) override;
    void OnMouseDown(const MouseEvent& event) override;
    void OnMouseUp(const MouseEvent& event) override;
    void OnCloseRequest() override;

private:
    bool OnButton(int x, int y) const;

    std::vector<std::string> lines_;
    Layout layout_;
    bool buttonPressed_ = false;
    bool dismissed_ = false;
};

} // namespace scrivel::platform
