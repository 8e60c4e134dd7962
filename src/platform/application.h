#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace scrivel::platform {

class Window;

// No X server could be reached.
class DisplayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the idle handler asks of the loop.
enum class IdleNext {
    Again, // call it again as soon as the events are handled (a running clock)
    Wait,  // it has nothing to do until something happens: the loop may sleep on the X connection
};

// The program's one connection to the X server, its window registry and its message loop. Only
// one exists at a time; every Window refers to it and must be destroyed before it. While it lives,
// MessageBox shows its dialog on this display.
class Application {
public:
    // Opens the display named by displayName, or by DISPLAY when empty. Throws DisplayError.
    explicit Application(const std::string& displayName = "");
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application alive now, or nullptr.
    static Application* Current();

    // The single idle slot: called each time the event queue has been emptied, so at least once a
    // millisecond while the loop runs and the handler answers Again; after Wait the loop comes
    // round at the next event, or within a pause as it does without a handler. The last handler
    // set replaces the previous one; an empty function clears the slot.
    void SetIdleHandler(std::function<IdleNext()> handler);

    // The window that minimising hides and whose system close ends the loop.
    void SetMainWindow(Window* window);
    Window* MainWindow() const;

    // Runs the message loop until Quit.
    void Run();
    // Ends Run after the current turn of the loop.
    void Quit();
    bool Terminated() const;
    // One turn of the loop: handles every pending event, paints what needs it, calls the idle
    // handler, then waits up to maxWait for the X connection when there is nothing left to do
    // (longer, up to the pause of a loop without a handler, when the handler answered Wait).
    void RunOnce(std::chrono::milliseconds maxWait = std::chrono::milliseconds(1));
    // Handles every pending event and paints what needs it, without waiting or idling.
    void ProcessMessages();
    // Waits until the server has handled every request so far, then handles the events it sent.
    void Sync();

    // Iconifies the main window.
    void Minimize();
    int ScreenWidth() const;
    int ScreenHeight() const;
    // The XShape extension, probed once: without it windows stay rectangular.
    bool HasShape() const;

    // How long the pointer must rest on a control before its hint shows.
    void SetHintPause(std::chrono::milliseconds pause);
    // The hint window's text while it is shown, else empty.
    std::string ShownHint() const;

    // The modal message dialog; MessageBox comes here while the application lives.
    void ShowMessage(const std::string& text);

    struct Impl;
    Impl& Internals() { return *impl_; }
    const Impl& Internals() const { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace scrivel::platform
