#include "MainWindow.h"

#include "LivePreview.h"

MainWindow::MainWindow() : Form(QStringLiteral(":/layouts/Form1.json")) {}

void MainWindow::load() {}

void MainWindow::unload() { preview::deletePreviewFile(); }
