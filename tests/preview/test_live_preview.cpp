#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "EightBitLocale.h"
#include "FakeSystem.h"
#include "preview/LivePreview.h"
#include "preview/PreviewForm.h"
#include "windows/Messages.h"

using namespace qm;


namespace {

// Loading and rendering run in the engine's own processes; give them room on
// a busy machine without ever sleeping.
// (Qt's QTRY_ macros report nothing to GoogleTest, hence QTest::qWaitFor.)
constexpr int kRenderTimeout = 20000;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QColor centreColour(QWidget* form) {
    const QImage image = form->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool showsColour(QWidget* form, QColor colour) { return centreColour(form) == colour; }

// Closes the preview window and waits until it is gone.
void closePreview(QPointer<PreviewForm> form) {
    if (!form) return;
    form->close();
    ASSERT_TRUE(QTest::qWaitFor([&form] { return !form; }));
}

// A page whose background fills the view with one colour from the stick.
void writePicture(const QString& path, QColor colour) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(colour);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_TRUE(picture.save(path, "PNG"));
}

class LivePreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        folder_ = {temp_.path() + QStringLiteral("/my home page"), false};
        ASSERT_TRUE(QDir().mkpath(folder_.path));
        oldSink_ = qm::setMessageSink([this](const qm::Message& m) { messages_.push_back(m); });
        stick_ = system_.addMount("stick", "8:17");
        preview_ = std::make_unique<LivePreview>(system_.scanner(), folder_);
    }
    void TearDown() override {
        closePreview(preview_->window());
        qm::setMessageSink(oldSink_);
    }

    PreviewForm* openForm() const { return preview_->window(); }

    // Shows the page and waits until the view has loaded it.
    PreviewForm* showAndWait(const QString& pageSource, const QString& drive = {}) {
        preview_->show(pageSource, drive);
        PreviewForm* form = openForm();
        if (!form || !form->browser()) return nullptr;
        QSignalSpy finished(form->browser(), SIGNAL(loadFinished(bool)));
        if (!finished.wait(kRenderTimeout) && finished.isEmpty()) return nullptr;
        return form;
    }

    QTemporaryDir temp_;
    PreviewFolder folder_;
    FakeSystem system_;
    QString stick_;
    std::unique_ptr<LivePreview> preview_;
    std::vector<qm::Message> messages_;
    qm::MessageSink oldSink_;
};

const QString kRedPage = QStringLiteral("<body bgcolor= \"#FF0000\">");
const QString kBluePage = QStringLiteral("<body bgcolor= \"#0000FF\">");

}  // namespace

TEST_F(LivePreviewTest, OneWordIsWrittenWithLineEndAndShownFromAFolderWithSpaces) {
    preview_->show(QStringLiteral("Hello"), {});
    EXPECT_EQ(fileBytes(folder_.path + "/index.html"), QByteArray("Hello\r\n"));

    PreviewForm* form = openForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Live Preview"));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(form->parentWidget(), nullptr);
    EXPECT_EQ(form->size(), QSize(496, 281));
    QWidget* area = form->controls().widget(QStringLiteral("WB1"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->geometry(), QRect(8, 8, 480, 265));
    ASSERT_NE(form->browser(), nullptr);
    EXPECT_EQ(form->browser()->geometry(), QRect(0, 0, 480, 265));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(LivePreviewTest, UnderAnEightBitLocaleItSaysWhatBecameQuestionMarksWhenThatChanges) {
    EightBitLocale latin1;
    if (!latin1.isActive()) GTEST_SKIP() << "no ISO-8859-1 locale, and localedef could not make one";
    const QString french = QStringLiteral("Caf\u00E9 \u2013 na\u00EFve");
    preview_->show(QStringLiteral("plain"), {});
    preview_->show(french, {});
    EXPECT_EQ(fileBytes(folder_.path + "/index.html"), QByteArray("Caf\xE9 ? na\xEFve\r\n"));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_TRUE(messages_[0].text.contains("1 character became \"?\"")) << messages_[0].text.toStdString();
    preview_->show(french, {});
    EXPECT_EQ(messages_.size(), 1u) << "the same page again: nothing new to say";
    preview_->show(QStringLiteral("plain"), {});
    preview_->show(french, {});
    EXPECT_EQ(messages_.size(), 2u);
}

TEST_F(LivePreviewTest, RendersThePageInTheBrowserArea) {
    PreviewForm* form = showAndWait(kRedPage);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsColour(form, Qt::red); }, kRenderTimeout));
    EXPECT_EQ(form->size(), QSize(496, 281));
}

TEST_F(LivePreviewTest, SecondPressRewritesTheFileButTheOpenWindowKeepsItsPage) {
    QPointer<PreviewForm> form = showAndWait(kRedPage);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsColour(form, Qt::red); }, kRenderTimeout));
    QSignalSpy started(form->browser(), SIGNAL(loadStarted()));

    preview_->show(kBluePage, {});
    EXPECT_EQ(fileBytes(folder_.path + "/index.html"), (kBluePage + "\r\n").toLatin1());
    EXPECT_EQ(openForm(), form.data());

    // A second view loading the new file through the same engine: once it is
    // done, a reload of the open window would have started too.
    QString error;
    StickPages pages(system_.scanner());
    pages.setPageFile(previewFilePath(folder_.path));
    std::unique_ptr<QWidget> probe(browserFactory(&error)(nullptr, &pages));
    QSignalSpy probeDone(probe.get(), SIGNAL(loadFinished(bool)));
    probe->setProperty("url", previewPageAddress());
    ASSERT_TRUE(probeDone.wait(kRenderTimeout));
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(showsColour(form, Qt::red));
    probe.reset();

    closePreview(form);
    form = showAndWait(kBluePage);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsColour(form, Qt::blue); }, kRenderTimeout));
}

TEST_F(LivePreviewTest, ClosingTheMainWindowDeletesTheFileAndLeavesThePreviewShowing) {
    preview_ = std::make_unique<LivePreview>(system_.scanner());
    preview_->show(kRedPage, {});
    const QString file = previewFilePath(defaultPreviewFolder().path);
    ASSERT_TRUE(QFile::exists(file));
    QPointer<PreviewForm> form = openForm();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsColour(form, Qt::red); }, kRenderTimeout));

    preview_->deletePreviewFile();
    preview_ = std::make_unique<LivePreview>(system_.scanner(), folder_);
    EXPECT_FALSE(QFile::exists(file));
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(showsColour(form, Qt::red));
    closePreview(form);
}

TEST_F(LivePreviewTest, ThePageShowsPicturesFromTheChosenStickButNothingALinkLeadsOutTo) {
    writePicture(stick_ + "/PSP/Photo/bg.png", Qt::green);
    writePicture(system_.root() + "/outside.png", Qt::blue);
    ASSERT_TRUE(QFile::link("../../../outside.png", stick_ + "/PSP/Photo/out.png"));

    const QString page = QStringLiteral("<body background=\"PSP/Photo/bg.png\">");
    QPointer<PreviewForm> form = showAndWait(page, stick_);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return showsColour(form, Qt::green); }, kRenderTimeout));
    EXPECT_EQ(fileBytes(folder_.path + "/index.html"), (page + "\r\n").toUtf8());
    closePreview(form);

    // The small picture in the corner shows once the pictures are in.
    form = showAndWait(QStringLiteral("<body background=\"PSP/Photo/out.png\">"
                                      "<img src=\"PSP/Photo/bg.png\" width=\"40\" height=\"40\">"),
                       stick_);
    ASSERT_NE(form, nullptr);
    const auto cornerIsGreen = [&] { return form->grab().toImage().pixelColor(30, 30) == QColor(Qt::green); };
    ASSERT_TRUE(QTest::qWaitFor(cornerIsGreen, kRenderTimeout));
    EXPECT_EQ(centreColour(form), QColor(Qt::white));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(LivePreviewTest, ThePageCannotReachTheNetwork) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    PreviewForm* form = showAndWait(QStringLiteral("<img src=\"http://127.0.0.1:%1/x.png\">").arg(server.serverPort()));
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(server.hasPendingConnections());
}

// The engine renders in other processes: a page that never finishes or makes
// no sense must not stall the program's own windows.
TEST_F(LivePreviewTest, BadPagesNeverStallTheProgramsWindows) {
    const QString badPages[] = {
        QStringLiteral("<script>for (;;) {}</script><body bgcolor=\"#FF0000\">"),
        QStringLiteral("<b><i><table><tr><td>x</b></marquee><<>></html><body <font color="),
        QStringLiteral("<Marquee>%1</Marquee>").arg(QString(20 * 1024 * 1024, QLatin1Char('x'))),
    };
    for (const QString& page : badPages) {
        preview_->show(page, {});
        ASSERT_NE(openForm(), nullptr);
        bool fired = false;
        QTimer::singleShot(10, [&fired] { fired = true; });
        EXPECT_TRUE(QTest::qWaitFor([&fired] { return fired; }, 1000));
        closePreview(openForm());
    }
}

TEST_F(LivePreviewTest, FailuresAreReportedInsteadOfShowingAnOldPage) {
    for (const PreviewFolder& folder : {PreviewFolder{}, PreviewFolder{temp_.path() + "/missing", false}}) {
        LivePreview preview(system_.scanner(), folder);
        preview.show(kRedPage, stick_);
        EXPECT_EQ(preview.window(), nullptr);
    }
    ASSERT_EQ(messages_.size(), 2u);
    for (const qm::Message& m : messages_) EXPECT_EQ(m.title, QStringLiteral("Error"));
    EXPECT_TRUE(messages_[1].text.contains(temp_.path() + "/missing/index.html")) << messages_[1].text.toStdString();
}
