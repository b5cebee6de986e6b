#include "app_dir.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

// Share of pixels whose colour differs clearly (not just by rounding).
double differingShare(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                          std::abs(qBlue(p[col]) - qBlue(q[col]));
            differing += d > 30;
        }
    }
    return double(differing) / (x.width() * x.height());
}

class Pictures : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const QString& name : pictureNames())
            loaded[name] = QImage(appFile(name));
    }
    static std::map<QString, QImage> loaded;
};
std::map<QString, QImage> Pictures::loaded;

TEST_F(Pictures, EachIsA24BitBitmapThatQtOpensSquareAndLarge)
{
    for (const QString& name : pictureNames()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(appFile(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing";
        const QByteArray head = file.read(54);
        ASSERT_EQ(head.size(), 54);
        EXPECT_TRUE(head.startsWith("BM"));
        EXPECT_EQ(qFromLittleEndian<quint16>(head.constData() + 28), 24) << "bits per pixel";
        EXPECT_EQ(qFromLittleEndian<quint32>(head.constData() + 30), 0u) << "compression";

        const QImage& image = loaded[name];
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), image.height());
        EXPECT_GE(image.width(), 512);
    }
}

TEST_F(Pictures, NoTwoAreAlike)
{
    std::map<QString, QImage> small;
    for (const auto& [name, image] : loaded)
        small[name] = image.scaled(128, 128, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (auto a = small.begin(); a != small.end(); ++a)
        for (auto b = std::next(a); b != small.end(); ++b)
            EXPECT_GT(differingShare(a->second, b->second), 0.01)
                << a->first.toStdString() << " and " << b->first.toStdString() << " look the same";
}

TEST_F(Pictures, TheTwoFramesOfEachPairAreOneAnimation)
{
    // Enough change to read as movement at ten frames a second, but the same
    // picture: the pet must not jump from one place to another.
    for (const char* base : {"u", "o", "t", "h", "l", "endmix", "endai", "endhirou", "enduta", "endodori",
                                "endauta", "endaodori", "endhuta", "endhodori"}) {
        SCOPED_TRACE(base);
        const QImage& first = loaded[QString(base) + "0.bmp"];
        const QImage& second = loaded[QString(base) + "1.bmp"];
        ASSERT_EQ(first.size(), second.size());
        const double share = differingShare(first, second);
        EXPECT_GT(share, 0.01);
        EXPECT_LT(share, 0.6);
    }
}

TEST_F(Pictures, AllAreLightPastelExceptTheNightFarAway)
{
    // A failed background shows as black; the one night scene is the exception.
    for (const auto& [name, image] : loaded) {
        const QImage tiny = image.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double lightness = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                lightness += tiny.pixelColor(x, y).lightnessF() / 256;
        if (name.startsWith("endhodori"))
            EXPECT_GT(lightness, 0.3) << name.toStdString();
        else
            EXPECT_GT(lightness, 0.7) << name.toStdString();
    }
}

TEST(Icon, IsA32PixelPictureWithTransparentCorners)
{
    const QImage icon(appFile("icon.png"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    ASSERT_TRUE(icon.hasAlphaChannel());
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

}  // namespace
