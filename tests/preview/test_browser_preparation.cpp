#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "preview/BrowserFactory.h"

using namespace qm;


namespace {

bool moduleLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("quillmere_browser");
}

// The engine runs in processes of its own, started as this one's children.
bool engineStarted() {
    const QString tasks = QStringLiteral("/proc/self/task");
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks + '/' + task + QStringLiteral("/children"));
        if (children.open(QIODevice::ReadOnly) && !children.readAll().trimmed().isEmpty()) return true;
    }
    return false;
}

}  // namespace

// One process, one module: the steps build on each other.
TEST(BrowserPreparation, WaitsForAPressInItsWindowThenLoadsTheModuleWithoutStartingTheEngine) {
    QWidget window, other;
    auto* field = new QLineEdit(&window);
    window.show();
    other.show();
    prepareBrowserAfterFirstInput(&window);
    QCoreApplication::processEvents();
    ASSERT_FALSE(moduleLoaded()) << "the module is loaded before any press";

    QTest::keyClick(&other, Qt::Key_A);
    QTest::mouseClick(&other, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(moduleLoaded()) << "a press in another window counts";

    QTest::keyPress(field, Qt::Key_A);
    EXPECT_FALSE(moduleLoaded()) << "the press waits for the module";
    QTest::keyRelease(field, Qt::Key_A);
    EXPECT_TRUE(QTest::qWaitFor(moduleLoaded, 10000));
    EXPECT_EQ(field->text(), QStringLiteral("a"));
    EXPECT_FALSE(engineStarted());
}
