#include "PageSource.h"

#include <QPlainTextEdit>

QString pageSource(const QPlainTextEdit* field) {
    QString text = field->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
