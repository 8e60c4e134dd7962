#include "render/head_up.h"

#include "platform/utf8.h"
#include "render/screen_look.h"
#include "texts/texts.h"

#include <algorithm>

namespace scrivel {

namespace {

using texts::TextId;

// The bitmap fonts draw Latin-1 bytes, the encoding the player's name is kept in.
std::string Drawable(TextId id) {
    return platform::Utf8ToLatin1(texts::Text(id));
}

// The score's baseline under the window's top, and from there down to the name's baseline at
// least the score's descent and the 18-point name's height.
constexpr int kScoreTop = 18;
constexpr int kScoreToName = 20;
// The lowest panel the "GAME OVER" lines fit in at their fixed distances from the top.
constexpr int kGameOverFullHeight = 400;

// Font size of the score line and the name prompt by window height, 0 to keep the last one.
int HeadUpSize(int height, int small) {
    const int b = height / 100;
    if (b >= 1 && b <= 3) {
        return small;
    }
    if (b == 4) {
        return 14;
    }
    if (b >= 5 && b <= 8) {
        return 24;
    }
    return 0;
}

} // namespace

std::vector<HeadUpLine> HeadUpLines(ViewMode mode, int height, int blink, int score,
                                    const std::string& name) {
    std::vector<HeadUpLine> lines;
    // The skins' panels are smaller than the 500 pixels these lines were laid out for: from 300
    // pixels up the score keeps a readable size, and the name never climbs into it.
    const int scoreSize = height / 100 == 3 ? 14 : HeadUpSize(height, 8);
    const int nameY = std::min(height - height / 12, height - kScoreTop - kScoreToName);
    lines.push_back({100, height - kScoreTop, scoreSize, 1.0f, 0.2f, 0.2f, std::to_string(score)});
    lines.push_back({100, nameY, 18, 1.0f, 1.0f, 1.0f, name});

    const ScreenLook* look = LookOf(mode);
    if (look != nullptr && look->NamePrompt && blink >= 20) {
        // Heights the table leaves open get the nearest size, so the prompt never overlaps itself.
        int size = HeadUpSize(height, 12);
        if (size == 0) {
            size = height < 100 ? 12 : 24;
        }
        lines.push_back({0, height / 2, size, 1.0f, 0.8f, 0.8f, Drawable(TextId::EnterYourName)});
        lines.push_back({100, height / 2 - size, 0, 1.0f, 0.0f, 0.0f, name});
    }
    if (look != nullptr && look->GameOverLines && blink < 10) {
        // Under 400 pixels the last line would leave the panel: the three lines then keep the
        // places they have on a 500-pixel panel, in proportion.
        const bool low = height < kGameOverFullHeight;
        const int overY = low ? height / 2 : height - 250;
        const int keyY = low ? height * 2 / 5 : height - 300;
        const int actionY = low ? height * 3 / 10 : height - 350;
        lines.push_back({130, overY, 18, 1.0f, 1.0f, 1.0f, Drawable(TextId::GameOver)});
        lines.push_back({120, keyY, 12, 1.0f, 1.0f, 1.0f, Drawable(look->GameOverLines->Key)});
        lines.push_back({100, actionY, 0, 1.0f, 1.0f, 1.0f, Drawable(look->GameOverLines->Action)});
    }
    return lines;
}

void BannerScroll::Step(int width) {
    if (!started_) {
        x_ = width;
        started_ = true;
    }
    // At least a pixel a tick: a window narrower than 50 pixels would stop the line.
    x_ -= std::max(1, width / 50);
    if (x_ >= Left) {
        drawnX_ = x_;
        return;
    }
    if (x_ < -width) {
        x_ = width;
    }
    drawnX_ = Left;
}

} // namespace scrivel
