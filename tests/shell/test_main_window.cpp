#include <gtest/gtest.h>

#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "EightBitLocale.h"
#include "FakeSystem.h"
#include "FileContents.h"
#include "preview/PreviewLocation.h"
#include "shell/MainWindow.h"
#include "shell/WindowIcon.h"
#include "windows/AboutForm.h"
#include "windows/DriveList.h"
#include "windows/Messages.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qm::setMessageSink([this](const qm::Message& m) {
            messages.push_back(m);
            log << "message";
            if (window) shownAtMessage.push_back(window->isVisible());
        });
    }
    void TearDown() override {
        delete window.data();
        qm::setMessageSink(nullptr);
    }

    QString addStick(const QString& name, int minor, bool marker) {
        const QString root =
            system.addMount("media/" + name, system.addDisk(name, 8, minor, true, FakeSystem::Bus::Usb));
        if (marker) FakeSystem::write(root + "/MEMSTICK.IND", "");
        return root;
    }
    void start() {
        window = new MainWindow(system.scanner());
        window->showForm();
    }
    template <class T>
    T* control(const char* name) const {
        return window->controls().get<T>(QLatin1String(name));
    }
    void press(const char* button) { emit control<qm::ccXPButton>(button)->clicked(); }
    void type(const QString& text) { control<QPlainTextEdit>("TxtInput")->insertPlainText(text); }

    FakeSystem system;
    QPointer<MainWindow> window;
    std::vector<qm::Message> messages;
    std::vector<bool> shownAtMessage;
    QStringList log;
};

TEST_F(MainWindowTest, WithoutAStickTheMessageComesBeforeTheWindowWithItsPanelsClosed) {
    system.addMount("data", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    QTimer::singleShot(0, [this] { log << "event"; });
    start();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("PSP not Detected."));
    EXPECT_EQ(messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages[0].icon, qm::MessageIcon::Exclamation);
    EXPECT_EQ(log, (QStringList{"message", "event"})) << "events queued before it run once it is dismissed";
    EXPECT_EQ(shownAtMessage, std::vector<bool>{false});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quillmere"));
    for (const char* hidden : {"Frame1", "Frame2", "Frame3", "AddColour", "Colours", "Text4",
                               "Label8", "Text5", "EndBold", "Expand", "BGSwitch2"})
        EXPECT_TRUE(window->controls().widget(QLatin1String(hidden))->isHidden()) << hidden;
    EXPECT_TRUE(control<DriveList>("Drive1")->drive().isEmpty()) << "no drive is guessed";
}

TEST_F(MainWindowTest, WithoutAStickNoDriveIsChosenAndMakeWritesNowhere) {
    const QString data = system.addMount("data", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    start();
    auto* drives = control<DriveList>("Drive1");
    EXPECT_EQ(drives->currentIndex(), -1);
    EXPECT_EQ(drives->placeholderText(), QStringLiteral("Choose…"));
    EXPECT_EQ(drives->toolTip(), QStringLiteral("Choose the PSP drive"));
    messages.clear();
    press("Make");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("No drive is chosen. Pick the PSP's memory stick in the "
                                               "drive list, then press Make again."));
    EXPECT_FALSE(QFile::exists(data + "/index.html"));

    // What the user picks by hand is used.
    ASSERT_TRUE(drives->setDrive(data));
    messages.clear();
    press("Make");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Index.html created successfully"));
}

TEST_F(MainWindowTest, MakeAfterTheStickWasUnmountedWritesNothingIntoTheFolderLeftBehind) {
    const QString stick = addStick("sdb", 16, true);
    start();
    FakeSystem::write(system.root() + "/proc/self/mountinfo", "");  // the mount point folder stays
    press("Make");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(messages[0].text.contains("is no longer there")) << messages[0].text.toStdString();
    EXPECT_FALSE(messages[0].text.contains("//"));
    EXPECT_FALSE(QFile::exists(stick + "/index.html"));
}

TEST_F(MainWindowTest, WithAStickItIsChosenSilently) {
    system.addMount("data", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    const QString stick = addStick("sdb", 16, true);
    start();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(control<DriveList>("Drive1")->drive(), stick);
}

TEST_F(MainWindowTest, MakeWritesThePageToTheChosenDriveAndConfirms) {
    const QString stick = addStick("sdb", 16, true);
    start();
    FakeSystem::write(stick + "/index.html", "an older and longer page");
    type("<B>Hi</B>\nsecond line");
    press("Make");
    EXPECT_EQ(readAll(stick + "/index.html"), QByteArray("<B>Hi</B>\r\nsecond line\r\n"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Index.html created successfully"));
    EXPECT_EQ(messages[0].title, QStringLiteral("Completed"));
    EXPECT_EQ(messages[0].icon, qm::MessageIcon::None);
}

TEST_F(MainWindowTest, MakeUnderAnEightBitLocaleConfirmsAndSaysHowManyCharactersBecameQuestionMarks) {
    EightBitLocale latin1;
    if (!latin1.isActive()) GTEST_SKIP() << "no ISO-8859-1 locale, and localedef could not make one";
    const QString stick = addStick("sdb", 16, true);
    start();
    type(QStringLiteral("Caf\u00E9 \u2013 na\u00EFve \u263A"));
    press("Make");
    EXPECT_EQ(readAll(stick + "/index.html"), QByteArray("Caf\xE9 ? na\xEFve ?\r\n"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Index.html created successfully\n\n2 characters became \"?\": "
                                               "this system's character set (ISO-8859-1) cannot hold them."));
    EXPECT_EQ(messages[0].title, QStringLiteral("Completed"));
}

TEST_F(MainWindowTest, MakeOnAVanishedDriveSaysWhatFailedInsteadOfConfirming) {
    const QString stick = addStick("sdb", 16, true);
    start();
    ASSERT_TRUE(QDir(stick).removeRecursively());
    press("Make");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages[0].icon, qm::MessageIcon::Exclamation);
    EXPECT_TRUE(messages[0].text.contains(stick + "/index.html")) << messages[0].text.toStdString();
}

TEST_F(MainWindowTest, MakeWithNoDriveToChooseWritesNothing) {
    start();  // no volumes at all
    messages.clear();
    press("Make");  // an empty drive must not become the root of the file system
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("drive list"))) << messages[0].text.toStdString();
}

TEST_F(MainWindowTest, RefreshFindsAStickAttachedAfterStartUp) {
    system.addMount("data", system.addDisk("sda", 8, 0, false, FakeSystem::Bus::Pci));
    start();
    const QString stick = addStick("sdb", 16, true);
    messages.clear();
    press("Refresh");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(control<DriveList>("Drive1")->drive(), stick);
}

TEST_F(MainWindowTest, ClosingDeletesThePreviewFileAndNothingElse) {
    const QString stick = addStick("sdb", 16, true);
    start();
    press("Make");
    const QString preview = qm::previewFilePath(qm::defaultPreviewFolder().path);
    ASSERT_FALSE(preview.isEmpty());
    ASSERT_EQ(qm::preparePreviewFolder(qm::defaultPreviewFolder()), QString());
    FakeSystem::write(preview, "preview");
    window->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    EXPECT_FALSE(QFile::exists(preview));
    EXPECT_TRUE(QFile::exists(stick + "/index.html"));
}

TEST_F(MainWindowTest, BothColoursButtonsOpenTheColourCodePageAndAboutShowsItsWindow) {
    start();
    // A stand-in xdg-open first on PATH records each address it is given.
    QTemporaryDir bin;
    const QString opened = bin.filePath("opened");
    writeFile(bin.filePath("xdg-open"), QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(opened).toUtf8());
    QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    press("Colours");
    press("ccXPButton2");
    QTRY_COMPARE(readAll(opened), QByteArray("https://htmlcolorcodes.com/\nhttps://htmlcolorcodes.com/\n"));
    qputenv("PATH", path);
    press("cmdAbout");
    QPointer<AboutForm> about = showAbout();
    EXPECT_TRUE(about->isVisible());
    about->close();
}

// Window managers pick the size they draw from this list.
TEST(WindowIcon, HoldsTheProgramsPictureAtEachSmallSize) {
    const QIcon icon = windowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}}));
    for (const QSize& size : icon.availableSizes()) {
        const QImage picture = icon.pixmap(size).toImage();
        EXPECT_EQ(picture.size(), size);
        EXPECT_GT(qAlpha(picture.pixel(size.width() / 2, size.height() / 2)), 0) << size.width();
    }
}

}  // namespace

