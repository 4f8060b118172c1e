#include <QByteArray>
#include <QImage>
#include <QResource>
#include <QString>

#include <gtest/gtest.h>

namespace {

QImage installedIcon(int size) {
    return QImage(QStringLiteral(QM_ICON_FOLDER "/hicolor/%1x%1/apps/io.github.quillmere.Quillmere.png").arg(size))
        .convertToFormat(QImage::Format_RGBA8888);
}

}  // namespace

// The window icon is read by size from raw pixels; a stale or misnamed file
// gives a task-bar icon other than the one the desktop shows.
TEST(IconResources, EachWindowIconSizeHoldsTheInstalledPictureOfThatSize) {
    for (int size : {16, 24, 32, 48}) {
        const QString name = QStringLiteral(":/icons/quillmere-%1.rgba").arg(size);
        const QByteArray pixels = QResource(name).uncompressedData();
        ASSERT_EQ(pixels.size(), size * size * 4) << name.toStdString();
        const QImage raw(reinterpret_cast<const uchar*>(pixels.constData()), size, size, QImage::Format_RGBA8888);
        const QImage installed = installedIcon(size);
        ASSERT_EQ(installed.size(), QSize(size, size)) << size;
        EXPECT_EQ(raw, installed) << name.toStdString();
    }
}

TEST(IconResources, CornersAreTransparentSoTheIconSitsOnAnyBackground) {
    for (int size : {16, 256}) {
        const QImage image = installedIcon(size);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0);
    }
}
