#include "platform/qt/image_io.h"
#include "platform/qt/qt_text_renderer.h"

#include "platform/qt/text_encoding.h"

#include <QColor>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <utility>

using namespace platform;

namespace {

DeviceFont Face(const char* face, int cellHeight, int angleTenths = 0) {
    DeviceFont font;
    font.face = face;
    font.cellHeight = cellHeight;
    font.angleTenths = angleTenths;
    return font;
}

// The pixels a painter lights for the whole text, relative to the start of its baseline.
std::set<std::pair<int, int>> PaintedInk(const QFont& font, const QString& text, int angleTenths) {
    const QFontMetrics metrics(font);
    const int reach = metrics.horizontalAdvance(text) + 4 * metrics.height() + 8;
    QImage image(2 * reach, 2 * reach, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(255, 255, 255));
        painter.translate(reach, reach);
        painter.rotate(-angleTenths / 10.0);
        painter.drawText(QPointF(0, 0), text);
    }
    std::set<std::pair<int, int>> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGreen(image.pixel(x, y)) >= 128) ink.insert({x - reach, y - reach});
    return ink;
}

// The pixels a mask's runs light, from the start of its baseline; the runs must lie in the mask's box,
// row by row and left to right, each as long as it goes.
std::set<std::pair<int, int>> MaskInk(const TextMask& mask) {
    std::set<std::pair<int, int>> ink;
    const TextMask::Run* previous = nullptr;
    for (const TextMask::Run& run : mask.runs) {
        EXPECT_TRUE(run.y >= 0 && run.y < mask.height && run.x0 >= 0 && run.x0 < run.x1 && run.x1 <= mask.width)
            << "run " << run.y << " " << run.x0 << " " << run.x1;
        if (previous) {
            EXPECT_TRUE(run.y > previous->y || (run.y == previous->y && run.x0 > previous->x1))
                << "run " << run.y << " " << run.x0 << " after " << previous->y << " " << previous->x1;
        }
        previous = &run;
        for (int x = run.x0; x < run.x1; ++x)
            ink.insert({x - mask.originX, run.y - mask.originY});
    }
    return ink;
}

} // namespace

// Upright texts are put together from their glyphs; whatever way a mask is made, it must light exactly
// the pixels the painter lights for the whole text, and advance as far as the font's own measure.
TEST(QtTextRenderer, MasksLightThePixelsThePainterLightsForTheWholeText) {
    qt::QtTextRenderer renderer;
    const char* texts[] = {
        "Bedroom 2 1234",
        "office fi fl ffi",
        "AVATAR To Wa Ty",
        "  both ends  ",
        "3600 x 4200",
        "15.1 sq m",
        "\xC4\xD6\xDC \xE9 \xDF \xA3 \x80 \x89 \x97",
        "j,g;|()[]{}",
        "x",
        " ",
        "tab\there",
        "WWW\t\tMMM",
        "\x81\x8D\x90 unmapped \x9D",
        "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~",
        "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C"
        "\x9E\x9F",
        "\xA0\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\xAD\xAE\xAF\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8"
        "\xB9\xBA\xBB\xBC\xBD\xBE\xBF",
        "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8"
        "\xD9\xDA\xDB\xDC\xDD\xDE\xDF",
        "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8"
        "\xF9\xFA\xFB\xFC\xFD\xFE\xFF"};
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "No Such Face"})
        for (int cell : {8, 13, 40})
            for (int weight : {400, 700})
                for (int angle : {0, 900})
                    for (const char* text : texts) {
                        // The long rows of the code page at the small sizes only, where they are cheap.
                        if (cell > 13 && std::string_view(text).size() > 20) continue;
                        DeviceFont font = Face(face, cell, angle);
                        font.weight = weight;
                        const auto mask = renderer.Render(font, text);
                        const QFont qtFont = renderer.FontFor(font);
                        const QString string = qt::ToQString(text);
                        EXPECT_EQ(MaskInk(*mask), PaintedInk(qtFont, string, angle))
                            << face << " " << cell << " " << weight << " " << angle << " \"" << text << "\"";
                        EXPECT_EQ(mask->advance, QFontMetrics(qtFont).horizontalAdvance(string))
                            << face << " " << cell << " \"" << text << "\"";
                        // A surface skips a text by its reach: no pixel of it, nor its advance, lies beyond.
                        const int reach = renderer.Reach(font, text);
                        EXPECT_LE(mask->advance, reach) << text;
                        int farthest = 0;
                        for (const auto& [x, y] : MaskInk(*mask))
                            farthest = std::max(farthest, x * x + y * y);
                        EXPECT_LE(farthest, reach * reach) << face << " " << cell << " \"" << text << "\"";
                    }
}

// Qt paints a face of bitmaps alone at the size of one of its strikes, whatever the size asked.
// Terminus's strikes of 20 and 32 pixels have characters 10 and 16 pixels wide: at 20 pixels a row is
// its own strike, at 60 the 32-pixel strike enlarged to 60, three times as wide, upright or turned; its
// pieces light the pixels of its mask, and its reach holds them.
TEST(QtTextRenderer, AFaceOfBitmapsAloneIsDrawnAtTheSizeAsked) {
    qt::QtTextRenderer renderer;
    const std::string_view text = "Kitchen 4.20 m";
    EXPECT_EQ(renderer.Advance(Face("Fixture Bitmap", 20), text), 14 * 10);
    const DeviceFont large = Face("Fixture Bitmap", 60);
    EXPECT_EQ(renderer.Advance(large, text), 14 * 30);
    const auto mask = renderer.Render(large, text);
    EXPECT_EQ(mask->advance, 14 * 30);
    EXPECT_GT(mask->width, 14 * 30 - 2 * 8);
    EXPECT_LE(mask->width, 14 * 30);
    EXPECT_GT(mask->height, 60 / 2);
    EXPECT_LE(mask->height, 60);
    const std::set<std::pair<int, int>> ink = MaskInk(*mask);
    std::set<std::pair<int, int>> pieces;
    for (const TextInk::Piece& piece : renderer.Ink(large, text).pieces)
        for (std::size_t r = 0; r < piece.count; ++r)
            for (int x = piece.runs[r].x0; x < piece.runs[r].x1; ++x)
                pieces.insert({piece.x + x, piece.y + piece.runs[r].y});
    EXPECT_EQ(pieces, ink);
    const int reach = renderer.Reach(large, text);
    for (const auto& [x, y] : ink)
        EXPECT_LE(x * x + y * y, reach * reach);
    const auto turned = renderer.Render(Face("Fixture Bitmap", 60, 900), text);
    EXPECT_EQ(turned->advance, 14 * 30);
    EXPECT_NEAR(turned->height, mask->width, 2);
    EXPECT_NEAR(turned->width, mask->height, 2);
}

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
