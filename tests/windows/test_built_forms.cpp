#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "windows/ControlBinder.h"
#include "windows/DriveList.h"
#include "windows/Form.h"
#include "windows/FormBuilder.h"
#include "windows/LayoutShapes.h"
#include "windows/MainWindowUi.h"
#include "xpbutton/ccXPButton.h"

using namespace qm;

namespace {

QRect pixelsOf(const TwipsRect& r) { return QRect(r.left / 15, r.top / 15, r.width / 15, r.height / 15); }

QString shownText(const ControlLayout& c, QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
    if (auto* line = qobject_cast<QLineEdit*>(w)) return line->text();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* box = qobject_cast<QPlainTextEdit*>(w)) return box->toPlainText().replace("\n", "\r\n");
    if (auto* button = qobject_cast<qm::ccXPButton*>(w)) return button->caption();
    return c.text;
}

bool isOfKind(ControlKind kind, QWidget* w, bool multiLine) {
    switch (kind) {
    case ControlKind::TextBox:
        return multiLine ? qobject_cast<QPlainTextEdit*>(w) != nullptr : qobject_cast<QLineEdit*>(w) != nullptr;
    case ControlKind::Label: return qobject_cast<QLabel*>(w) && qobject_cast<QLabel*>(w)->pixmap().isNull();
    case ControlKind::Frame: return qobject_cast<QGroupBox*>(w) != nullptr;
    case ControlKind::ComboBox: return qobject_cast<QComboBox*>(w) && !qobject_cast<DriveList*>(w);
    case ControlKind::DriveListBox: return qobject_cast<DriveList*>(w) != nullptr;
    case ControlKind::Line: return qobject_cast<LineControl*>(w) != nullptr;
    case ControlKind::Shape: return qobject_cast<ShapeControl*>(w) != nullptr;
    case ControlKind::Image: return qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->pixmap().isNull();
    case ControlKind::WebBrowser: return w->metaObject() == &QWidget::staticMetaObject;
    case ControlKind::Button: return qobject_cast<qm::ccXPButton*>(w) != nullptr;
    }
    return false;
}

class BuiltForms : public ::testing::TestWithParam<const char*> {};

TEST_P(BuiltForms, EveryControlIsBuiltWhereItsLayoutPutsIt) {
    const QString resource = QStringLiteral(":/layouts/%1.json").arg(GetParam());
    const WindowLayout layout = loadLayout(resource);
    Form form(resource);
    EXPECT_EQ(form.objectName(), layout.name);
    EXPECT_EQ(form.windowTitle(), layout.caption);
    EXPECT_EQ(form.controls().all().size(), qsizetype(layout.controls.size()));
    for (const ControlLayout& c : layout.controls) {
        const std::string name = c.name.toStdString();
        QWidget* w = form.controls().widget(c.name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->objectName(), c.name);
        EXPECT_TRUE(isOfKind(c.kind, w, c.multiLine)) << name;
        EXPECT_EQ(w->parentWidget(), c.container.isEmpty() ? &form : form.controls().widget(c.container)) << name;
        if (c.kind != ControlKind::Line) {
            EXPECT_EQ(w->geometry(), pixelsOf(c.rect)) << name;
        }
        if (c.kind != ControlKind::Image && c.kind != ControlKind::DriveListBox) {
            EXPECT_EQ(shownText(c, w), c.kind == ControlKind::Button && c.text.isEmpty()
                                            ? c.buttonProperties.value("caption").toString("&OK")
                                            : c.text) << name;
        }
        EXPECT_EQ(w->focusPolicy() != Qt::NoFocus, c.kind != ControlKind::Label && c.kind != ControlKind::Frame &&
                                                       c.kind != ControlKind::Line && c.kind != ControlKind::Shape &&
                                                       c.kind != ControlKind::Image && c.kind != ControlKind::WebBrowser)
            << name;
        if (c.kind != ControlKind::Button && c.font == FontChoice::Verdana) {
            EXPECT_EQ(w->font().family(), "Verdana") << name;
            EXPECT_EQ(w->font().pointSizeF(), 8.25) << name;
            EXPECT_EQ(w->font().stretch(), QFont::Unstretched) << name;  // also in a condensed window
        }
        if (c.kind != ControlKind::Button && c.font == FontChoice::WindowDefault) {
            EXPECT_EQ(w->font().family(), form.font().family()) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, BuiltForms, ::testing::Values("Form1", "Form2", "Form3"));

// A renamed or retyped control stops the program at start-up, as a broken
// layout does, instead of turning its command into nothing.
TEST(BoundControlsDeathTest, AMissingControlOrOneOfAnotherKindEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Form about(QStringLiteral(":/layouts/Form3.json"));
    EXPECT_DEATH(qm::MainWindowUi::bind(&about), "broken window layout: Form3: no control \"TxtInput\"");
    EXPECT_DEATH(qm::ControlBinder(about.controls(), "Form3").bind<QLineEdit>("Text1"),
                 "Form3: Text1 is a .*, not a QLineEdit");
}

TEST(BoundControls, TheMainWindowBindsEveryRoleAndTheFieldsFirstTexts) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    const qm::MainWindowUi ui = qm::MainWindowUi::bind(&main);
    EXPECT_EQ(ui.page->objectName(), "TxtInput");
    EXPECT_EQ(ui.center.closing->objectName(), "EndCenter");
    EXPECT_EQ(ui.hideTextPanelButton->objectName(), "ccXPButton1");
    EXPECT_EQ(ui.imageModeButton->objectName(), "BGSwitch2");
    EXPECT_EQ(ui.defaultLinkAddress, "http://www.google.com/");
    EXPECT_EQ(ui.defaultImageName, "Background.jpg");
}

TEST(BuiltWindows, HaveTheirFixedPixelSizesAndTitleBars) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    EXPECT_EQ(main.minimumSize(), QSize(544, 336));
    EXPECT_EQ(main.maximumSize(), QSize(544, 336));
    EXPECT_EQ(main.windowType(), Qt::Window);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);

    Form preview(QStringLiteral(":/layouts/Form2.json"));
    Form about(QStringLiteral(":/layouts/Form3.json"));
    EXPECT_EQ(preview.maximumSize(), QSize(496, 281));
    EXPECT_EQ(about.maximumSize(), QSize(312, 185));
    for (Form* tool : {&preview, &about}) {
        EXPECT_EQ(tool->windowType(), Qt::Tool);
        EXPECT_EQ(tool->parentWidget(), nullptr);
        EXPECT_TRUE(tool->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(tool->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        // A tool window left open keeps the program running.
        EXPECT_TRUE(tool->testAttribute(Qt::WA_QuitOnClose));
    }
    EXPECT_EQ(preview.controls().widget("WB1")->geometry(), QRect(8, 8, 480, 265));
    EXPECT_EQ(preview.font().family(), "Verdana");

    WindowLayout hidden = loadLayout(QStringLiteral(":/layouts/Form1.json"));
    hidden.showInTaskbar = false;
    EXPECT_EQ(Form(hidden).windowType(), Qt::Tool);  // kept out of the taskbar
}

TEST(BuiltWindows, PanelsShareOneRectangleOverTheColumn) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    for (const char* frame : {"Frame1", "Frame2", "Frame3"})
        EXPECT_EQ(main.controls().widget(frame)->geometry(), QRect(344, 8, 193, 321)) << frame;
    EXPECT_EQ(main.controls().widget("Text4")->geometry(), QRect(8, 40, 177, 19));
    EXPECT_EQ(main.controls().widget("TxtInput")->geometry(), QRect(8, 48, 313, 251));
    EXPECT_EQ(main.controls().widget("Label4")->geometry(), QRect(456, 8, 9, 1));
    EXPECT_TRUE(main.controls().widget("Frame1")->autoFillBackground());
}

TEST(BuiltWindows, FieldsTakeTheirLimitsAndLocks) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    const FormControls& c = main.controls();
    for (const char* code : {"Text4", "Text8"}) {
        auto* field = c.get<QLineEdit>(code);
        ASSERT_NE(field, nullptr);
        field->clear();
        QTest::keyClicks(field, "#1234567");
        EXPECT_EQ(field->text(), "#123456") << code;
        EXPECT_TRUE(field->alignment() & Qt::AlignHCenter) << code;
    }
    auto* size = c.get<QComboBox>("Combo1");
    ASSERT_NE(size, nullptr);
    main.show();
    c.widget("Frame3")->show();
    EXPECT_TRUE(size->isEditable());
    EXPECT_EQ(size->count(), 7);
    EXPECT_EQ(size->itemText(0), "1");
    EXPECT_EQ(size->itemText(6), "7");
    EXPECT_EQ(size->currentText(), "3");
    size->lineEdit()->selectAll();
    QTest::keyClicks(size->lineEdit(), "12");
    EXPECT_EQ(size->currentText(), "12");

    for (const char* locked : {"Text1", "Text5", "Text6"}) EXPECT_TRUE(c.get<QPlainTextEdit>(locked)->isReadOnly());
    for (const char* open : {"TxtInput", "Text7"}) {
        EXPECT_FALSE(c.get<QPlainTextEdit>(open)->isReadOnly());
        EXPECT_EQ(c.get<QPlainTextEdit>(open)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    for (const char* open : {"Text2", "Text3", "TxtBackground"}) EXPECT_FALSE(c.get<QLineEdit>(open)->isReadOnly());

    Form about(QStringLiteral(":/layouts/Form3.json"));
    EXPECT_TRUE(about.controls().get<QPlainTextEdit>("Text1")->isReadOnly());
    EXPECT_TRUE(about.controls().get<QLineEdit>("Text2")->isReadOnly());
    EXPECT_EQ(about.controls().get<QLabel>("Image1")->pixmap().size(), QSize(50, 24));
    EXPECT_EQ(about.controls().get<QLabel>("Image2")->pixmap().size(), QSize(204, 9));
}

TEST(BuiltWindows, QuoteHolderAndSearchBlockAreNeverSeen) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    auto* quote = main.controls().get<QLabel>("Label4");
    ASSERT_NE(quote, nullptr);
    EXPECT_EQ(quote->text(), "\"");
    EXPECT_FALSE(main.controls().widget("Text9")->isVisible());

    const QImage withQuote = main.grab().toImage();
    quote->hide();
    EXPECT_EQ(main.grab().toImage(), withQuote);
}

TEST(BuiltWindows, DividingLineIsDrawnDownTheWindow) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    const QImage image = main.grab().toImage();
    const QColor ink = main.palette().color(QPalette::WindowText);
    for (int y : {0, 100, 335}) {
        EXPECT_EQ(image.pixelColor(336, y), ink) << y;
        EXPECT_NE(image.pixelColor(337, y), ink) << y;
    }
}

TEST(BuiltWindows, TabGoesFromTheDriveListToThePageSource) {
    Form main(QStringLiteral(":/layouts/Form1.json"));
    for (const char* panel : {"Frame1", "Frame2", "Frame3"}) main.controls().widget(panel)->hide();
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QWidget* drives = main.controls().widget("Drive1");
    drives->setFocus();
    ASSERT_TRUE(drives->hasFocus());
    QTest::keyClick(drives, Qt::Key_Tab);
    QWidget* source = main.controls().widget("TxtInput");
    EXPECT_TRUE(source->hasFocus());
    // A Tab in the page source moves on instead of typing a tab, past the closed panels.
    QTest::keyClick(source, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), main.controls().widget("Make"));
    EXPECT_TRUE(main.controls().get<QPlainTextEdit>("TxtInput")->toPlainText().isEmpty());
}

}  // namespace
