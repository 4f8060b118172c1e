#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>

#include "preview/BrowserFactory.h"

using namespace qm;


namespace {

std::unique_ptr<QWebEngineView> makeView() {
    QString error;
    const CreateBrowser create = browserFactory(&error);
    EXPECT_NE(create, nullptr) << error.toStdString();
    if (!create) return nullptr;
    return std::unique_ptr<QWebEngineView>(qobject_cast<QWebEngineView*>(create(nullptr, nullptr)));
}

}  // namespace

TEST(PreviewBrowser, KeepsNothingInTheUsersHomeAndLetsScriptsRunOnlyLocally) {
    auto view = makeView();
    ASSERT_NE(view, nullptr);
    QWebEngineProfile* profile = view->page()->profile();
    EXPECT_TRUE(profile->isOffTheRecord());
    EXPECT_EQ(profile->httpCacheType(), QWebEngineProfile::MemoryHttpCache);

    const QWebEngineSettings* settings = view->page()->settings();
    EXPECT_TRUE(settings->testAttribute(QWebEngineSettings::JavascriptEnabled));
    EXPECT_FALSE(settings->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
    EXPECT_FALSE(settings->testAttribute(QWebEngineSettings::PluginsEnabled));
}

TEST(PreviewBrowser, RunsThePagesScripts) {
    auto view = makeView();
    ASSERT_NE(view, nullptr);
    QSignalSpy finished(view.get(), &QWebEngineView::loadFinished);
    view->setHtml(QStringLiteral("<script>document.title = 'ran';</script>"), QUrl(QStringLiteral("file:///")));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(QTest::qWaitFor([&view] { return view->title() == QStringLiteral("ran"); }, 20000));
}

TEST(PreviewBrowser, LeavesOutTheEnginesStartUpReportButNotItsWarnings) {
    ASSERT_NE(makeView(), nullptr);
    const QLoggingCategory engine("qt.webenginecontext");
    EXPECT_FALSE(engine.isInfoEnabled());
    EXPECT_TRUE(engine.isWarningEnabled());
}
