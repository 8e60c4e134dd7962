// The generated skins: every outline traces to exactly its own pixels, so the window and the
// buttons take the shapes drawn for them, and every layout fits its outline.
#include "platform/bitmap.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/path.h"
#include "platform/region.h"
#include "skin/region_maker.h"

#include <gtest/gtest.h>
#include <string>

namespace scrivel {
namespace {

const std::string kSkins = std::string(SCRIVEL_GAME_DIR) + "Skins/";

// The traced outline, filled, covers the shape pixels (those whose colour differs from the
// top-left one, as the tracer sees a mask) and nothing else.
void ExpectTracesExactly(const std::string& file) {
    SCOPED_TRACE(file);
    platform::Bitmap mask = platform::Bitmap::LoadBmp(file);
    const platform::Bitmap original = platform::Bitmap::LoadBmp(file);
    platform::Path path;
    TRegionMaker().BuildPath(mask, path);
    const std::optional<platform::Region> region = platform::Region::FromPath(path);
    ASSERT_TRUE(region.has_value());
    int mismatches = 0, shapePixels = 0;
    for (int y = 0; y < original.Height(); ++y) {
        for (int x = 0; x < original.Width(); ++x) {
            const bool shape = original.Pixel(x, y) != original.Pixel(0, 0);
            mismatches += region->Contains(x, y) != shape ? 1 : 0;
            shapePixels += shape ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(region->PixelCount(), shapePixels) << "nothing outside the bitmap";
}

TEST(SkinFiles, OutlinesTraceExactlyAndLayoutsAndButtonsFitThem) {
    const platform::IniFile ini(kSkins + "skin.ini");
    for (int n = 1; n <= 4; ++n) {
        const std::string section = "Skin" + std::to_string(n);
        SCOPED_TRACE(section);
        ExpectTracesExactly(kSkins + "region" + std::to_string(n) + "mask.bmp");
        const platform::Bitmap mask =
            platform::Bitmap::LoadBmp(kSkins + "region" + std::to_string(n) + "mask.bmp");
        const platform::Bitmap picture =
            platform::Bitmap::LoadJpeg(kSkins + "region" + std::to_string(n) + ".jpg");
        EXPECT_EQ(std::pair(picture.Width(), picture.Height()),
                  std::pair(mask.Width(), mask.Height()));
        const auto inside = [&](int x, int y) { return mask.Pixel(x, y) != mask.Pixel(0, 0); };
        const auto read = [&](const std::string& key) { return ini.ReadInteger(section, key, -1); };

        // The projection is fixed: the panel keeps the view's proportions.
        const int left = read("PanelLeft"), top = read("PanelTop");
        const int width = read("PanelWidth"), height = read("PanelHeight");
        EXPECT_NEAR(static_cast<double>(width) / height, 1.18, 0.02);
        EXPECT_TRUE(height >= 100 && height <= 899) << height;
        EXPECT_TRUE(inside(left, top + height / 2) && inside(left + width - 1, top + height / 2) &&
                    inside(left + width / 2, top) && inside(left + width / 2, top + height - 1));
        EXPECT_TRUE(inside(read("TitleLeft"), read("TitleTop")));
        for (const std::string icon : {"CloseB", "ReduceB"}) {
            const int x = read(icon + "Left"), y = read(icon + "Top");
            EXPECT_TRUE(inside(x, y + 12) && inside(x + 24, y + 12) && inside(x + 12, y + 24))
                << icon;
        }

        for (const std::string key : {"F1", "F2", "F3", "UpB", "LeftB", "RightB", "DownB"}) {
            const std::string file = kSkins + ini.ReadString(section, key + "Name", "");
            ASSERT_TRUE(platform::FileExists(file)) << file;
            ExpectTracesExactly(file);
            const platform::Bitmap button = platform::Bitmap::LoadBmp(file);
            const int x = read(key + "Left"), y = read(key + "Top");
            for (int by = 0; by < button.Height(); ++by) {
                for (int bx = 0; bx < button.Width(); ++bx) {
                    if (button.Pixel(bx, by) != button.Pixel(0, 0) && !inside(x + bx, y + by)) {
                        ADD_FAILURE() << file << " hangs off the outline at " << bx << "," << by;
                        return;
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace scrivel
