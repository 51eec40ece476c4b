// The door pictures of the door dialogs: each type shows its door on the face, and running the way,
// that the door tools give that type; the pictures are crisp (no blended pixels) at 100 % and 200 %.
#include "resources/door_pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct Centroid {
    double x = 0;
    double y = 0;
    int count = 0;
};

// Where the pixels of one colour lie, as a fraction of the picture (0.5 the middle).
Centroid CentroidOf(const platform::PixelBuffer& image, platform::ColourRef colour) {
    Centroid c;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) == platform::PixelFromColour(colour)) {
                c.x += x + 0.5;
                c.y += y + 0.5;
                ++c.count;
            }
    if (c.count > 0) {
        c.x /= c.count * double(image.Width());
        c.y /= c.count * double(image.Height());
    }
    return c;
}

// For each type: which way the door side lies from the wall and which way the gap runs, as
// (-1 left or up, +1 right or down) on the screen.
struct Handing {
    int doorSideX, doorSideY; // 0 along the axis the wall runs on
    int gapX, gapY;
};
const Handing Handings[9] = {{},
                             {-1, 0, 0, +1},  // 1: left face, runs down
                             {-1, 0, 0, -1},  // 2: left face, runs up
                             {+1, 0, 0, +1},  // 3: right face, runs down
                             {+1, 0, 0, -1},  // 4: right face, runs up
                             {0, -1, +1, 0},  // 5: upper face, runs right
                             {0, +1, +1, 0},  // 6: lower face, runs right
                             {0, -1, -1, 0},  // 7: upper face, runs left
                             {0, +1, -1, 0}}; // 8: lower face, runs left

int SideOf(double fraction) {
    return fraction < 0.45 ? -1 : fraction > 0.55 ? +1 : 0;
}

} // namespace

TEST(DoorPictures, HingedDoorsSwingFromTheFaceTheirTypeHangsOn) {
    for (int size : {48, 96}) {
        for (int type = 1; type <= 8; ++type) {
            const platform::PixelBuffer image = HingedDoorPicture(type, size, size);
            ASSERT_EQ(image.Width(), size);
            const Handing h = Handings[type];
            // The leaf and the swing lie on the door side of the wall...
            const Centroid wall = CentroidOf(image, door_picture::WallFill);
            const Centroid swing = CentroidOf(image, door_picture::Swing);
            ASSERT_GT(swing.count, 0);
            if (h.doorSideX != 0) {
                EXPECT_EQ(SideOf(swing.x - wall.x + 0.5), h.doorSideX) << "type " << type << " at " << size;
                // ...and the swing sweeps along the gap from the hinge.
                EXPECT_EQ(SideOf(swing.y), h.gapY) << "type " << type << " at " << size;
            } else {
                EXPECT_EQ(SideOf(swing.y - wall.y + 0.5), h.doorSideY) << "type " << type << " at " << size;
                EXPECT_EQ(SideOf(swing.x), h.gapX) << "type " << type << " at " << size;
            }
        }
    }
}

TEST(DoorPictures, SlidingDoorsLieOnTheirFaceAndSlideOverTheLongerWall) {
    for (int size : {48, 96}) {
        for (int type = 1; type <= 8; ++type) {
            const platform::PixelBuffer image = SlidingDoorPicture(type, size, size);
            const Handing h = Handings[type];
            const Centroid wall = CentroidOf(image, door_picture::WallFill);
            const Centroid arrow = CentroidOf(image, door_picture::Swing);
            ASSERT_GT(arrow.count, 0);
            if (h.doorSideX != 0) {
                EXPECT_EQ(SideOf(arrow.x - wall.x + 0.5), h.doorSideX) << "type " << type;
                // The wall the leaf slides over lies behind the jamb, against the way the gap runs.
                EXPECT_EQ(SideOf(wall.y), -h.gapY) << "type " << type;
            } else {
                EXPECT_EQ(SideOf(arrow.y - wall.y + 0.5), h.doorSideY) << "type " << type;
                EXPECT_EQ(SideOf(wall.x), -h.gapX) << "type " << type;
            }
        }
    }
}

TEST(DoorPictures, AreDrawnInTheirFourColoursOnlyAndDifferByType) {
    const std::set<std::uint32_t> palette = {
        platform::PixelFromColour(door_picture::Paper), platform::PixelFromColour(door_picture::WallFill),
        platform::PixelFromColour(door_picture::Ink), platform::PixelFromColour(door_picture::Swing)};
    for (auto picture : {HingedDoorPicture, SlidingDoorPicture}) {
        std::set<std::vector<std::uint32_t>> distinct;
        for (int type = 1; type <= 8; ++type)
            for (int size : {48, 96}) {
                const platform::PixelBuffer image = picture(type, size, size);
                for (std::uint32_t pixel : image.Pixels())
                    ASSERT_TRUE(palette.count(pixel)) << std::hex << pixel;
                if (size == 48) distinct.insert(image.Pixels());
            }
        EXPECT_EQ(distinct.size(), 8u);
        EXPECT_EQ(picture(0, 48, 48).Width(), 0);
        EXPECT_EQ(picture(9, 48, 48).Width(), 0);
        EXPECT_EQ(picture(1, 0, 48).Width(), 0);
    }
}
