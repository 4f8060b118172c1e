// The browser engine's side of the preview, built as a module that the program
// loads only after start-up.
#include <QLoggingCategory>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "preview/PreviewSource.h"

namespace qm {
namespace {

// Hands the engine what the program's source serves for an address.
class PreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void setSource(PreviewSource* source) { source_ = source; }

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        PreviewReply reply;
        if (source_ && job->requestMethod() == "GET") reply = source_->open(job->requestUrl());
        if (!reply.body) return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        // The engine reads the body until the job ends, and does not own it.
        QIODevice* body = reply.body.release();
        QObject::connect(job, &QObject::destroyed, body, &QObject::deleteLater);
        job->reply(reply.mimeType, body);
    }

private:
    QPointer<PreviewSource> source_;
};

// The scheme must be known before the engine starts, which the first view
// does; so the first call registers it.
PreviewSchemeHandler* schemeHandler() {
    static PreviewSchemeHandler* const handler = [] {
        // The engine reports its graphics set-up on every start; its warnings still show.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        QWebEngineUrlScheme scheme(kPreviewScheme);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
        // Local, as a page file would be: the page cannot reach the network.
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
        QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
        auto* made = new PreviewSchemeHandler(profile);
        profile->installUrlSchemeHandler(kPreviewScheme, made);
        return made;
    }();
    return handler;
}

}  // namespace

extern "C" Q_DECL_EXPORT QWidget* quillmereCreateBrowser(QWidget* parent, PreviewSource* source) {
    schemeHandler()->setSource(source);
    auto* view = new QWebEngineView(parent);
    // The engine's default profile is off the record: the preview leaves no
    // cookies, cache or local storage in the user's home. Sharing it spares
    // every new preview window the start of a profile of its own.
    auto* page = new QWebEnginePage(QWebEngineProfile::defaultProfile(), view);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view->setPage(page);
    return view;
}

}  // namespace qm
