#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <cerrno>
#include <cstring>

#include "FakeSystem.h"
#include "FileContents.h"
#include "services/PathBytes.h"
#include "services/PictureForStick.h"

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

// Colours read just inside the corners: top left, top right, bottom left, bottom right.
bool hasCorners(const QImage& image, std::initializer_list<QColor> corners) {
    const QPoint at[] = {{2, 2},
                         {image.width() - 3, 2},
                         {2, image.height() - 3},
                         {image.width() - 3, image.height() - 3}};
    const auto near = [](QRgb a, QColor b) {
        return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) +
                   std::abs(qBlue(a) - b.blue()) <
               90;
    };
    return std::equal(corners.begin(), corners.end(), at,
                      [&](QColor c, QPoint p) { return near(image.pixel(p), c); });
}
const std::initializer_list<QColor> kCorners = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

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

// A GIF of one pixel on a screen of width × height: Qt reads GIF but cannot write it.
QByteArray gif(quint16 width, quint16 height) {
    QByteArray bytes = QByteArray::fromHex(
        "47494638396101000100800000ffffff00000021f904010000"
        "00002c00000000010001000002024401003b");
    qToLittleEndian(width, bytes.data() + 6);
    qToLittleEndian(height, bytes.data() + 8);
    return bytes;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(strerror(error));
}

void expectRefused(const PictureCopy& copy, const QString& reason) {
    EXPECT_FALSE(copy.ok);
    EXPECT_TRUE(copy.fileName.isEmpty());
    EXPECT_TRUE(copy.message.contains(reason)) << copy.message.toStdString();
}

class StickPictures : public ::testing::Test {
protected:
    QString picture(const QString& name, const QByteArray& bytes) {
        writeFile(pictures.filePath(name), bytes);
        return pictures.filePath(name);
    }
    QString smallPng(const QString& name) {
        return picture(name, encoded(cornered(40, 40), "png"));
    }
    PictureCopy copy(const QString& path, PictureUse use = PictureUse::InPage,
                     const SyncCalls& sync = {}) {
        return copyPictureToStick(system.scanner(), stick, path, use, sync);
    }
    QString photo(const QString& name = {}) const {
        return stick + "/PSP/Photo" + (name.isEmpty() ? "" : "/" + name);
    }

    FakeSystem system;
    QString stick = system.addMount("media/PSP", "8:17");
    QTemporaryDir pictures;
};

TEST_F(StickPictures, JpegPngAndGifWithinTheScreenGoByteForByteIntoFoldersMadeForThem) {
    const std::pair<QString, QByteArray> small[] = {
        {"small.jpg", encoded(cornered(200, 100), "jpeg")},
        {"small.png", encoded(cornered(200, 100), "png")},
        {"small.gif", gif(200, 100)}};
    for (const auto& [name, bytes] : small) {
        const PictureCopy done = copy(picture(name, bytes), PictureUse::Background);
        EXPECT_EQ(done.fileName, name);
        EXPECT_EQ(done.message, name + " copied to PSP/Photo");
        EXPECT_EQ(readAll(photo(name)), bytes);
    }
    EXPECT_EQ(entries(photo()), (QStringList{"small.gif", "small.jpg", "small.png"}));
}

TEST_F(StickPictures, OtherPicturesBecomeJpegAndLargeOnesAreScaledForTheirUse) {
    const QString big = picture("big.png", encoded(cornered(2000, 1500), "png"));
    EXPECT_EQ(copy(big, PictureUse::Background).message,
              "big.png copied to PSP/Photo, scaled to 480 × 360");
    const QImage covering(photo("big.png"), "png");
    EXPECT_EQ(covering.size(), QSize(480, 360));
    EXPECT_TRUE(hasCorners(covering, kCorners));
    EXPECT_EQ(copy(big, PictureUse::InPage).fileName, "big-2.png");
    EXPECT_EQ(QImage(photo("big-2.png"), "png").size(), QSize(363, 272));
    const QImage deep = cornered(2000, 1500).convertToFormat(QImage::Format_RGBX64);
    ASSERT_TRUE(copy(picture("deep.png", encoded(deep, "png")), PictureUse::Background).ok);
    EXPECT_EQ(QImage(photo("deep.png"), "png").depth(), 32);

    const PictureCopy converted = copy(picture("photo.bmp", encoded(cornered(2000, 1500), "bmp")));
    EXPECT_EQ(converted.message, "photo.bmp copied to PSP/Photo as photo.jpg, scaled to 363 × 272");
    EXPECT_TRUE(hasCorners(QImage(photo("photo.jpg"), "jpeg"), kCorners));

    const PictureCopy gifToPng = copy(picture("wide.gif", gif(1000, 600)), PictureUse::Background);
    EXPECT_EQ(gifToPng.message, "wide.gif copied to PSP/Photo as wide.png, scaled to 480 × 288");
    EXPECT_EQ(QImage(photo("wide.png"), "png").size(), QSize(480, 288));

    // Its reader tells the size only by reading.
    if (QImageWriter::supportedImageFormats().contains("icns")) {
        EXPECT_EQ(copy(picture("icon.icns", encoded(cornered(1024, 1024), "icns"))).message,
                  "icon.icns copied to PSP/Photo as icon.jpg, scaled to 272 × 272");
    }

    // A JPEG holds no transparency: what was see-through becomes white, not black.
    QImage holed(48, 48, QImage::Format_ARGB32);
    holed.fill(Qt::transparent);
    ASSERT_TRUE(copy(picture("holed.xpm", encoded(holed, "xpm"))).ok);
    EXPECT_GT(QColor(QImage(photo("holed.jpg"), "jpeg").pixel(24, 24)).lightness(), 250);
}

TEST_F(StickPictures, AJpegIsTurnedUprightByItsOrientation) {
    // Stored 800 × 400, shown turned a quarter clockwise: 400 × 800, red at the top right.
    const QString turned = picture(
        "turned.jpg", encoded(cornered(800, 400), "jpeg", QImageIOHandler::TransformationRotate90));
    const QImage upright(photo(copy(turned, PictureUse::Background).fileName), "jpeg");
    EXPECT_EQ(upright.size(), QSize(400, 800));
    EXPECT_TRUE(hasCorners(upright, {Qt::blue, Qt::red, Qt::yellow, Qt::green}));

    const PictureCopy fitted = copy(turned, PictureUse::InPage);
    EXPECT_EQ(fitted.message,
              "turned.jpg copied to PSP/Photo as turned-2.jpg, scaled to 136 × 272");
    EXPECT_TRUE(hasCorners(QImage(photo(fitted.fileName), "jpeg"),
                           {Qt::blue, Qt::red, Qt::yellow, Qt::green}));
}

TEST_F(StickPictures, ADifferentFileIsNeverReplacedAndTheSameBytesAreReused) {
    QDir().mkpath(photo());
    writeFile(photo("bg.png"), "someone else's");
    const QString mine = smallPng("bg.png");
    EXPECT_EQ(copy(mine).message, "bg.png copied to PSP/Photo as bg-2.png");
    EXPECT_EQ(readAll(photo("bg.png")), QByteArray("someone else's"));

    const PictureCopy again = copy(mine);
    EXPECT_EQ(again.fileName, "bg-2.png");
    EXPECT_EQ(again.message, "bg.png is already in PSP/Photo as bg-2.png");
    EXPECT_EQ(entries(photo()), (QStringList{"bg-2.png", "bg.png"}));
}

TEST_F(StickPictures, WhatIsNotAPictureOrCannotBeReadLeavesTheStickAlone) {
    expectRefused(copy(picture("notes.txt", "just words")), "not a picture");
    const QString missing = pictures.filePath("gone.jpg");
    expectRefused(copy(missing), missing + ":\n" + systemReason(ENOENT));
    expectRefused(copy(pictures.path()), "not a file");
    EXPECT_TRUE(entries(stick).isEmpty());
}

TEST(StickPictureNames, TakeNoCharacterTheStickOrThePageCannotHoldAndFitTheFormat) {
    EXPECT_EQ(stickFileName("a:b?c#d\"e%f.png", "png"), "a_b_c_d_e_f.png");
    EXPECT_EQ(stickFileName(".hidden. .png", "png"), "hidden.png");
    EXPECT_EQ(stickFileName(pathFromBytes("caf\xE9.png"), "png"), "caf_.png");
    EXPECT_EQ(stickFileName("...", "png"), "picture.png");
    EXPECT_EQ(stickFileName("Upper.JPEG", "jpeg"), "Upper.JPEG");
    EXPECT_EQ(stickFileName("wrong.jpg", "png"), "wrong.png");
    EXPECT_EQ(stickFileName("photo.webp", "jpeg"), "photo.jpg");
    EXPECT_EQ(stickFileName("my.holiday", "jpeg"), "my.holiday.jpg");
}

TEST_F(StickPictures, NothingGoesThroughALinkOrOntoAVolumeThatIsNoLongerMounted) {
    QTemporaryDir outside;
    const QString bg = smallPng("bg.png");
    ASSERT_TRUE(QFile::link(outside.path(), stick + "/PSP"));
    expectRefused(copy(bg), "PSP on the stick is a link");
    ASSERT_TRUE(QFile::remove(stick + "/PSP") && QDir(stick).mkdir("PSP"));
    ASSERT_TRUE(QFile::link(outside.path(), photo()));
    expectRefused(copy(bg), "Photo on the stick is a link");
    EXPECT_TRUE(entries(outside.path()).isEmpty());

    // A link at the name is someone else's: the copy takes the next name.
    ASSERT_TRUE(QFile::remove(photo()) && QDir().mkpath(photo()));
    ASSERT_TRUE(QFile::link(outside.filePath("planted.png"), photo("bg.png")));
    EXPECT_EQ(copy(bg).fileName, "bg-2.png");
    EXPECT_TRUE(entries(outside.path()).isEmpty());

    expectRefused(copyPictureToStick(system.scanner(), "", bg, PictureUse::InPage),
                  "No drive is chosen");
    system.removeMount(stick);
    expectRefused(copy(smallPng("other.png")), "is no longer there");
    EXPECT_EQ(entries(photo()), (QStringList{"bg-2.png", "bg.png"}));
}

TEST_F(StickPictures, EveryFolderWithANewEntryIsFlushedAndAFailedFlushLeavesNoCopy) {
    static int folderFlushes = 0;
    folderFlushes = 0;
    const auto counting = +[](int fd) {
        ++folderFlushes;
        return ::fsync(fd);
    };
    const auto gone = +[](int) {
        errno = ENODEV;
        return -1;
    };
    const QString bg = smallPng("bg.png");
    expectRefused(copy(bg, PictureUse::InPage, {.file = gone}),
                  "no longer there (" + systemReason(ENODEV));
    EXPECT_TRUE(entries(photo()).isEmpty());
    ASSERT_TRUE(QDir(stick).removeRecursively() && QDir().mkpath(stick));

    ASSERT_TRUE(copy(bg, PictureUse::InPage, {.folder = counting}).ok);
    EXPECT_EQ(folderFlushes, 3) << "PSP/Photo, PSP and the stick's root";
    ASSERT_TRUE(QFile::remove(photo("bg.png")));
    ASSERT_TRUE(copy(bg, PictureUse::InPage, {.folder = counting}).ok);
    EXPECT_EQ(folderFlushes, 4);
    expectRefused(copy(smallPng("new.png"), PictureUse::InPage, {.folder = gone}),
                  systemReason(ENODEV));
}

// Mounts need root and a private mount namespace; they vanish with the test process.
class MountedStickPictures : public StickPictures {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "needs root to mount";
        static const bool privateMounts =
            unshare(CLONE_NEWNS) == 0 &&
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        if (!privateMounts) GTEST_SKIP() << "no private mount namespace here";
    }
    void TearDown() override {
        for (const QString& where : mounted) umount(QFile::encodeName(where).constData());
    }
    void mountSmall(const QString& where) {
        ASSERT_TRUE(QDir().mkpath(where));
        ASSERT_EQ(mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, "size=64k"), 0);
        mounted.prepend(where);
    }
    QStringList mounted;
};

TEST_F(MountedStickPictures, AFullStickLeavesNoPartOfThePicture) {
    mountSmall(stick);
    QImage noise(400, 250, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        QRandomGenerator(y).fillRange(reinterpret_cast<quint32*>(noise.scanLine(y)), noise.width());
    expectRefused(copy(picture("noise.png", encoded(noise, "png"))), systemReason(ENOSPC));
    EXPECT_TRUE(entries(photo()).isEmpty());
}

TEST_F(MountedStickPictures, AnotherVolumeMountedInsideTheStickIsNotTheStick) {
    mountSmall(photo());
    expectRefused(copy(smallPng("bg.png")), "another volume");
    EXPECT_TRUE(entries(photo()).isEmpty());
}

}  // namespace
