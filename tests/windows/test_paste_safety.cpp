#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include "services/PathBytes.h"
#include "windows/FileDropTarget.h"
#include "windows/FormBuilder.h"
#include "windows/WidgetReservedCharacters.h"
#include "windows/PasteSafePlainTextEdit.h"

using namespace qm;

namespace {

std::unique_ptr<QMimeData> mimeWith(const QString& format, const QByteArray& data) {
    auto mime = std::make_unique<QMimeData>();
    mime->setData(format, data);
    return mime;
}

class PasteSafety : public ::testing::Test {
protected:
    void SetUp() override {
        edit.setPlainText("kept");
        edit.moveCursor(QTextCursor::End);
    }
    qm::PasteSafePlainTextEdit edit;
};

TEST_F(PasteSafety, NoSourceOrOneWithoutDataPastesNothing) {
    EXPECT_FALSE(edit.canInsertFromMimeData(nullptr));
    edit.insertFromMimeData(nullptr);
    QMimeData empty;
    EXPECT_FALSE(edit.canInsertFromMimeData(&empty));
    edit.insertFromMimeData(&empty);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("kept"));
}

TEST_F(PasteSafety, WhateverTheSourceHoldsThePasteEndsWell) {
    const QString huge(1024 * 1024, QLatin1Char('x'));
    edit.insertFromMimeData(mimeWith("text/plain", huge.toUtf8()).get());
    EXPECT_EQ(edit.toPlainText().size(), 4 + huge.size());

    edit.setPlainText("kept");
    edit.moveCursor(QTextCursor::End);
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i) binary[i] = char(i * 37);
    edit.insertFromMimeData(mimeWith("application/octet-stream", binary).get());
    edit.insertFromMimeData(mimeWith("text/plain", binary).get());
    auto html = std::make_unique<QMimeData>();
    html->setHtml("<b>bold</b>");
    edit.insertFromMimeData(html.get());
    EXPECT_TRUE(edit.toPlainText().startsWith("kept"));
}

TEST_F(PasteSafety, PastingFromAClearedClipboardLeavesEveryFieldAsItWas) {
    QGuiApplication::clipboard()->clear();
    edit.paste();
    QLineEdit line("kept");
    line.paste();
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("kept"));
    EXPECT_EQ(line.text(), QStringLiteral("kept"));

    QGuiApplication::clipboard()->setMimeData(mimeWith("application/octet-stream", "\x01\x02").release());
    edit.paste();
    line.paste();
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("kept"));
    EXPECT_EQ(line.text(), QStringLiteral("kept"));
}

TEST_F(PasteSafety, CopyAndPasteKeepCharactersTheWidgetTakesForBreaks) {
    const QString odd = QString(QChar(0xFDD0)) + QChar(0xFDD1) + QChar::LineSeparator + QChar::ParagraphSeparator;
    edit.clear();
    edit.insertFromMimeData(mimeWith("text/plain", ("a" + odd + "b\r\nc").toUtf8()).get());
    edit.selectAll();
    const std::unique_ptr<QMimeData> copied(edit.createMimeDataFromSelection());
    EXPECT_EQ(copied->text(), "a" + odd + "b\nc");

    qm::PasteSafePlainTextEdit other;
    other.insertFromMimeData(copied.get());
    other.selectAll();
    EXPECT_EQ(qm::keptSelectedText(other.textCursor()), "a" + odd + "b\nc");
}

TEST_F(PasteSafety, AReadOnlyFieldTakesNoPaste) {
    edit.setReadOnly(true);
    edit.insertFromMimeData(mimeWith("text/plain", "more").get());
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("kept"));
}

TEST(PasteSafeForms, EveryMultiLineFieldOfEveryWindowIsPasteSafe) {
    for (const char* layout : {":/layouts/Form1.json", ":/layouts/Form2.json", ":/layouts/Form3.json"}) {
        QWidget window;
        buildForm(loadLayout(QLatin1String(layout)), &window);
        const QList<QPlainTextEdit*> fields = window.findChildren<QPlainTextEdit*>();
        for (QPlainTextEdit* field : fields)
            EXPECT_NE(qobject_cast<qm::PasteSafePlainTextEdit*>(field), nullptr)
                << layout << " " << field->objectName().toStdString();
        if (QLatin1String(layout) == QLatin1String(":/layouts/Form1.json")) {
            EXPECT_FALSE(fields.isEmpty());
        }
    }
}

}  // namespace

namespace {

// The application hands a drop only to the widget that took the drag's entry.
Qt::DropAction dropOnto(QWidget* target, const QMimeData* data) {
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(1, 1), offered, data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(1, 1), offered, data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

std::unique_ptr<QMimeData> filesMime(const QList<QUrl>& urls, const QString& text = {}) {
    auto mime = std::make_unique<QMimeData>();
    mime->setUrls(urls);
    if (!text.isEmpty()) mime->setText(text);
    return mime;
}

const QUrl kPicture = QUrl::fromLocalFile(QStringLiteral("/home/me/sky.png"));
const QUrl kWebPicture(QStringLiteral("https://example.com/sky.png"));

}  // namespace

TEST(DroppedFiles, AreTheLocalFilesOfAUrlListOrOfAFileManagersCopy) {
    EXPECT_EQ(droppedFiles(nullptr), QStringList());
    EXPECT_EQ(droppedFiles(filesMime({kWebPicture, kPicture, QUrl("file:///a/caf%E9%20b.gif")}).get()),
              QStringList({"/home/me/sky.png", qm::pathFromBytes("/a/caf\xE9 b.gif")}));
    EXPECT_EQ(droppedFiles(mimeWith("x-special/gnome-copied-files", "copy\nfile:///home/me/sky.png\n").get()),
              QStringList({"/home/me/sky.png"}));
    EXPECT_EQ(droppedFiles(filesMime({kWebPicture}, "text").get()), QStringList());
}

TEST_F(PasteSafety, FilesGoToTheirReceiverAsACopyAtTheDropPointAndAnythingElseIsText) {
    QStringList announced;
    int caretAtAnnouncement = -1;
    QObject::connect(&edit, &PasteSafePlainTextEdit::filesDropped, [&](const QStringList& files) {
        announced += files;
        caretAtAnnouncement = edit.textCursor().position();
    });
    edit.insertFromMimeData(filesMime({kPicture}).get());
    EXPECT_TRUE(announced.isEmpty()) << "a field that takes no files";

    edit.setPlainText("kept");
    edit.moveCursor(QTextCursor::End);
    edit.setAcceptsFiles(true);
    edit.insertFromMimeData(filesMime({kWebPicture}, "web").get());
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_EQ(edit.toPlainText(), "keptweb");

    edit.resize(200, 100);
    const std::unique_ptr<QMimeData> files = filesMime({kPicture});
    EXPECT_TRUE(edit.canInsertFromMimeData(files.get()));
    EXPECT_EQ(dropOnto(edit.viewport(), files.get()), Qt::CopyAction)
        << "a move would let the file manager delete the file";
    EXPECT_EQ(announced, QStringList({"/home/me/sky.png"}));
    EXPECT_EQ(caretAtAnnouncement, 0);
    EXPECT_EQ(edit.toPlainText(), "keptweb");
}

TEST(FileDropTarget, ALineFieldTakesCopiedFilesFromKeysMenuAndDropButTextAsText) {
    QLineEdit field("name.jpg");
    QStringList announced;
    QObject::connect(new FileDropTarget(&field), &FileDropTarget::filesDropped,
                     [&](const QStringList& files) { announced += files; });
    QClipboard* clipboard = QGuiApplication::clipboard();

    clipboard->setMimeData(mimeWith("x-special/gnome-copied-files", "copy\nfile:///home/me/sky.png").release());
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(announced, QStringList({"/home/me/sky.png"}));
    EXPECT_EQ(field.text(), "name.jpg");

    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(1, 1), field.mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(&field, &menuEvent);
    QMenu* menu = field.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(),
                                    [](QAction* a) { return a->text().startsWith(QLatin1String("&Paste")); });
    ASSERT_NE(paste, actions.end());
    EXPECT_TRUE((*paste)->isEnabled());
    (*paste)->trigger();
    EXPECT_EQ(announced.size(), 2);
    delete menu;

    const std::unique_ptr<QMimeData> files = filesMime({kPicture});
    EXPECT_EQ(dropOnto(&field, files.get()), Qt::CopyAction);
    EXPECT_EQ(announced.size(), 3);

    clipboard->setText("typed");
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), "typed");
    EXPECT_EQ(announced.size(), 3);
}
