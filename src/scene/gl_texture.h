#pragma once

namespace scrivel {

// The owner of one GL texture name: deletes the texture when it goes, moves but never copies, so
// a name is deleted exactly once. Needs the context that made it current when it ends; a texture
// that outlives its context is deleted with the context instead.
class GlTexture {
public:
    GlTexture() = default;
    ~GlTexture();
    GlTexture(GlTexture&& other) noexcept;
    GlTexture& operator=(GlTexture&& other) noexcept;
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

    // Makes a new GL texture name on first use; returns the name held.
    unsigned Generate();
    // Deletes the texture; the handle is empty afterwards.
    void Reset();

    // 0 while empty.
    unsigned Name() const { return name_; }
    explicit operator bool() const { return name_ != 0; }

private:
    unsigned name_ = 0;
};

} // namespace scrivel
