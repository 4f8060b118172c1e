#include <QImage>
#include <QString>

#include <gtest/gtest.h>

// The window icon is picked by size from these names; a name that points at
// the wrong picture gives a blurred or missing icon in the taskbar.
TEST(IconResources, EachWindowIconSizeHoldsASquarePictureOfThatSize) {
    for (int size : {16, 24, 32, 48}) {
        const QString name = QStringLiteral(":/icons/quillmere-%1.png").arg(size);
        const QImage image(name);
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.size(), QSize(size, size)) << name.toStdString();
        EXPECT_TRUE(image.hasAlphaChannel()) << name.toStdString();
    }
}

TEST(IconResources, CornersAreTransparentSoTheIconSitsOnAnyBackground) {
    for (int size : {16, 48}) {
        const QImage image(QStringLiteral(":/icons/quillmere-%1.png").arg(size));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(size - 1, size - 1)), 0);
    }
}
