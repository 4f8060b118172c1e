// The browser engine's side of the preview, built as a module that the program
// loads only after start-up.
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace qm {

extern "C" Q_DECL_EXPORT QWidget* quillmereCreateBrowser(QWidget* parent) {
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
