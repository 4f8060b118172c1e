#include <gtest/gtest.h>

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "FakeSystem.h"
#include "compose/PageSource.h"
#include "shell/MainWindow.h"
#include "windows/Messages.h"
#include "windows/PasteSafePlainTextEdit.h"

using namespace qm;

namespace {

// The main window over a fake system, pictures copied by the real copier.
class PictureDrops : public ::testing::Test {
protected:
    void SetUp() override {
        qm::setMessageSink([this](const qm::Message& m) { messages.push_back(m); });
        QImage picture(600, 400, QImage::Format_RGB32);
        picture.fill(Qt::green);
        ASSERT_TRUE(picture.save(pictures.filePath("sky.png")));
    }
    void TearDown() override {
        delete window.data();
        qm::setMessageSink(nullptr);
    }

    void start(bool withStick) {
        if (withStick) {
            stick = system.addMount("media/PSP", system.addDisk("sdb", 8, 16, true, FakeSystem::Bus::Usb));
            FakeSystem::write(stick + "/MEMSTICK.IND", "");
        }
        window = new MainWindow(system.scanner());
        window->showForm();
        messages.clear();
    }
    QLineEdit* imageName() const { return window->controls().get<QLineEdit>(QStringLiteral("TxtBackground")); }
    PasteSafePlainTextEdit* page() const {
        return window->controls().get<PasteSafePlainTextEdit>(QStringLiteral("TxtInput"));
    }

    static std::unique_ptr<QMimeData> files(const QList<QUrl>& urls) {
        auto mime = std::make_unique<QMimeData>();
        mime->setUrls(urls);
        return mime;
    }
    QUrl picture(const char* name) const { return QUrl::fromLocalFile(pictures.filePath(QLatin1String(name))); }

    QTemporaryDir pictures;
    FakeSystem system;
    QString stick;
    QPointer<MainWindow> window;
    std::vector<qm::Message> messages;
};

}  // namespace

TEST_F(PictureDrops, APictureDroppedOnTheNameGoesOntoTheStickScaledAndItsNameIntoTheField) {
    start(true);
    const std::unique_ptr<QMimeData> mime = files({picture("sky.png")});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(imageName(), &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, mime.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(imageName(), &drop);
    EXPECT_TRUE(drop.isAccepted());

    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }));
    EXPECT_EQ(messages[0].title, QStringLiteral("Picture copied"));
    EXPECT_EQ(imageName()->text(), QStringLiteral("sky.png"));
    EXPECT_EQ(QImage(stick + "/PSP/Photo/sky.png").size(), QSize(480, 320));
    EXPECT_TRUE(QFile::exists(pictures.filePath("sky.png")));
}

TEST_F(PictureDrops, APicturePastedIntoThePageReplacesTheSelectionWithItsImageInOneUndoStep) {
    start(true);
    page()->setPlainText("aXYb");
    QTextCursor selection = page()->textCursor();
    selection.setPosition(1);
    selection.setPosition(3, QTextCursor::KeepAnchor);
    page()->setTextCursor(selection);
    auto copied = std::make_unique<QMimeData>();
    copied->setData("x-special/gnome-copied-files", "copy\n" + picture("sky.png").toEncoded());
    QGuiApplication::clipboard()->setMimeData(copied.release());
    QTest::keyClick(page(), Qt::Key_V, Qt::ControlModifier);

    const QString img = QStringLiteral("<img src=\"PSP/Photo/sky.png\">");
    ASSERT_TRUE(QTest::qWaitFor([this, &img] { return pageSource(page()) == "a" + img + "b"; }));
    EXPECT_EQ(page()->textCursor().position(), 1 + img.size());
    EXPECT_TRUE(QFile::exists(stick + "/PSP/Photo/sky.png"));
    page()->undo();
    EXPECT_EQ(pageSource(page()), QStringLiteral("aXYb"));
}

TEST_F(PictureDrops, WithNoStickChosenNothingIsCopiedOrNamedAndTheMessageSaysWhy) {
    start(false);
    imageName()->setText("Background.jpg");
    QGuiApplication::clipboard()->setMimeData(files({picture("sky.png")}).release());
    QTest::keyClick(imageName(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }));
    EXPECT_EQ(messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(messages[0].text.startsWith("No drive is chosen.")) << messages[0].text.toStdString();
    EXPECT_EQ(imageName()->text(), QStringLiteral("Background.jpg"));
}
