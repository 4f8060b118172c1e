#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

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
