// The smoke test's camera: saves the whole X screen as a PNG, and reads back the colours of a part of a
// PNG so the test can check what the screen showed.
//   korvane-screenshot FILE.png                         take a screenshot
//   korvane-screenshot --pixels FILE.png X0 Y0 X1 Y1    print the colours of the pixels from (X0, Y0) up to
//                                                       but not including (X1, Y1) as RRGGBB, a row a line
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int PrintPixels(int argc, char** argv) {
    if (argc != 7) return 2;
    QImage image(argv[2]);
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 1;
    }
    const int x0 = std::atoi(argv[3]);
    const int y0 = std::atoi(argv[4]);
    const int x1 = std::atoi(argv[5]);
    const int y1 = std::atoi(argv[6]);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const QRgb pixel = image.valid(x, y) ? image.pixel(x, y) : 0;
            std::printf("%s%06X", x == x0 ? "" : " ", static_cast<unsigned>(pixel & 0xFFFFFFu));
        }
        std::printf("\n");
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--pixels") == 0) {
        const int result = PrintPixels(argc, argv);
        if (result == 2) std::fprintf(stderr, "usage: korvane-screenshot --pixels FILE.png X0 Y0 X1 Y1\n");
        return result;
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvane-screenshot FILE.png\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 1;
    QPixmap shot = screen->grabWindow(0);
    return shot.save(argv[1], "PNG") ? 0 : 1;
}
