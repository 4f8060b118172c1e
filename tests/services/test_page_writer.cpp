#include <gtest/gtest.h>
#include <sched.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <clocale>

#include "EightBitLocale.h"
#include "FileContents.h"

#include "services/PageWriter.h"
#include "services/PathBytes.h"

using namespace qm;

namespace {

// A flush the disk refuses, as a stick pulled out mid-write does.
int failingFlush(int) {
    errno = EIO;
    return -1;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(PageEncoding, AddsOneLineEndAndNoByteOrderMark) {
    EXPECT_EQ(qm::encodeForCharset(QString(), "UTF-8"), QByteArray());
    EXPECT_EQ(qm::encodePage(QString()).right(2), QByteArray("\r\n"));
    EXPECT_EQ(qm::encodeForCharset(QStringLiteral("é"), "UTF-8"), QByteArray("\xC3\xA9"));
}

TEST(PageEncoding, CharactersAnEightBitSetCannotHoldBecomeOneQuestionMarkEach) {
    const QString text = QStringLiteral("a\u00E9\u20AC") + QString::fromUcs4(U"\U0001F600") + "z?";
    qsizetype replaced = -1;
    EXPECT_EQ(qm::encodeForCharset(text, "ISO-8859-1", &replaced), QByteArray("a\xE9??z?"));
    EXPECT_EQ(replaced, 2) << "a typed question mark is no loss";
    EXPECT_EQ(qm::encodeForCharset(text, "ANSI_X3.4-1968", &replaced), QByteArray("a???z?"));
    EXPECT_EQ(replaced, 3);
    EXPECT_EQ(qm::encodeForCharset(text, "CP1252", &replaced), QByteArray("a\xE9\x80?z?"));
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(qm::encodeForCharset(text, "UTF-8", &replaced), text.toUtf8());
    EXPECT_EQ(replaced, 0);
}

TEST(PageEncoding, TheNoteSaysHowManyCharactersBecameQuestionMarks) {
    EXPECT_EQ(qm::replacedCharactersNote(0), QString());
    EXPECT_TRUE(qm::replacedCharactersNote(1).contains("1 character became \"?\""));
    EXPECT_TRUE(qm::replacedCharactersNote(12).contains("12 characters became \"?\""));
}

// The page source of a user who writes French under each kind of locale.
const QString french = QStringLiteral("Caf\u00E9 \u2013 na\u00EFve");

class PageLocale : public ::testing::Test {
protected:
    void SetUp() override { previous = std::setlocale(LC_ALL, nullptr); }
    void TearDown() override { std::setlocale(LC_ALL, previous.constData()); }
    QByteArray previous;
    QTemporaryDir folder;
};

TEST_F(PageLocale, TheCAndPosixLocalesWriteUtf8AndLoseNothing) {
    for (const char* name : {"C", "POSIX"}) {
        ASSERT_TRUE(std::setlocale(LC_ALL, name));
        EXPECT_EQ(qm::pageCodeset(), QByteArray("UTF-8")) << name;
        const qm::WriteResult result = qm::writePageFile(folder.filePath("index.html"), french);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.replaced, 0);
        EXPECT_EQ(readAll(folder.filePath("index.html")), french.toUtf8() + "\r\n") << name;
    }
}

TEST_F(PageLocale, AnEightBitLocaleKeepsItsSetAndCountsWhatBecameQuestionMarks) {
    EightBitLocale latin1;
    if (!latin1.isActive()) GTEST_SKIP() << "no ISO-8859-1 locale, and localedef could not make one";
    EXPECT_EQ(qm::pageCodeset(), QByteArray("ISO-8859-1"));
    const qm::WriteResult result = qm::writePageFile(folder.filePath("index.html"), french);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(readAll(folder.filePath("index.html")), QByteArray("Caf\xE9 ? na\xEFve\r\n"));
    EXPECT_EQ(result.replaced, 1);
    EXPECT_TRUE(qm::replacedCharactersNote(result.replaced).contains("ISO-8859-1"));
}

TEST(PageEncoding, AnUnknownCharacterSetLosesNothing) {
    EXPECT_EQ(qm::encodeForCharset(QStringLiteral("\u00E9"), "NO-SUCH-SET"), QByteArray("\xC3\xA9"));
}

class PageFile : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path() const { return folder.path() + "/index.html"; }
};

TEST_F(PageFile, HoldsThePageSourceAndOneLineEnd) {
    ASSERT_TRUE(qm::writePageFile(path(), "one\r\ntwo\r\nthree").ok);
    EXPECT_EQ(readAll(path()), QByteArray("one\r\ntwo\r\nthree\r\n"));
    ASSERT_TRUE(qm::writePageFile(path(), "ends\r\n").ok);
    EXPECT_EQ(readAll(path()), QByteArray("ends\r\n\r\n"));
    ASSERT_TRUE(qm::writePageFile(path(), "").ok);
    EXPECT_EQ(readAll(path()), QByteArray("\r\n"));
}

TEST_F(PageFile, IsReplacedNotExtendedAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(qm::writePageFile(path(), "<B>old page that is longer</B>").ok);
    ASSERT_TRUE(qm::writePageFile(path(), "new").ok);
    ASSERT_TRUE(qm::writePageFile(path(), "new").ok);
    EXPECT_EQ(readAll(path()), QByteArray("new\r\n"));
    EXPECT_EQ(entries(folder.path()), QStringList{"index.html"});
}

TEST_F(PageFile, FailsWithThePathAndReasonWhenTheFolderIsGoneOrNotAFolder) {
    const QString gone = folder.path() + "/unplugged/index.html";
    const qm::WriteResult missing = qm::writePageFile(gone, "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(gone)) << missing.error.toStdString();

    QFile plain(folder.path() + "/plain");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const qm::WriteResult notFolder = qm::writePageFile(folder.path() + "/plain/index.html", "x");
    EXPECT_FALSE(notFolder.ok);
    EXPECT_EQ(entries(folder.path()), QStringList{"plain"});
}

TEST_F(PageFile, ALinkInThePagesPlaceIsReplacedNeverWrittenThrough) {
    QTemporaryDir outside;
    const QString precious = outside.path() + "/precious.txt";
    writeFile(precious, "mine");
    ASSERT_TRUE(QFile::link(precious, path()));
    ASSERT_TRUE(qm::writePageFile(path(), "page").ok);
    EXPECT_EQ(readAll(precious), QByteArray("mine"));
    EXPECT_FALSE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(readAll(path()), QByteArray("page\r\n"));

    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QFile::link(outside.path() + "/planted.txt", path()));  // leads nowhere yet
    ASSERT_TRUE(qm::writePageFile(path(), "page").ok);
    EXPECT_EQ(entries(outside.path()), QStringList{"precious.txt"});
    EXPECT_EQ(readAll(path()), QByteArray("page\r\n"));
}

TEST_F(PageFile, AFolderReachedThroughALinkIsNotEntered) {
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::link(outside.path(), folder.path() + "/stick"));
    const qm::WriteResult result = qm::writePageFile(folder.path() + "/stick/index.html", "page");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(entries(outside.path()).isEmpty());
}

TEST_F(PageFile, AFailedFlushKeepsTheOldPageAndGivesTheSystemsReason) {
    ASSERT_TRUE(qm::writePageFile(path(), "old page").ok);
    const qm::WriteResult result = qm::writePageFile(path(), "new page", {.file = failingFlush});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QString::fromLocal8Bit(strerror(EIO)))) << result.error.toStdString();
    EXPECT_EQ(readAll(path()), QByteArray("old page\r\n"));
    EXPECT_EQ(entries(folder.path()), QStringList{"index.html"});
}

// What the folder held when it was flushed: the page must already be there
// under its own name, or a power cut can lose the name.
QByteArray pageAtFolderFlush;

TEST_F(PageFile, TheFolderIsFlushedAfterTheNewPageHasItsNameAndAFailedFlushIsReported) {
    ASSERT_TRUE(qm::writePageFile(path(), "old page").ok);
    pageAtFolderFlush.clear();
    const auto recordingFlush = +[](int folderFd) {
        QFile page;
        const int fd = ::openat(folderFd, "index.html", O_RDONLY);
        if (fd >= 0 && page.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            pageAtFolderFlush = page.readAll();
        return ::fsync(folderFd);
    };
    ASSERT_TRUE(qm::writePageFile(path(), "new page", {.folder = recordingFlush}).ok);
    EXPECT_EQ(pageAtFolderFlush, QByteArray("new page\r\n"));

    const qm::WriteResult result = qm::writePageFile(path(), "newer page", {.folder = failingFlush});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QString::fromLocal8Bit(strerror(EIO)))) << result.error.toStdString();
}

TEST_F(PageFile, TheReplacedPageKeepsItsPermissions) {
    for (mode_t kept : {0600, 0666, 0640}) {
        ASSERT_TRUE(qm::writePageFile(path(), "old page").ok);
        ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), kept), 0);
        ASSERT_TRUE(qm::writePageFile(path(), "new page").ok);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(path()).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, kept) << std::oct << kept;
    }
}

TEST_F(PageFile, AMediumThatWentAwayIsSaidToBeGoneWithTheSystemsReason) {
    const auto goneMedium = +[](int) {
        errno = EXDEV;
        return -1;
    };
    const qm::WriteResult result = qm::writePageFile(path(), "page", {.file = goneMedium});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("no longer there")) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QString::fromLocal8Bit(strerror(EXDEV))));
    EXPECT_TRUE(result.error.contains(path()));
}

TEST_F(PageFile, AFolderWhoseNameIsNotUtf8IsWrittenByteForByte) {
    const QByteArray latin1 = QFile::encodeName(folder.path()) + "/Caf\xE9";
    ASSERT_EQ(::mkdir(latin1.constData(), 0700), 0);
    ASSERT_TRUE(qm::writePageFile(qm::pathFromBytes(latin1) + "/index.html", "page").ok);
    QFile written;
    const int fd = ::open((latin1 + "/index.html").constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(written.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    EXPECT_EQ(written.readAll(), QByteArray("page\r\n"));
}

// Mount tricks need root and a private mount namespace; the mounts vanish with
// the test process.
class MountedPageFile : public PageFile {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "needs root to mount";
        if (!privateNamespace()) GTEST_SKIP() << "no private mount namespace here";
        ASSERT_TRUE(QDir(folder.path()).mkdir("medium"));
        medium = folder.path() + "/medium";
    }
    static bool privateNamespace() {
        static const bool ok = unshare(CLONE_NEWNS) == 0 &&
                               mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return ok;
    }
    QString medium;
};

TEST_F(MountedPageFile, AFullMediumKeepsTheOldPageWholeAndReportsTheFailure) {
    ASSERT_EQ(mount("tmpfs", QFile::encodeName(medium).constData(), "tmpfs", 0, "size=64k"), 0);
    const QString page = medium + "/index.html";
    ASSERT_TRUE(qm::writePageFile(page, "old page").ok);
    const qm::WriteResult result = qm::writePageFile(page, QString(200 * 1024, QLatin1Char('x')));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(page)) << result.error.toStdString();
    EXPECT_TRUE(result.error.contains(QString::fromLocal8Bit(strerror(ENOSPC)))) << result.error.toStdString();
    EXPECT_EQ(readAll(page), QByteArray("old page\r\n"));
    EXPECT_EQ(entries(medium), QStringList{"index.html"});
    umount(QFile::encodeName(medium).constData());
}

TEST_F(MountedPageFile, AReadOnlyMediumKeepsTheOldPageAndReportsTheFailure) {
    const QByteArray where = QFile::encodeName(medium);
    const QString page = medium + "/index.html";
    ASSERT_TRUE(qm::writePageFile(page, "old page").ok);
    ASSERT_EQ(mount(where.constData(), where.constData(), nullptr, MS_BIND, nullptr), 0);
    ASSERT_EQ(mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr),
              0);
    const qm::WriteResult result = qm::writePageFile(page, "new page");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(page));
    EXPECT_EQ(readAll(page), QByteArray("old page\r\n"));
    umount(where.constData());
}

}  // namespace
