#pragma once

#include <QString>
#include <QWidget>

namespace qm {

class PreviewSource;

// Makes the preview's browser view as a child of parent, with `source`
// answering for the preview's addresses (see PreviewSource.h). The view is a
// QWebEngineView; it is reached through its "url" property and its
// loadFinished(bool) signal, so nothing here needs the engine's headers.
using CreateBrowser = QWidget* (*)(QWidget* parent, PreviewSource* source);

// Loads the browser module on first use and returns its factory; nullptr with
// *error naming the module and the reason when it cannot be loaded.
CreateBrowser browserFactory(QString* error);

// Loads the module and makes the OpenGL context the engine shares, without
// starting the engine, once the person first presses a key or a mouse button
// in `window` and the program is idle again. Together they take a preview
// press most of its wait, yet a start-up pays for neither, in time or memory.
void prepareBrowserAfterFirstInput(QWidget* window);

}  // namespace qm
