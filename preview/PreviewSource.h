#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QUrl>
#include <memory>

namespace qm {

// The preview window browses an address space of its own: the page comes
// from previewPageAddress(), so the page's relative references resolve to the
// same space, and a PreviewSource answers each of them. The browser module
// shares this header with the program.
inline constexpr char kPreviewScheme[] = "quillmere-preview";

inline QUrl previewPageAddress() { return QUrl(QStringLiteral("quillmere-preview://stick/index.html")); }

struct PreviewReply {
    std::unique_ptr<QIODevice> body;  // open for reading; null when nothing is there
    QByteArray mimeType;
};

// Lives in the program; the browser module only asks it, and, as a QObject,
// can tell when it is gone.
class PreviewSource : public QObject {
public:
    using QObject::QObject;
    virtual PreviewReply open(const QUrl& address) const = 0;
};

}  // namespace qm
