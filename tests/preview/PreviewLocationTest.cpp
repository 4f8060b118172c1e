#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "PreviewLocation.h"

using namespace preview;

namespace {

mode_t permissions(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 0777) : 0;
}

}  // namespace

TEST(PreviewFolderChoice, WritableApplicationFolderIsUsedAsItIs) {
    QTemporaryDir app;
    const PreviewFolder folder = choosePreviewFolder(app.path(), "/run/user/1000", "/home/u/.cache");
    EXPECT_EQ(folder.path, app.path());
    EXPECT_FALSE(folder.isPrivate);
}

TEST(PreviewFolderChoice, UnusableApplicationFolderFallsBackToThisUsersFolders) {
    const PreviewFolder runtime = choosePreviewFolder("/no/such/folder", "/run/user/1000", "/home/u/.cache");
    EXPECT_EQ(runtime.path, QStringLiteral("/run/user/1000/quillmere"));
    EXPECT_TRUE(runtime.isPrivate);

    const PreviewFolder cache = choosePreviewFolder("/no/such/folder", "", "/home/u/.cache");
    EXPECT_EQ(cache.path, QStringLiteral("/home/u/.cache/quillmere"));
    EXPECT_TRUE(cache.isPrivate);

    EXPECT_TRUE(choosePreviewFolder("/no/such/folder", "", "").path.isEmpty());
    EXPECT_TRUE(choosePreviewFolder("", "", "").path.isEmpty());
}

TEST(PreviewFolderChoice, AddressIsAFileUrlWithTheWritersLetterCase) {
    EXPECT_EQ(previewFilePath("/opt/my apps"), QStringLiteral("/opt/my apps/index.html"));
    EXPECT_EQ(previewAddress("/opt/my apps").toEncoded(), "file:///opt/my%20apps/index.html");
    EXPECT_EQ(previewAddress("/opt/a#b?c").toEncoded(), "file:///opt/a%23b%3Fc/index.html");
    EXPECT_EQ(previewAddress("/opt/my apps").toLocalFile(), QStringLiteral("/opt/my apps/index.html"));
}

TEST(PreviewFolderPreparation, PrivateFolderIsMadeOwnerOnly) {
    QTemporaryDir base;
    const PreviewFolder folder{base.path() + "/cache/quillmere", true};
    EXPECT_EQ(preparePreviewFolder(folder), QString());
    EXPECT_EQ(permissions(folder.path), mode_t(0700));

    // An existing one left open to others is closed again.
    ::chmod(QFile::encodeName(folder.path).constData(), 0755);
    EXPECT_EQ(preparePreviewFolder(folder), QString());
    EXPECT_EQ(permissions(folder.path), mode_t(0700));
}

TEST(PreviewFolderPreparation, SomethingElseInThePrivateFoldersPlaceIsRefused) {
    QTemporaryDir base;
    QFile file(base.path() + "/quillmere");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString fileError = preparePreviewFolder({file.fileName(), true});
    EXPECT_TRUE(fileError.contains(file.fileName())) << fileError.toStdString();

    QDir(base.path()).mkdir("elsewhere");
    const QString link = base.path() + "/link";
    ASSERT_TRUE(QFile::link(base.path() + "/elsewhere", link));
    EXPECT_FALSE(preparePreviewFolder({link, true}).isEmpty());

    EXPECT_FALSE(preparePreviewFolder({file.fileName() + "/below", true}).isEmpty());
    EXPECT_FALSE(preparePreviewFolder(PreviewFolder{}).isEmpty());
}

TEST(PreviewFolderPreparation, ApplicationFolderIsLeftAlone) {
    QTemporaryDir app;
    ::chmod(QFile::encodeName(app.path()).constData(), 0755);
    EXPECT_EQ(preparePreviewFolder({app.path(), false}), QString());
    EXPECT_EQ(permissions(app.path()), mode_t(0755));
}
