#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "windows/AboutForm.h"
#include "windows/ColourLink.h"
#include "windows/Form.h"
#include "windows/Messages.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

int openAboutWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form3") && w->isVisible()) ++count;
    return count;
}

class AboutWindow : public ::testing::Test {
protected:
    void TearDown() override { closeAbout(); }
};

TEST_F(AboutWindow, ShownTwiceIsOneWindowAndAfterAResetANewOne) {
    QPointer<AboutForm> first = showAbout();
    EXPECT_EQ(showAbout(), first.data());
    EXPECT_EQ(openAboutWindows(), 1);
    closeAbout();
    QPointer<AboutForm> second = showAbout();
    EXPECT_NE(second.data(), first.data());
    QTRY_VERIFY(first.isNull());
    EXPECT_EQ(openAboutWindows(), 1);
}

TEST_F(AboutWindow, OkClosesOnlyTheAboutWindow) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    main.show();
    QPointer<AboutForm> about = showAbout();
    auto* ok = about->controls().get<qm::ccXPButton>("ccXPButton1");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->caption(), "&OK");
    emit ok->clicked();
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));
    EXPECT_TRUE(main.isVisible());
    EXPECT_NE(showAbout(), nullptr);  // created afresh after a close
    EXPECT_EQ(openAboutWindows(), 1);
}

TEST_F(AboutWindow, KeepsTheProgramRunningAfterTheMainWindowCloses) {
    auto* main = new Form(QStringLiteral(":/layouts/Form1.json"));
    main->show();
    QPointer<AboutForm> about = showAbout();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    int closedWithMain = -1;
    QTimer::singleShot(0, main, &QWidget::close);
    QTimer::singleShot(0, about, [&] {
        closedWithMain = lastClosed.count();
        about->close();
    });
    QTimer::singleShot(10000, qApp, &QCoreApplication::quit);  // only guards against a hang
    QApplication::exec();
    EXPECT_EQ(closedWithMain, 0);
    EXPECT_EQ(lastClosed.count(), 1);
}

// A stand-in xdg-open first on PATH, that records the address it is given
// and exits with the given status. Each has a folder of its own: the shell
// may still be reading the one before.
class ColourLink : public ::testing::Test {
protected:
    QTemporaryDir bin;
    QByteArray oldPath = qgetenv("PATH");
    QList<qm::Message> shown;
    qm::MessageSink oldSink;

    void SetUp() override {
        ASSERT_TRUE(bin.isValid());
        oldSink = qm::setMessageSink([this](const qm::Message& m) { shown << m; });
    }
    void TearDown() override {
        qputenv("PATH", oldPath);
        qm::setMessageSink(oldSink);
    }
    void installOpener(int exitStatus) {
        const QString folder = bin.filePath(QString::number(exitStatus));
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile script(folder + QStringLiteral("/xdg-open"));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                         .arg(bin.filePath("given"))
                         .arg(exitStatus)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(folder) + ':' + oldPath);
    }
    QByteArray given() const {
        QFile file(bin.filePath("given"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ColourLink, IsQuietWhenTheOpenerTakesTheAddressElseShowsItAndWhy) {
    installOpener(0);
    openColourCodePage();
    QTRY_COMPARE(given(), QByteArray("https://htmlcolorcodes.com/"));

    installOpener(3);  // xdg-open's "no method available"
    openColourCodePage();
    QTRY_COMPARE(shown.size(), 1);  // this one's message only
    EXPECT_TRUE(shown[0].text.contains("https://htmlcolorcodes.com/")) << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.contains("found no program")) << shown[0].text.toStdString();
    EXPECT_EQ(shown[0].icon, qm::MessageIcon::Exclamation);

    qputenv("PATH", QFile::encodeName(bin.path()));  // no xdg-open at all
    openColourCodePage();
    QTRY_COMPARE(shown.size(), 2);
    EXPECT_TRUE(shown[1].text.contains("https://htmlcolorcodes.com/"))
        << shown[1].text.toStdString();
    EXPECT_TRUE(shown[1].text.contains("could not be started")) << shown[1].text.toStdString();
}

// The real message box: the address is selected from the keyboard and lands
// in the clipboard with Ctrl+C.
TEST_F(ColourLink, TheAddressInTheMessageCanBeCopiedFromTheKeyboard) {
    qm::setMessageSink(nullptr);
    installOpener(3);
    QGuiApplication::clipboard()->clear();
    QString copied;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        watch.stop();
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QApplication::setActiveWindow(box);
        for (int tabs = 0; tabs < 3 && box->focusWidget() != label; ++tabs)
            QTest::keyClick(box, Qt::Key_Tab);
        if (box->focusWidget() == label) {
            QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
            copied = QGuiApplication::clipboard()->text();
        }
        box->accept();
    });
    watch.start(10);
    openColourCodePage();
    QTRY_VERIFY(!watch.isActive());
    EXPECT_TRUE(copied.contains("https://htmlcolorcodes.com/")) << copied.toStdString();
}

}  // namespace
