#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "windows/AboutForm.h"
#include "windows/ColourLink.h"
#include "windows/Form.h"
#include "windows/Messages.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

int openAboutWindows() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form3") && w->isVisible()) ++count;
    return count;
}

TEST(AboutWindow, ShownTwiceIsOneWindow) {
    QPointer<AboutForm> first = showAbout();
    EXPECT_EQ(showAbout(), first.data());
    EXPECT_EQ(openAboutWindows(), 1);
    first->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
}

TEST(AboutWindow, OkClosesOnlyTheAboutWindow) {
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
    showAbout()->close();
}

TEST(AboutWindow, KeepsTheProgramRunningAfterTheMainWindowCloses) {
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

class ColourLink : public ::testing::Test {
protected:
    UrlRecorder recorder;
    QList<qm::Message> shown;
    qm::MessageSink oldSink;

    void SetUp() override {
        oldSink = qm::setMessageSink([this](const qm::Message& m) { shown << m; });
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("https");
        qm::setMessageSink(oldSink);
    }
};

TEST_F(ColourLink, OpensTheColourCodePageQuietly) {
    QDesktopServices::setUrlHandler("https", &recorder, "open");
    openColourCodePage();
    EXPECT_EQ(recorder.opened, QList<QUrl>{QUrl("https://htmlcolorcodes.com/")});
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ColourLink, WithNoBrowserShowsTheAddressToOpenByHand) {
    // A handler without the named slot makes the hand-over fail, as a desktop
    // with no browser does.
    QDesktopServices::setUrlHandler("https", &recorder, "noSuchSlot");
    openColourCodePage();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].text.contains("https://htmlcolorcodes.com/")) << shown[0].text.toStdString();
    EXPECT_EQ(shown[0].icon, qm::MessageIcon::Exclamation);
}

}  // namespace

#include "test_about_and_colours.moc"

