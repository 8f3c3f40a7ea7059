#include "widgets/SliderImages.h"

#include <QBitmap>
#include <QPainter>
#include <QPixmap>

#include <cstring>

namespace {

// Five colours: K black, D dark grey, S silver, W white, M magenta (the background,
// and so the transparent colour: every picture's bottom-left pixel is magenta).
QRgb Colour(char letter) {
    switch (letter) {
        case 'K': return qRgb(0, 0, 0);
        case 'D': return qRgb(128, 128, 128);
        case 'S': return qRgb(192, 192, 192);
        case 'W': return qRgb(255, 255, 255);
        default: return qRgb(255, 0, 255);
    }
}

struct Picture {
    const char* name;
    std::initializer_list<const char*> rows;
};

// Two thumbs side by side, normal and pressed (chequered), pointing down.
const Picture kHorizontalThumb{"SLD_HTB",
                               {"WWWWWWWWKWWWWWWWWK", "WSSSSSSDKWSSSSSSDK", "WSSSSSSDKWSWSWSWDK", "WSSSSSSDKWSSWSWSDK",
                                "WSSSSSSDKWSWSWSWDK", "WSSSSSSDKWSSWSWSDK", "WSSSSSSDKWSWSWSWDK", "WSSSSSSDKWSSWSWSDK",
                                "WSSSSSSDKWSWSWSWDK", "WSSSSSSDKWSSWSWSDK", "WSSSSSSDKWSWSWSWDK", "WSSSSSSDKWSSWSWSDK",
                                "WSSSSSSDKWSWSWSWDK", "MWSSSSDKMMWSWSWDKM", "MMWSSDKMMMMWSWDKMM", "MMMWDKMMMMMMWDKMMM",
                                "MMMMKMMMMMMMMKMMMM"}};

// A sunken groove on rows 2 to 5.
const Picture kHorizontalRuler{"SLD_HRL",
                               {"MMMMMMMMMM", "MMMMMMMMMM", "DDDDDDDDDW", "DKKKKKKKSW", "DSSSSSSSSW", "WWWWWWWWWW",
                                "MMMMMMMMMM", "MMMMMMMMMM"}};

// Two thumbs side by side pointing right.
const Picture kVerticalThumb{"SLD_VTB",
                             {"MKKKKKKKKKKKKKMMMMMMKKKKKKKKKKKKKMMMMM", "MWDDDDDDDDDDDDKMMMMMWDDDDDDDDDDDDKMMMM",
                              "MWSSSSSSSSSSSSDKMMMMWSWSWSWSWSWSWDKMMM", "MWSSSSSSSSSSSSSDKMMMWSSWSWSWSWSWSWDKMM",
                              "MWSSSSSSSSSSSSSSDKMMWSWSWSWSWSWSWSWDKM", "MWSSSSSSSSSSSSSSWMMMWSSWSWSWSWSWSWSWMM",
                              "MWSSSSSSSSSSSSSWMMMMWSWSWSWSWSWSWSWMMM", "MWSSSSSSSSSSSSWMMMMMWSSSSSSSSSSSSWMMMM",
                              "MWWWWWWWWWWWWWMMMMMMWWWWWWWWWWWWWMMMMM"}};

// A sunken groove on columns 2 to 5.
const Picture kVerticalRuler{"SLD_VRL",
                             {"MMDDDWMM", "MMDKSWMM", "MMDKSWMM", "MMDKSWMM", "MMDKSWMM", "MMDKSWMM", "MMDKSWMM",
                              "MMDKSWMM", "MMDSSWMM", "MMWWWWMM"}};

QImage Build(const Picture& picture) {
    const int height = int(picture.rows.size());
    const int width = int(std::strlen(*picture.rows.begin()));
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable({Colour('K'), Colour('D'), Colour('S'), Colour('W'), Colour('M')});
    const char* letters = "KDSWM";
    int y = 0;
    for (const char* row : picture.rows) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, int(std::strchr(letters, row[x]) - letters));
        ++y;
    }
    return image;
}

// A pointing hand, 16 x 16 with its hot spot at the fingertip; '#' black, '.' white.
constexpr const char* kHand[16] = {
    "     ##         ", "    #..#        ", "    #..#        ", "    #..#        ", "    #..###      ",
    "    #..#..###   ", "    #..#..#..## ", " ## #..#..#..#.#", "#..##........#.#", "#...#..........#",
    " #............# ", " #............# ", "  #...........# ", "  #..........#  ", "   #.........#  ",
    "   ###########  "};

}  // namespace

QImage LoadSliderResource(const char* name) {
    for (const Picture* picture : {&kHorizontalThumb, &kHorizontalRuler, &kVerticalThumb, &kVerticalRuler})
        if (std::strcmp(picture->name, name) == 0) return Build(*picture);
    return QImage();
}

const QCursor& SliderHandCursor() {
    // "HAND_CURSOR", made once at start-up and kept.
    static const QCursor cursor = [] {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                if (kHand[y][x] == '#') image.setPixel(x, y, qRgb(0, 0, 0));
                if (kHand[y][x] == '.') image.setPixel(x, y, qRgb(255, 255, 255));
            }
        return QCursor(QPixmap::fromImage(image), 6, 0);
    }();
    return cursor;
}
