#include "platform/qt/image_io.h"
#include "platform/qt/qt_text_renderer.h"

#include <QDir>
#include <QFontInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

DeviceFont Face(const char* face, int cellHeight, int angleTenths = 0) {
    DeviceFont font;
    font.face = face;
    font.cellHeight = cellHeight;
    font.angleTenths = angleTenths;
    return font;
}

} // namespace

TEST(QtTextRenderer, AscentAndDescentFillTheRequestedCell) {
    qt::QtTextRenderer renderer;
    for (const char* face : {"Arial", "Times New Roman", "System"})
        for (int height : {6, 13, 16, 40, 117}) {
            const TextMetrics metrics = renderer.Metrics(Face(face, height));
            EXPECT_EQ(metrics.height, height) << face;
            EXPECT_EQ(metrics.ascent + metrics.descent, height) << face << " " << height;
            EXPECT_GT(metrics.ascent, metrics.descent) << face << " " << height;
            EXPECT_GT(metrics.aveCharWidth, 0);
            EXPECT_GE(metrics.maxCharWidth, metrics.aveCharWidth);
        }
    // Arial's cell is its em plus about 12 percent of internal leading.
    const TextMetrics arial = renderer.Metrics(Face("Arial", 112));
    EXPECT_NEAR(arial.internalLeading, 12, 2);
    EXPECT_NEAR(renderer.FontFor(Face("Arial", 112)).pixelSize(), 100, 2);
}

TEST(QtTextRenderer, WindowsFaceNamesFindTheirMetricCompatibleFonts) {
    qt::QtTextRenderer renderer;
    EXPECT_EQ(QFontInfo(renderer.FontFor(Face("Arial", 20))).family(), QString("Liberation Sans"));
    EXPECT_EQ(QFontInfo(renderer.FontFor(Face("Times New Roman", 20))).family(), QString("Liberation Serif"));
    const QString fallback = QFontInfo(renderer.FontFor(Face("No Such Face", 20))).family();
    EXPECT_TRUE(fallback == "DejaVu Sans" || fallback == "Liberation Sans") << fallback.toStdString();
    DeviceFont bold = Face("Arial", 20);
    bold.weight = 700;
    EXPECT_TRUE(QFontInfo(renderer.FontFor(bold)).bold());
}

TEST(QtTextRenderer, MasksAreOnOffAndCachedWithinTheirBudget) {
    qt::QtTextRenderer renderer(64 * 1024);
    const auto first = renderer.Render(Face("Arial", 30), "Kitchen");
    ASSERT_GT(first->runs.size(), 10u);
    for (std::uint8_t value : first->coverage)
        EXPECT_LE(value, 1);
    EXPECT_EQ(first->advance, renderer.Advance(Face("Arial", 30), "Kitchen"));
    EXPECT_EQ(renderer.Render(Face("Arial", 30), "Kitchen"), first) << "the same text comes from the cache";
    EXPECT_NE(renderer.Render(Face("Arial", 30, 900), "Kitchen"), first) << "another angle is another mask";
    // The upright text sits on its baseline: ink above the origin row, little below it.
    int above = 0, below = 0;
    for (const TextMask::Run& run : first->runs)
        (run.y < first->originY ? above : below) += run.x1 - run.x0;
    EXPECT_GT(above, 10 * below);
    for (int i = 0; i < 500; ++i)
        renderer.Render(Face("Arial", 30), "Room " + std::to_string(i));
    EXPECT_LT(renderer.CachedMasks(), 200u);
    EXPECT_GT(renderer.CachedMasks(), 10u);
    EXPECT_FALSE(first->runs.empty()) << "a mask outlives its eviction while held";
}

TEST(ImageIo, PngFilesKeepEveryPixel) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = QDir(folder.path()).filePath("plan.png").toStdString();
    PixelBuffer image(37, 21, PixelFromColour(Rgb(255, 255, 255)));
    for (int i = 0; i < 21; ++i)
        image.SetPixel(i, i, PixelFromColour(Rgb(i * 12, 255 - i, 7)));
    ASSERT_TRUE(qt::SavePng(image, path));
    PixelBuffer read;
    ASSERT_TRUE(qt::LoadPng(path, read));
    EXPECT_TRUE(read == image);
    EXPECT_FALSE(qt::LoadPng(path + ".missing", read));
    EXPECT_TRUE(read == image);
    EXPECT_FALSE(qt::SavePng(PixelBuffer(), path));
}
