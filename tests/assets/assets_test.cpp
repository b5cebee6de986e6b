// SPDX-FileCopyrightText: 2026 The もこぴ育成 developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

// A generated file from the app folder, or from $MOKOPI_APP_DIR (e.g. an installed copy).
static QByteArray appFile(const QString& name)
{
    const QByteArray env = qgetenv("MOKOPI_APP_DIR");
    QFile file(QDir(env.isEmpty() ? QString(MOKOPI_APP_DIR) : QString::fromLocal8Bit(env)).filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "missing " << name.toStdString();
    return file.readAll();
}

// Share of pixels whose colour differs clearly (not just by rounding) in two RGB32 pictures of one size.
static double differingShare(const QImage& a, const QImage& b)
{
    const uchar *p = a.constBits(), *q = b.constBits();  // blue, green, red, unused
    int differing = 0;
    for (int i = 0; i < a.width() * a.height() * 4; i += 4)
        differing += std::abs(p[i] - q[i]) + std::abs(p[i + 1] - q[i + 1]) + std::abs(p[i + 2] - q[i + 2]) > 30;
    return double(differing) / (a.width() * a.height());
}

// The game stretches every picture to its pet area, which on a 768-pixel
// screen measures 410 x 395 pixels with no window manager and 408 x 378 under
// openbox: a picture of another shape shows the pet squashed or stretched.
TEST(Pictures, Are24BitBitmapsOfThePetAreasShapeSharpAtScale2AllDifferentWithPairsThatMoveOnlyInPart)
{
    const double petArea = std::sqrt(410.0 / 395 * 408.0 / 378);  // between the two, 2 % from each
    const QStringList names =                                     // the 14 frame pairs, then the single pictures
        QString("u0 u1 o0 o1 t0 t1 h0 h1 l0 l1 endmix0 endmix1 endai0 endai1 endhirou0 endhirou1 enduta0 enduta1 "
                "endodori0 endodori1 endauta0 endauta1 endaodori0 endaodori1 endhuta0 endhuta1 endhodori0 endhodori1 "
                "did lov ki ikari kanasimi raku load stt")
            .split(' ');
    QList<QImage> pics;
    for (const QString& name : names) {
        const QByteArray bytes = appFile(name + ".bmp");
        const QImage image = QImage::fromData(bytes);
        ASSERT_TRUE(!image.isNull() && bytes.startsWith("BM") && bytes[28] == 24) << qPrintable(name) << " not 24-bit";
        EXPECT_NEAR(double(image.width()) / image.height(), petArea, 0.01 * petArea)
            << qPrintable(name) << " is " << image.width() << " x " << image.height();
        EXPECT_GE(image.width(), 2 * 410) << qPrintable(name) << " is blurred at scale factor 2";
        pics << image.scaled(128, 128).convertToFormat(QImage::Format_RGB32);  // every fifth pixel or so
    }
    for (int a = 0; a < pics.size(); ++a)
        for (int b = a + 1; b < pics.size(); ++b)
            EXPECT_GT(differingShare(pics[a], pics[b]), 0.01) << qPrintable(names[a]) << " = " << qPrintable(names[b]);
    // Enough change to read as movement, but the same picture: the pet must not jump away.
    for (int k = 0; k < 28; k += 2)
        if (const double share = differingShare(pics[k], pics[k + 1]); share < 0.01 || share > 0.6)
            ADD_FAILURE() << qPrintable(names[k].chopped(1)) << " frames differ in " << share << " of the pixels";
}

TEST(Icon, TheLauncherGetsEverySizeAndAScalableDrawingOfTheSameHead)
{
    const QString theme(MOKOPI_ICON_THEME_DIR);
    const auto overWhite = [](const QImage& icon) {
        QImage flat(icon.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, icon);
        return flat;
    };
    QImage largest;
    for (int size : {MOKOPI_ICON_SIZES}) {
        SCOPED_TRACE(size);
        largest = QImage(QString("%1/%2x%2/apps/%3.png").arg(theme).arg(size).arg(MOKOPI_DESKTOP_ID));
        ASSERT_EQ(largest.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(largest.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(largest.pixel(size / 2, size / 2)), 255);
    }
    EXPECT_EQ(QImage(theme + "/32x32/apps/" MOKOPI_DESKTOP_ID ".png"), QImage::fromData(appFile("icon.png")))
        << "the window and the launcher show different icons";  // and so the window's has transparent corners too

    QSvgRenderer drawing(theme + "/scalable/apps/" MOKOPI_DESKTOP_ID ".svg");
    ASSERT_TRUE(drawing.isValid());
    QImage rendered(largest.size(), QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    painter.end();
    EXPECT_LT(differingShare(overWhite(rendered), overWhite(largest)), 0.02);
}

static double dot(const std::vector<double>& a, const std::vector<double>& b)
{
    return std::inner_product(a.begin(), a.begin() + qsizetype(std::min(a.size(), b.size())), b.begin(), 0.0);
}

TEST(Sounds, AreShortCleanPcmCuesOfEqualLoudnessThatSoundDifferent)
{
    std::vector<std::vector<double>> cues;
    for (const char* name : {"uta", "odori", "hirou", "ai"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes = appFile(QString(name) + ".wav");  // walked chunk by chunk, as a media player would
        ASSERT_TRUE(bytes.size() > 44 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE"
                    && qFromLittleEndian<quint32>(bytes.constData() + 4) == quint32(bytes.size() - 8))
            << "RIFF header";
        quint32 rate = 0;
        std::vector<double> s;
        for (qsizetype at = 12, size = 0; at + 8 <= bytes.size(); at += 8 + size + (size & 1)) {
            size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
            const auto u16 = [&](qsizetype i) { return qFromLittleEndian<quint16>(bytes.constData() + at + 8 + i); };
            const auto u32 = [&](qsizetype i) { return qFromLittleEndian<quint32>(bytes.constData() + at + 8 + i); };
            if (bytes.mid(at, 4) == "fmt ") {
                rate = u32(4);
                EXPECT_TRUE(u16(0) == 1 && u16(2) == 1 && u32(8) == 2 * rate && u16(12) == 2 && u16(14) == 16)
                    << "not 16-bit mono PCM";
            }
            for (qsizetype i = 0; bytes.mid(at, 4) == "data" && i + 1 < size && at + 9 + i < bytes.size(); i += 2)
                s.push_back(qint16(u16(i)) / 32768.0);
        }
        ASSERT_TRUE((rate == 22050 || rate == 44100) && !s.empty()) << rate << " Hz";
        EXPECT_LT(double(s.size()) / rate, 1.0) << "seconds";
        EXPECT_TRUE(std::abs(s.front()) < 0.01 && std::abs(s.back()) < 0.01) << "not faded in and out: it clicks";
        const auto decibels = [](const auto& v) { return 10 * std::log10(dot(v, v) / double(v.size())); };
        EXPECT_NEAR(decibels(s), decibels(cues.empty() ? s : cues[0]), 1.0) << "loudness against uta";
        for (const auto& c : cues)  // strongly correlated: the same sound twice
            EXPECT_LT(std::abs(dot(s, c)) / std::sqrt(dot(s, s) * dot(c, c)), 0.5) << "like cue " << &c - &cues[0];
        cues.push_back(s);
    }
}
