#include "receipt/DefaultPictures.h"
#include "receipt/PictureFileCache.h"
#include "receipt/PngImage.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(PngImageTest, DecodesPixels)
{
    QImage source(5, 3, QImage::Format_ARGB32);
    source.fill(QColor(10, 200, 30, 255));
    source.setPixelColor(4, 2, QColor(255, 0, 0, 128));
    const QImage image = loadPngFromBytes(pngBytes(source));
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(10, 200, 30, 255));
    EXPECT_EQ(image.pixelColor(4, 2), QColor(255, 0, 0, 128));
}

TEST(PngImageTest, DamagedOrMissingIsNull)
{
    const QByteArray good = pngBytes(QImage(40, 40, QImage::Format_RGB32));
    EXPECT_TRUE(loadPngFromBytes(good.left(good.size() / 2)).isNull());
    EXPECT_TRUE(loadPngFromBytes(QByteArray("GIF89a not a png")).isNull());
    EXPECT_TRUE(loadPngFromBytes(QByteArray()).isNull());
    QByteArray badData = good;
    for (qsizetype i = 60; i < badData.size() - 12; ++i)
        badData[i] = char(0x5a);
    EXPECT_TRUE(loadPngFromBytes(badData).isNull());
    EXPECT_TRUE(loadPng(QStringLiteral("/nonexistent/stp.png")).isNull());
}

TEST(PngImageTest, DefaultPictureWrittenOnlyWhenMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stp.png"));
    EXPECT_FALSE(ensurePictureFile(path, QByteArray()));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(ensurePictureFile(path, QByteArray("first")));
    EXPECT_TRUE(ensurePictureFile(path, QByteArray("second")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("first"));
}

TEST(PngImageTest, CacheFollowsTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("xtp.png"));
    PictureFileCache cache;
    EXPECT_TRUE(cache.load(path).isNull());
    ASSERT_TRUE(QImage(30, 20, QImage::Format_RGB32).save(path, "PNG"));
    EXPECT_EQ(cache.load(path).size(), QSize(30, 20));
    ASSERT_TRUE(QImage(64, 64, QImage::Format_RGB32).save(path, "PNG"));
    EXPECT_EQ(cache.load(path).size(), QSize(64, 64));
    QFile::remove(path);
    EXPECT_TRUE(cache.load(path).isNull());
}

TEST(PngImageTest, BuiltInDefaultPictures)
{
    const QByteArray top = defaultTopPictureBytes();
    const QByteArray bottom = defaultBottomPictureBytes();
    if (top.isEmpty() || bottom.isEmpty())
        GTEST_SKIP() << "default pictures not built in yet";
    EXPECT_EQ(loadPngFromBytes(top).size(), QSize(430, 189));
    EXPECT_EQ(loadPngFromBytes(bottom).size(), QSize(430, 430));
}

} // namespace
