#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>

// A home page of the kind the program makes.
inline const char* const kBenchPage =
    "<body bgcolor= \"#000080\">\r\n<Center><font color=\"#FFFF00\" size=\"5\">My PSP page</font></Center><br>\r\n"
    "<Marquee>Welcome</Marquee><br>\r\n<a href = \"http://example.com\">A link</a><br>\r\n"
    "<B>Bold</B> <I>italic</I> <S>struck</S>";

// Runs the event loop until the view emits loadFinished(bool); false after 30 s.
inline bool waitForLoad(QObject* view) {
    QEventLoop loop;
    QObject::connect(view, SIGNAL(loadFinished(bool)), &loop, SLOT(quit()));
    QTimer::singleShot(30000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}
