#include <gtest/gtest.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

#include "FakeSystem.h"
#include "FileContents.h"
#include "services/PathBytes.h"
#include "services/StickPictures.h"

using namespace qm;

namespace {

// A picture whose four corners have their own colours.
QImage cornered(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    const int w = width / 4, h = height / 4;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(width - w, 0, w, h, Qt::green);
    painter.fillRect(0, height - h, w, h, Qt::blue);
    painter.fillRect(width - w, height - h, w, h, Qt::yellow);
    return image;
}

QByteArray encoded(const QImage& image, const char* format,
                   QImageIOHandler::Transformations turn = QImageIOHandler::TransformationNone) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setTransformation(turn);
    writer.write(image);
    return bytes;
}

bool near(QRgb a, QColor b) {
    return std::abs(qRed(a) - b.red()) < 40 && std::abs(qGreen(a) - b.green()) < 40 && std::abs(qBlue(a) - b.blue()) < 40;
}

// The corners' colours, read from just inside each corner.
bool hasCorners(const QImage& image, QColor topLeft, QColor topRight, QColor bottomLeft, QColor bottomRight) {
    const int r = image.width() - 3, b = image.height() - 3;
    return near(image.pixel(2, 2), topLeft) && near(image.pixel(r, 2), topRight) &&
           near(image.pixel(2, b), bottomLeft) && near(image.pixel(r, b), bottomRight);
}

// A 1 × 1 GIF: Qt reads GIF but cannot write it.
const QByteArray kGif = QByteArray::fromHex("4749463839610100010080000000ff0000000000"
                                            "2c00000000010001000002024401003b");

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

class StickPictures : public ::testing::Test {
protected:
    QString picture(const QString& name, const QByteArray& bytes) {
        const QString path = pictures.path() + "/" + name;
        writeFile(path, bytes);
        return path;
    }
    PictureCopy copy(const QString& path, PictureUse use = PictureUse::InPage, const SyncCalls& sync = {}) {
        return copyPictureToStick(system.scanner(), stick, path, use, sync);
    }
    QString photo(const QString& name = {}) const { return stick + "/PSP/Photo" + (name.isEmpty() ? "" : "/" + name); }

    FakeSystem system;
    QString stick = system.addMount("media/PSP", "8:17");
    QTemporaryDir pictures;
};

TEST_F(StickPictures, JpegPngAndGifWithinTheScreenGoByteForByteIntoFoldersMadeForThem) {
    for (const char* format : {"jpeg", "png", "gif"}) {
        const QByteArray bytes = format == QByteArray("gif") ? kGif : encoded(cornered(200, 100), format);
        const QString name = QStringLiteral("small.%1").arg(format == QByteArray("jpeg") ? "jpg" : format);
        const PictureCopy done = copy(picture(name, bytes), PictureUse::Background);
        ASSERT_TRUE(done.ok) << done.message.toStdString();
        EXPECT_EQ(done.fileName, name);
        EXPECT_EQ(done.message, name + " copied to PSP/Photo");
        EXPECT_EQ(readAll(photo(name)), bytes) << format;
    }
    EXPECT_EQ(entries(photo()), (QStringList{"small.gif", "small.jpg", "small.png"}));
}

TEST_F(StickPictures, OtherPicturesBecomeJpegAndLargeOnesAreScaledForTheirUse) {
    const QString big = picture("big.png", encoded(cornered(2000, 1500), "png"));
    const PictureCopy background = copy(big, PictureUse::Background);
    ASSERT_TRUE(background.ok) << background.message.toStdString();
    EXPECT_EQ(background.message, "big.png copied to PSP/Photo, scaled to 480 × 360");
    const QImage covering(photo(background.fileName));
    EXPECT_EQ(covering.size(), QSize(480, 360));
    EXPECT_TRUE(hasCorners(covering, Qt::red, Qt::green, Qt::blue, Qt::yellow));

    const PictureCopy inPage = copy(big, PictureUse::InPage);
    ASSERT_TRUE(inPage.ok) << inPage.message.toStdString();
    EXPECT_EQ(inPage.fileName, "big-2.png");
    EXPECT_EQ(QImage(photo(inPage.fileName)).size(), QSize(363, 272));

    const PictureCopy converted = copy(picture("photo.bmp", encoded(cornered(2000, 1500), "bmp")));
    ASSERT_TRUE(converted.ok) << converted.message.toStdString();
    EXPECT_EQ(converted.message, "photo.bmp copied to PSP/Photo as photo.jpg, scaled to 363 × 272");
    const QImage jpeg(photo("photo.jpg"), "jpeg");
    EXPECT_EQ(jpeg.size(), QSize(363, 272));
    EXPECT_TRUE(hasCorners(jpeg, Qt::red, Qt::green, Qt::blue, Qt::yellow));
}

TEST_F(StickPictures, ADifferentFileIsNeverReplacedAndTheSameBytesAreReused) {
    const QByteArray mine = encoded(cornered(100, 100), "png");
    QDir().mkpath(photo());
    writeFile(photo("bg.png"), "someone else's");
    const PictureCopy first = copy(picture("bg.png", mine));
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(first.fileName, "bg-2.png");
    EXPECT_EQ(first.message, "bg.png copied to PSP/Photo as bg-2.png");
    EXPECT_EQ(readAll(photo("bg.png")), QByteArray("someone else's"));

    const PictureCopy again = copy(picture("bg.png", mine));
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.fileName, "bg-2.png");
    EXPECT_EQ(again.message, "bg.png is already in PSP/Photo as bg-2.png");
    EXPECT_EQ(entries(photo()), (QStringList{"bg-2.png", "bg.png"}));
}

TEST_F(StickPictures, WhatIsNotAPictureOrCannotBeReadLeavesTheStickAlone) {
    const PictureCopy text = copy(picture("notes.txt", "just words"));
    EXPECT_FALSE(text.ok);
    EXPECT_TRUE(text.message.contains("not a picture")) << text.message.toStdString();

    const QString missing = pictures.path() + "/gone.jpg";
    const PictureCopy gone = copy(missing);
    EXPECT_FALSE(gone.ok);
    EXPECT_TRUE(gone.message.contains(missing));
    EXPECT_TRUE(gone.message.contains(QString::fromLocal8Bit(strerror(ENOENT)))) << gone.message.toStdString();

    EXPECT_FALSE(copy(pictures.path()).ok);
    EXPECT_TRUE(entries(stick).isEmpty());
}

TEST_F(StickPictures, AJpegIsTurnedUprightByItsOrientation) {
    // Stored 800 × 400, shown turned a quarter clockwise: 400 × 800, red at the top right.
    const QString turned = picture("turned.jpg", encoded(cornered(800, 400), "jpeg", QImageIOHandler::TransformationRotate90));
    const PictureCopy kept = copy(turned, PictureUse::Background);
    ASSERT_TRUE(kept.ok) << kept.message.toStdString();
    const QImage upright(photo(kept.fileName));
    EXPECT_EQ(upright.size(), QSize(400, 800));
    EXPECT_TRUE(hasCorners(upright, Qt::blue, Qt::red, Qt::yellow, Qt::green));

    const PictureCopy fitted = copy(turned, PictureUse::InPage);
    ASSERT_TRUE(fitted.ok) << fitted.message.toStdString();
    EXPECT_EQ(fitted.message, "turned.jpg copied to PSP/Photo as turned-2.jpg, scaled to 136 × 272");
    EXPECT_TRUE(hasCorners(QImage(photo(fitted.fileName)), Qt::blue, Qt::red, Qt::yellow, Qt::green));
}

TEST_F(StickPictures, NamesTakeNoCharacterTheStickOrThePageCannotHold) {
    const QByteArray png = encoded(cornered(40, 40), "png");
    const QByteArray notUtf8 = QFile::encodeName(pictures.path()) + "/caf\xE9.png";
    const int fd = ::open(notUtf8.constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::write(fd, png.constData(), png.size()), png.size());
    ::close(fd);
    const std::pair<QString, QString> names[] = {
        {picture("a:b?c#d\"e.png", png), "a_b_c_d_e.png"},
        {picture(".hidden. .png", png), "hidden.png"},
        {picture("upper.PNG", png), "upper.PNG"},
        {picture("wrong.jpg", png), "wrong.png"},
        {picture("no suffix", png), "no suffix.png"},
        {qm::pathFromBytes(notUtf8), "caf_.png"},
    };
    for (const auto& [path, name] : names) {
        const PictureCopy done = copy(path);
        EXPECT_EQ(done.fileName, name) << done.message.toStdString();
        EXPECT_EQ(readAll(photo(name)), png) << name.toStdString();
    }
}

TEST_F(StickPictures, NothingGoesThroughALinkOrOntoAVolumeThatIsNoLongerMounted) {
    QTemporaryDir outside;
    const QString bg = picture("bg.png", encoded(cornered(40, 40), "png"));
    ASSERT_TRUE(QDir().mkpath(stick + "/PSP"));
    ASSERT_TRUE(QFile::link(outside.path(), photo()));
    PictureCopy refused = copy(bg);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains("Photo on the stick is a link")) << refused.message.toStdString();
    ASSERT_TRUE(QFile::remove(photo()));
    ASSERT_TRUE(QDir(stick).removeRecursively());
    ASSERT_TRUE(QDir().mkpath(stick));
    ASSERT_TRUE(QFile::link(outside.path(), stick + "/PSP"));
    EXPECT_FALSE(copy(bg).ok);
    EXPECT_TRUE(entries(outside.path()).isEmpty());

    // A link at the name is someone else's: the copy takes the next name.
    ASSERT_TRUE(QFile::remove(stick + "/PSP"));
    ASSERT_TRUE(QDir().mkpath(photo()));
    ASSERT_TRUE(QFile::link(outside.path() + "/planted.png", photo("bg.png")));
    const PictureCopy beside = copy(bg);
    EXPECT_EQ(beside.fileName, "bg-2.png");
    EXPECT_TRUE(entries(outside.path()).isEmpty());

    system.removeMount(stick);
    refused = copy(picture("other.png", encoded(cornered(30, 30), "png")));
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains("is no longer there")) << refused.message.toStdString();
    EXPECT_EQ(entries(photo()), (QStringList{"bg-2.png", "bg.png"}));
}

TEST_F(StickPictures, AStickGoneMidCopyOrAFailedFlushLeavesNothingAndSaysWhy) {
    const QString bg = picture("bg.png", encoded(cornered(40, 40), "png"));
    const auto gone = +[](int) {
        errno = ENODEV;
        return -1;
    };
    const PictureCopy lost = copy(bg, PictureUse::InPage, {.file = gone});
    EXPECT_FALSE(lost.ok);
    EXPECT_TRUE(lost.message.contains("no longer there")) << lost.message.toStdString();
    EXPECT_TRUE(lost.message.contains(QString::fromLocal8Bit(strerror(ENODEV))));
    EXPECT_TRUE(entries(photo()).isEmpty());

    const auto failing = +[](int) {
        errno = EIO;
        return -1;
    };
    const PictureCopy unflushed = copy(bg, PictureUse::InPage, {.folder = failing});
    EXPECT_FALSE(unflushed.ok);
    EXPECT_TRUE(unflushed.message.contains(QString::fromLocal8Bit(strerror(EIO)))) << unflushed.message.toStdString();
}

// A full medium needs root and a private mount namespace; the mount vanishes
// with the test process.
TEST_F(StickPictures, AFullStickLeavesNoPartOfThePicture) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to mount";
    static const bool privateMounts =
        unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!privateMounts) GTEST_SKIP() << "no private mount namespace here";
    ASSERT_EQ(mount("tmpfs", QFile::encodeName(stick).constData(), "tmpfs", 0, "size=64k"), 0);

    QImage noise(400, 250, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        QRandomGenerator(y).fillRange(reinterpret_cast<quint32*>(noise.scanLine(y)), noise.width());
    const PictureCopy full = copy(picture("noise.png", encoded(noise, "png")));
    EXPECT_FALSE(full.ok);
    EXPECT_TRUE(full.message.contains(QString::fromLocal8Bit(strerror(ENOSPC)))) << full.message.toStdString();
    EXPECT_TRUE(entries(photo()).isEmpty());
    umount(QFile::encodeName(stick).constData());
}

}  // namespace
