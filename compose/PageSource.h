#pragma once

#include <QString>

class QPlainTextEdit;

// The page source as the program's one string: line breaks are CR LF
// whatever the text widget keeps inside.
QString pageSource(const QPlainTextEdit* field);
