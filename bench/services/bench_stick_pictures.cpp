// A 12 MB phone photo (4032 × 3024, noisy so it does not compress) copied to
// a stick, scaled for each use.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "services/StickPictures.h"
#include "services/Volumes.h"

using namespace qm;

namespace {

QByteArray noisyPhoto() {
    QImage image(4032, 3024, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        random.fillRange(reinterpret_cast<quint32*>(image.scanLine(y)), image.width());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    writer.write(image);
    return bytes;
}

// A folder the scanner lists as a mounted volume: its own /proc, nothing of the machine's.
struct FakeStick {
    QTemporaryDir root{QStringLiteral("bench-XXXXXX")};
    QString stick = root.path() + "/stick";
    QString photo = root.path() + "/photo.jpg";
    FakeStick() {
        QDir().mkpath(root.path() + "/proc/self");
        QDir().mkpath(stick);
        QFile table(root.path() + "/proc/self/mountinfo");
        table.open(QIODevice::WriteOnly);
        table.write("21 1 8:17 / " + QFile::encodeName(stick) + " rw - vfat /dev/sdb1 rw\n");
    }
    VolumeScanner scanner() const {
        return VolumeScanner(root.path() + "/proc", root.path() + "/sys", root.path() + "/dev");
    }
};

void CopyPhoto(benchmark::State& state, PictureUse use) {
    static const QByteArray photo = noisyPhoto();
    FakeStick stick;
    QFile file(stick.photo);
    file.open(QIODevice::WriteOnly);
    file.write(photo);
    file.close();
    for (auto _ : state) {
        state.PauseTiming();
        QDir(stick.stick + "/PSP").removeRecursively();
        state.ResumeTiming();
        const PictureCopy copy = copyPictureToStick(stick.scanner(), stick.stick, stick.photo, use);
        if (!copy.ok) state.SkipWithError(copy.message.toUtf8().constData());
    }
    state.counters["photo_MB"] = photo.size() / 1e6;
}

BENCHMARK_CAPTURE(CopyPhoto, background, PictureUse::Background)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CopyPhoto, in_page, PictureUse::InPage)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
