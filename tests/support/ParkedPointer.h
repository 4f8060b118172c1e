#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

// Moves the pointer to the screen's far corner, away from every test window,
// so that no case starts under a pointer an earlier one left over a widget.
inline void parkPointer() {
    QCursor::setPos(QGuiApplication::primaryScreen()->geometry().bottomRight());
    QCoreApplication::processEvents();
}
