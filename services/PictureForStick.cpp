#include "services/PictureForStick.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace qm {
namespace {

constexpr int kJpegQuality = 90;
constexpr qsizetype kLongestBaseName = 100;

bool keptAsItIs(const QByteArray& format) {
    return format == "jpeg" || format == "png" || format == "gif";
}

// The format a decoded picture is written in.
QByteArray writtenFormat(const QByteArray& format) {
    return format == "png" || format == "gif" ? "png" : "jpeg";
}

QByteArray encode(QImage image, const QByteArray& format) {
    // Eight bits a channel: the console's screen shows no more, and a small
    // browser may not read more.
    if (image.depth() > 32)
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
    if (format == "jpeg" && image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = flat;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg") writer.setQuality(kJpegQuality);
    return writer.write(image) ? bytes : QByteArray();
}

int scaledSide(int side, int to, int from) {
    return std::max(1, int(std::lround(double(side) * to / from)));
}

}  // namespace

QSize sizeOnStick(const QSize& size, PictureUse use) {
    const int w = size.width(), h = size.height();
    if (use == PictureUse::Background) {
        if (w <= kPspScreen.width()) return size;
        return {kPspScreen.width(), scaledSide(h, kPspScreen.width(), w)};
    }
    if (w <= kPspScreen.width() && h <= kPspScreen.height()) return size;
    // Whichever side is further over the screen's decides.
    if (qint64(w) * kPspScreen.height() >= qint64(h) * kPspScreen.width())
        return {kPspScreen.width(), scaledSide(h, kPspScreen.width(), w)};
    return {scaledSide(w, kPspScreen.height(), h), kPspScreen.height()};
}

StickPicture pictureForStick(const QByteArray& original, PictureUse use) {
    QBuffer buffer;
    buffer.setData(original);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty() || !reader.canRead())
        return {{}, {}, {}, QStringLiteral("It is not a picture: only pictures can be copied.")};

    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize stored = reader.size();
    const QSize shown = turned ? stored.transposed() : stored;
    const QSize target = sizeOnStick(shown, use);
    const bool upright =
        format != "jpeg" || reader.transformation() == QImageIOHandler::TransformationNone;
    if (keptAsItIs(format) && stored.isValid() && target == shown && upright)
        return {original, format, {}, {}};

    // The reader scales before it turns the picture upright.
    if (target != shown) reader.setScaledSize(turned ? target.transposed() : target);
    QImage image = reader.read();
    if (image.isNull())
        return {{},
                {},
                {},
                QStringLiteral("It could not be read as a picture: %1.").arg(reader.errorString())};
    bool scaled = target != shown;
    // A reader that cannot tell the size before reading leaves the scaling to here.
    if (const QSize fitted = sizeOnStick(image.size(), use); fitted != image.size()) {
        image = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled = true;
    }
    const QByteArray written = writtenFormat(format);
    const QByteArray bytes = encode(image, written);
    if (bytes.isEmpty())
        return {{}, {}, {}, QStringLiteral("It could not be converted for the PSP.")};
    return {bytes, written, scaled ? image.size() : QSize(), {}};
}

QString stickFileName(const QString& userFileName, const QByteArray& format) {
    const QFileInfo info(userFileName);
    const QString suffix = info.suffix().toLower();
    const bool fits = format == "jpeg" ? (suffix == "jpg" || suffix == "jpeg" || suffix == "jpe")
                                       : suffix == QLatin1String(format);
    const bool pictureSuffix =
        fits || QImageReader::supportedImageFormats().contains(suffix.toLatin1());
    const QString base = pictureSuffix ? info.completeBaseName() : userFileName;

    QString clean;
    for (const char32_t c : base.toUcs4()) {
        const bool refused = c < 0x20 || c == 0x7F || c == 0xFFFD ||
                             QStringView(u"\"*/:<>?\\|#%").contains(QChar(c));
        clean += refused ? QStringLiteral("_") : QString::fromUcs4(&c, 1);
    }
    // FAT drops dots and spaces at the end; one at the start hides the file.
    while (!clean.isEmpty() && (clean.back() == u'.' || clean.back() == u' ')) clean.chop(1);
    while (!clean.isEmpty() && (clean.front() == u'.' || clean.front() == u' ')) clean.remove(0, 1);
    if (clean.size() > kLongestBaseName) {
        clean.truncate(kLongestBaseName);
        if (clean.back().isHighSurrogate()) clean.chop(1);
    }
    if (clean.isEmpty()) clean = QStringLiteral("picture");
    const QString ending = fits               ? info.suffix()
                           : format == "jpeg" ? QStringLiteral("jpg")
                                              : QString::fromLatin1(format);
    return clean + u'.' + ending;
}

}  // namespace qm
