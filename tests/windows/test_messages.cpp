#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "windows/Messages.h"

using namespace qm;

namespace {

// The real box is modal: answer it from a queued call once it is up.
TEST(Messages, ShowAModalBoxWithTheTextTitleAndIconUntilDismissed) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, answer);
    qm::showMessage({"PSP not Detected.", "Error", qm::MessageIcon::Exclamation});
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_EQ(text, QStringLiteral("PSP not Detected."));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST(Messages, GoToTheInstalledSinkInsteadOfTheScreenUntilItIsRemoved) {
    std::vector<qm::Message> seen;
    qm::setMessageSink([&](const qm::Message& m) { seen.push_back(m); });
    qm::showMessage({"Index.html created successfully", "Completed", qm::MessageIcon::None});
    const qm::MessageSink old = qm::setMessageSink(nullptr);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, QStringLiteral("Completed"));
    EXPECT_TRUE(old) << "the old sink is handed back";
}

}  // namespace
