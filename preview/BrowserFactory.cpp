#include "preview/BrowserFactory.h"

#include <unistd.h>

#include <QAccessible>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QOpenGLContext>
#include <QTimer>
#include <cstdio>

#include "services/Toolkit.h"

// Qt's own hook for the context that every OpenGL context shares with; Qt
// makes it at start-up only when asked before the application object exists
// (Qt::AA_ShareOpenGLContexts), which costs the main window some 40 ms more
// under Xvfb. The build checks that this Qt still exports it.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace qm {
namespace {

// The engine hands its frames over through a context shared with Qt's. Made
// with the module, after start-up, where it would cost the main window a
// fresh OpenGL set-up.
void shareOpenGLContexts() {
    if (QOpenGLContext::globalShareContext()) return;
    auto* context = new QOpenGLContext(qApp);
    context->create();  // may fail without OpenGL; the engine then draws in software
    qt_gl_set_global_share_context(context);
}

// The engine refuses to start as root with its sandbox on.
void allowEngineAsRoot() {
    if (::geteuid() != 0 || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) return;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    std::fputs("quillmere: running as root, the preview's browser runs without its sandbox\n", stderr);
}

// Beside the executable in the build tree; in the library folder once installed.
QStringList moduleCandidates() {
    const QString appFolder = qm::applicationFolder();
    const QString name = QStringLiteral(QM_BROWSER_MODULE_NAME);
    return {appFolder + '/' + name,
            QDir::cleanPath(appFolder + QStringLiteral("/" QM_BROWSER_MODULE_DIR "/") + name)};
}

// Watches the application's input until the first press in its window.
class FirstInputWatch : public QObject {
public:
    explicit FirstInputWatch(QWidget* window) : QObject(window), window_(window) {}

    bool eventFilter(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress) return false;
        if (!receiver->isWidgetType() || static_cast<QWidget*>(receiver)->window() != window_) return false;
        qApp->removeEventFilter(this);
        // After the press has had its answer on the screen.
        QTimer::singleShot(0, this, [this] {
            browserFactory(nullptr);
            deleteLater();
        });
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void prepareBrowserAfterFirstInput(QWidget* window) {
    qApp->installEventFilter(new FirstInputWatch(window));
}

CreateBrowser browserFactory(QString* error) {
    static CreateBrowser factory = nullptr;
    static QString loadError;
    static bool tried = false;
    if (tried) {
        if (!factory && error) *error = loadError;
        return factory;
    }
    tried = true;
    // The engine builds the page's tree for a screen reader only when told to, before it starts.
    if (QAccessible::isActive()) qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    allowEngineAsRoot();
    shareOpenGLContexts();
    const QStringList candidates = moduleCandidates();
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) continue;
        // Never unloaded: the engine cannot be shut down and started again.
        auto* module = new QLibrary(path);
        factory = reinterpret_cast<CreateBrowser>(module->resolve("quillmereCreateBrowser"));
        if (factory) return factory;
        loadError = QStringLiteral("The preview cannot be shown: %1:\n%2").arg(path, module->errorString());
        delete module;
        break;
    }
    if (loadError.isEmpty())
        loadError = QStringLiteral("The preview cannot be shown: %1 is missing.").arg(candidates.join(QStringLiteral(" or ")));
    if (error) *error = loadError;
    return nullptr;
}

}  // namespace qm
