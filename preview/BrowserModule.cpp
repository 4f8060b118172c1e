// The browser engine's side of the preview, built as a module that the program
// loads only when the preview first opens.
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget* quillmereCreateBrowser(QWidget* parent) {
    auto* view = new QWebEngineView(parent);
    // A profile without a storage name is off the record: the preview leaves no
    // cookies, cache or local storage in the user's home. The profile is the
    // page's child so that it goes only after the page.
    auto* profile = new QWebEngineProfile;
    auto* page = new QWebEnginePage(profile, view);
    profile->setParent(page);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    view->setPage(page);
    return view;
}
