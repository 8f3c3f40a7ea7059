// No two faces of a bundled card set may be told apart by hue alone: compared in grey
// scale, and as a player with a red-green deficiency sees them (both kinds simulated),
// every two faces of a set must differ clearly over a part of the card.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <array>
#include <cmath>
#include <functional>

#ifndef QUORVIX_GFX
#error "QUORVIX_GFX names the bundled card sets"
#endif

namespace {

constexpr int kShown = 60;  // the size the board shows a card at

using Pixels = std::vector<std::array<double, 3>>;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Encoded(double c) {
    c = std::clamp(c, 0.0, 1.0);
    return 255.0 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
}

// The face as shown, each pixel changed by `see` (in linear light).
Pixels Seen(const QImage& face, const std::function<std::array<double, 3>(std::array<double, 3>)>& see) {
    const QImage shown = face.scaled(kShown, kShown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    Pixels pixels;
    for (int y = 0; y < kShown; ++y)
        for (int x = 0; x < kShown; ++x) {
            const QRgb p = shown.pixel(x, y);
            const auto seen = see({Linear(qRed(p)), Linear(qGreen(p)), Linear(qBlue(p))});
            pixels.push_back({Encoded(seen[0]), Encoded(seen[1]), Encoded(seen[2])});
        }
    return pixels;
}

// Grey scale: the luminance (Rec. 709) in every channel.
std::array<double, 3> Grey(std::array<double, 3> c) {
    const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    return {y, y, y};
}

// Simulated dichromacy (Machado, Oliveira and Fernandes 2009, severity 1.0).
template <int Kind>
std::array<double, 3> Dichromat(std::array<double, 3> c) {
    static constexpr double kDeuteranopia[3][3] = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413},
                                                   {-0.011820, 0.042940, 0.968881}};
    static constexpr double kProtanopia[3][3] = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216},
                                                 {-0.003882, -0.048116, 1.051998}};
    const auto& m = Kind == 0 ? kDeuteranopia : kProtanopia;
    return {m[0][0] * c[0] + m[0][1] * c[1] + m[0][2] * c[2], m[1][0] * c[0] + m[1][1] * c[1] + m[1][2] * c[2],
            m[2][0] * c[0] + m[2][1] * c[1] + m[2][2] * c[2]};
}

// The share of pixels that differ by more than a plain step of brightness or colour.
double DifferentShare(const Pixels& a, const Pixels& b) {
    size_t different = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double d = std::max({std::abs(a[i][0] - b[i][0]), std::abs(a[i][1] - b[i][1]), std::abs(a[i][2] - b[i][2])});
        if (d > 40) ++different;
    }
    return double(different) / double(a.size());
}

constexpr double kMinimumShare = 0.04;  // 144 of the 3600 pixels of a shown card

}  // namespace

TEST(CardSetColours, EveryTwoFacesDifferInGreyAndToRedGreenDeficientEyes) {
    const QStringList sets = QDir(QStringLiteral(QUORVIX_GFX)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(sets.size(), 3);
    const std::pair<const char*, std::function<std::array<double, 3>(std::array<double, 3>)>> views[] = {
        {"grey scale", Grey}, {"deuteranopia", Dichromat<0>}, {"protanopia", Dichromat<1>}};
    for (const QString& set : sets) {
        for (const auto& [view, see] : views) {
            std::vector<Pixels> faces;
            for (int value = 1; value <= 18; ++value) {
                const QImage face(QStringLiteral(QUORVIX_GFX "/%1/%2.bmp").arg(set).arg(value));
                ASSERT_FALSE(face.isNull()) << set.toStdString() << " " << value;
                faces.push_back(Seen(face, see));
            }
            for (int i = 0; i < 18; ++i)
                for (int j = i + 1; j < 18; ++j)
                    EXPECT_GE(DifferentShare(faces[size_t(i)], faces[size_t(j)]), kMinimumShare)
                        << set.toStdString() << ", faces " << i + 1 << " and " << j + 1 << ", " << view;
        }
    }
}
