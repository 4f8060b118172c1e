#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FileContents.h"
#include "preview/PreviewLocation.h"
#include "services/PageWriter.h"

using namespace qm;


namespace {

mode_t permissions(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 0777) : 0;
}

const QString kRuntime = QStringLiteral("/run/user/1000");
const QString kCache = QStringLiteral("/home/u/.cache");

TEST(PreviewFolderChoice, OnlyTheBuildTreeKeepsThePreviewBesideTheProgram) {
    QTemporaryDir app;
    const PreviewFolder built = choosePreviewFolder(true, app.path(), kRuntime, kCache);
    EXPECT_EQ(built.path, app.path() + "/live-preview/" + copyFolderName());
    EXPECT_TRUE(built.isPrivate);

    // An installed program's folder, writable for root or not, is never used.
    const PreviewFolder installed = choosePreviewFolder(false, app.path(), kRuntime, kCache);
    EXPECT_EQ(installed.path, kRuntime + "/quillmere/" + copyFolderName());
    ::chmod(QFile::encodeName(app.path()).constData(), 0555);
    EXPECT_EQ(choosePreviewFolder(false, app.path(), kRuntime, kCache).path, installed.path);
    ::chmod(QFile::encodeName(app.path()).constData(), 0700);

    const PreviewFolder cache = choosePreviewFolder(false, app.path(), "", kCache);
    EXPECT_EQ(cache.path, kCache + "/quillmere/" + copyFolderName());
    EXPECT_TRUE(choosePreviewFolder(false, app.path(), "", "").path.isEmpty());
    EXPECT_TRUE(choosePreviewFolder(true, "", "", "").path.isEmpty());
}

TEST(PreviewFolderChoice, TheBuildTreeIsKnownByWhereItWasBuilt) {
    EXPECT_TRUE(runsFromBuildTree(QStringLiteral(QM_TEST_BUILD_TREE)));
    EXPECT_FALSE(runsFromBuildTree(QStringLiteral("/usr/bin")));
    EXPECT_FALSE(runsFromBuildTree(QCoreApplication::applicationDirPath() + "/no-such-folder"));
}

TEST(PreviewFolderChoice, EachRunningCopyHasItsOwnFolderName) {
    EXPECT_EQ(copyFolderName(), copyFolderName());
    EXPECT_TRUE(copyFolderName().contains(QString::number(QCoreApplication::applicationPid())));
}

TEST(PreviewFolderChoice, FileIsNamedInTheWritersLetterCase) {
    EXPECT_EQ(previewFilePath("/opt/my apps"), QStringLiteral("/opt/my apps/index.html"));
    EXPECT_EQ(previewFilePath("/"), QStringLiteral("/index.html"));
}

class PreviewFolderPreparation : public ::testing::Test {
protected:
    QString prepare(const PreviewFolder& folder) { return folders.prepare(folder); }
    bool remove(const PreviewFolder& folder) { return folders.remove(folder); }
    PreviewFolders folders;
    QTemporaryDir base;
    QString owner() const { return base.path() + "/cache/quillmere"; }
    PreviewFolder copy(const QString& name) const { return {owner() + "/" + name, true}; }
};

TEST_F(PreviewFolderPreparation, FoldersAreMadeOwnerOnlyAndClosedAgainWhenOthersCouldEnter) {
    EXPECT_EQ(prepare(copy("a")), QString());
    EXPECT_EQ(permissions(owner()), mode_t(0700));
    EXPECT_EQ(permissions(copy("a").path), mode_t(0700));

    for (mode_t open : {0755, 0705, 0750, 0770, 0777}) {
        ::chmod(QFile::encodeName(owner()).constData(), open);
        EXPECT_EQ(prepare(copy("a")), QString()) << std::oct << open;
        EXPECT_EQ(permissions(owner()), mode_t(0700)) << std::oct << open;
    }
}

TEST_F(PreviewFolderPreparation, WhatOthersPlantedInAnOpenFolderIsNeverUsed) {
    QTemporaryDir outside;
    const QString precious = outside.path() + "/precious.txt";
    writeFile(precious, "mine");
    ASSERT_TRUE(QDir().mkpath(copy("planted").path));
    ASSERT_TRUE(QFile::link(precious, copy("planted").path + "/index.html"));
    ASSERT_TRUE(QFile::link(precious, owner() + "/index.html"));
    ::chmod(QFile::encodeName(owner()).constData(), 0777);

    EXPECT_FALSE(prepare(copy("planted")).isEmpty());
    EXPECT_EQ(permissions(owner()), mode_t(0700));
    EXPECT_FALSE(remove(copy("planted")));
    EXPECT_EQ(readAll(precious), QByteArray("mine"));

    // A folder this run made is used; a link at its index.html is replaced.
    ASSERT_EQ(prepare(copy("fresh")), QString());
    ASSERT_TRUE(QFile::link(precious, copy("fresh").path + "/index.html"));
    ASSERT_TRUE(qm::writePageFile(previewFilePath(copy("fresh").path), "page").ok);
    EXPECT_EQ(readAll(precious), QByteArray("mine"));
}

TEST_F(PreviewFolderPreparation, ACopyFolderThatWasThereBeforeIsNeverUsedEvenWhenPrivate) {
    ASSERT_TRUE(QDir().mkpath(copy("earlier").path));
    ::chmod(QFile::encodeName(copy("earlier").path).constData(), 0700);
    writeFile(previewFilePath(copy("earlier").path), "left by someone");
    const QString error = prepare(copy("earlier"));
    EXPECT_TRUE(error.contains("not made by this program")) << error.toStdString();
    EXPECT_FALSE(remove(copy("earlier")));
    EXPECT_EQ(readAll(previewFilePath(copy("earlier").path)), QByteArray("left by someone"));

    // Nor one that another run made, even in the same program.
    ASSERT_EQ(PreviewFolders().prepare(copy("other run")), QString());
    EXPECT_FALSE(prepare(copy("other run")).isEmpty());
}

TEST_F(PreviewFolderPreparation, SomethingElseInThePrivateFoldersPlaceIsRefused) {
    ASSERT_TRUE(QDir().mkpath(base.path() + "/cache"));
    writeFile(owner(), "");
    const QString fileError = prepare(copy("a"));
    EXPECT_TRUE(fileError.contains(owner())) << fileError.toStdString();

    QDir(base.path()).mkdir("elsewhere");
    ASSERT_TRUE(QFile::link(base.path() + "/elsewhere", base.path() + "/link"));
    EXPECT_FALSE(prepare({base.path() + "/link/a", true}).isEmpty());
    EXPECT_TRUE(QDir(base.path() + "/elsewhere").isEmpty());

    ASSERT_TRUE(QDir().mkpath(base.path() + "/real/quillmere"));
    ASSERT_TRUE(QFile::link(base.path() + "/elsewhere", base.path() + "/real/quillmere/b"));
    EXPECT_FALSE(prepare({base.path() + "/real/quillmere/b", true}).isEmpty());
    EXPECT_FALSE(prepare(PreviewFolder{}).isEmpty());

    if (::geteuid() == 0) {  // only root can hand a folder to another user
        ASSERT_TRUE(QDir().mkpath(base.path() + "/theirs/quillmere"));
        ASSERT_EQ(::chown(QFile::encodeName(base.path() + "/theirs/quillmere").constData(), 65534, 65534), 0);
        const QString error = prepare({base.path() + "/theirs/quillmere/c", true});
        EXPECT_TRUE(error.contains("another user")) << error.toStdString();
    }
}

TEST_F(PreviewFolderPreparation, ARefusedFolderIsNeverDeletedThrough) {
    QDir(base.path()).mkpath("elsewhere/a");
    writeFile(base.path() + "/elsewhere/a/index.html", "not ours");
    ASSERT_TRUE(QDir().mkpath(base.path() + "/cache"));
    ASSERT_TRUE(QFile::link(base.path() + "/elsewhere", owner()));
    EXPECT_FALSE(prepare(copy("a")).isEmpty());
    EXPECT_FALSE(remove(copy("a")));
    EXPECT_EQ(readAll(base.path() + "/elsewhere/a/index.html"), QByteArray("not ours"));
}

TEST_F(PreviewFolderPreparation, TwoCopiesNeverDeleteEachOthersPreview) {
    ASSERT_EQ(prepare(copy("one")), QString());
    ASSERT_EQ(prepare(copy("two")), QString());
    ASSERT_TRUE(qm::writePageFile(previewFilePath(copy("one").path), "first").ok);
    ASSERT_TRUE(qm::writePageFile(previewFilePath(copy("two").path), "second").ok);

    EXPECT_TRUE(remove(copy("one")));
    EXPECT_FALSE(QDir(copy("one").path).exists());
    EXPECT_EQ(readAll(previewFilePath(copy("two").path)), QByteArray("second\r\n"));
    EXPECT_FALSE(remove(copy("one")));
}

TEST_F(PreviewFolderPreparation, AFolderGivenAsItIsIsLeftAlone) {
    QTemporaryDir app;
    ::chmod(QFile::encodeName(app.path()).constData(), 0755);
    EXPECT_EQ(prepare({app.path(), false}), QString());
    EXPECT_EQ(permissions(app.path()), mode_t(0755));
    writeFile(previewFilePath(app.path()), "kept");
    EXPECT_FALSE(remove({app.path(), false}));
    EXPECT_TRUE(QFile::exists(previewFilePath(app.path())));
}

}  // namespace
