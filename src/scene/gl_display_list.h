#pragma once

namespace scrivel {

// The owner of one GL display list: deletes it when it goes, moves but never copies, so a list is
// deleted exactly once. Needs the context that made it current when it ends.
class GlDisplayList {
public:
    GlDisplayList() = default;
    ~GlDisplayList();
    GlDisplayList(GlDisplayList&& other) noexcept;
    GlDisplayList& operator=(GlDisplayList&& other) noexcept;
    GlDisplayList(const GlDisplayList&) = delete;
    GlDisplayList& operator=(const GlDisplayList&) = delete;

    // Makes a new list name on first use and starts compiling into it; EndCompile ends it.
    void BeginCompile();
    void EndCompile();
    // Runs the list; nothing while empty.
    void Call() const;
    // Deletes the list; the handle is empty afterwards.
    void Reset();

    // 0 while empty.
    unsigned Name() const { return name_; }

private:
    unsigned name_ = 0;
};

} // namespace scrivel
