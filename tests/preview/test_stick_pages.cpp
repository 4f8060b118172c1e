#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "FakeSystem.h"
#include "preview/StickPages.h"
#include "services/PageWriter.h"

using namespace qm;

namespace {

QUrl at(const QString& path) {
    QUrl url = previewPageAddress();
    url.setPath(path);
    return url;
}

QByteArray served(const StickPages& pages, const QUrl& address) {
    const PreviewReply reply = pages.open(address);
    return reply.body ? reply.body->readAll() : QByteArray("<nothing>");
}

class StickPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        stick_ = system_.addMount("stick", "8:17");
        QDir().mkpath(stick_ + "/PSP/Photo");
        FakeSystem::write(stick_ + "/PSP/Photo/bg.png", "picture");
        FakeSystem::write(system_.root() + "/secret.png", "secret");
        FakeSystem::write(system_.root() + "/index.html", "page\r\n");
        pages_.setPageFile(system_.root() + "/index.html");
        pages_.setDrive(stick_);
    }

    FakeSystem system_;
    QString stick_;
    StickPages pages_{system_.scanner()};
};

}  // namespace

TEST_F(StickPagesTest, ThePageIsThePreviewCopyInItsCharacterSetAndTheRestComesFromTheStick) {
    EXPECT_EQ(pages_.open(previewPageAddress()).mimeType, "text/html;charset=" + pageCodeset());
    EXPECT_EQ(pages_.open(at("/PSP/Photo/bg.png")).mimeType, "image/png");
    FakeSystem::write(stick_ + "/my pics.png", "spaced");
    EXPECT_EQ(served(pages_, QUrl(QStringLiteral("quillmere-preview://stick/my%20pics.png"))), "spaced");
}

TEST_F(StickPagesTest, NothingOutsideTheStickOrOtherThanAFileIsRead) {
    QFile::link(QStringLiteral("../../../secret.png"), stick_ + "/PSP/Photo/up.png");
    QFile::link(system_.root() + "/secret.png", stick_ + "/PSP/Photo/absolute.png");
    QFile::link(system_.root(), stick_ + "/PSP/outside");
    ASSERT_EQ(::mkfifo(QFile::encodeName(stick_ + "/PSP/Photo/fifo.png").constData(), 0600), 0);
    for (const char* path : {"/../secret.png", "/PSP/../../secret.png", "/PSP/Photo/up.png",
                             "/PSP/Photo/absolute.png", "/PSP/outside/secret.png", "/PSP/Photo/fifo.png",
                             "/PSP/Photo", "/", "/PSP/Photo/missing.png"})
        EXPECT_EQ(served(pages_, at(QLatin1String(path))), "<nothing>") << path;
    EXPECT_EQ(served(pages_, QUrl(QStringLiteral("quillmere-preview://stick/%2e%2e/secret.png"))), "<nothing>");
    EXPECT_EQ(served(pages_, QUrl(QStringLiteral("quillmere-preview://elsewhere/PSP/Photo/bg.png"))), "<nothing>");
    EXPECT_EQ(served(pages_, QUrl(QStringLiteral("file:///PSP/Photo/bg.png"))), "<nothing>");
}

TEST_F(StickPagesTest, WithNoStickChosenOrTheStickGoneOnlyThePageIsThere) {
    pages_.setDrive(QString());
    EXPECT_EQ(served(pages_, at("/PSP/Photo/bg.png")), "<nothing>");
    pages_.setDrive(stick_);
    system_.removeMount(stick_);
    EXPECT_EQ(served(pages_, at("/PSP/Photo/bg.png")), "<nothing>");
    EXPECT_EQ(served(pages_, previewPageAddress()), "page\r\n");
}
