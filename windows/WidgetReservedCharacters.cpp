#include "windows/WidgetReservedCharacters.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <algorithm>

namespace qm {
namespace {

constexpr int kKeptObject = QTextFormat::UserObject + 1;
constexpr int kKeptCode = QTextFormat::UserProperty + 1;

bool holdsKeptCharacter(const QString& text) { return std::any_of(text.begin(), text.end(), isKeptCharacter); }

QTextCharFormat keptFormat(QChar c) {
    QTextCharFormat format;
    format.setObjectType(kKeptObject);
    format.setProperty(kKeptCode, int(c.unicode()));
    return format;
}

void insertAtCaret(QPlainTextEdit* field, const QString& text) {
    QTextCursor cursor = field->textCursor();
    insertKeepingCharacters(cursor, text);
    field->setTextCursor(cursor);
    field->ensureCursorVisible();
}

// Draws a kept character as a small framed box with its code, so that the
// user sees it is there and can select or delete it.
class KeptCharacterBox : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override {
        const QFontMetricsF metrics(boxFont(document));
        return {metrics.horizontalAdvance(label(format)) + 4, QFontMetricsF(document->defaultFont()).ascent()};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override {
        painter->save();
        painter->setFont(boxFont(document));
        painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
        painter->drawText(rect, Qt::AlignCenter, label(format));
        painter->restore();
    }

private:
    static QFont boxFont(const QTextDocument* document) {
        QFont font = document->defaultFont();
        font.setPointSizeF(std::max(4.0, font.pointSizeF() * 0.6));
        return font;
    }
    static QString label(const QTextFormat& format) {
        return QString::number(format.intProperty(kKeptCode), 16).toUpper();
    }
};

class CharacterKeeper : public QObject {
public:
    explicit CharacterKeeper(QPlainTextEdit* field) : QObject(field), field_(field) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_ || field_->isReadOnly()) return false;
        if (event->type() == QEvent::KeyPress) return keyPressed(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::InputMethod) return inputCommitted(static_cast<QInputMethodEvent*>(event));
        return false;
    }

private:
    bool keyPressed(QKeyEvent* key) {
        if (key->matches(QKeySequence::InsertLineSeparator)) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QCoreApplication::sendEvent(field_, &enter);
            return true;
        }
        if (!holdsKeptCharacter(key->text())) return false;
        insertAtCaret(field_, key->text());
        return true;
    }

    bool inputCommitted(QInputMethodEvent* input) {
        if (!holdsKeptCharacter(input->commitString())) return false;
        // The widget first drops the old preedit and applies the replacement,
        // then the commit goes in here, then the new preedit follows it.
        QInputMethodEvent before;
        before.setCommitString(QString(), input->replacementStart(), input->replacementLength());
        QCoreApplication::sendEvent(field_, &before);
        insertAtCaret(field_, input->commitString());
        if (!input->preeditString().isEmpty()) {
            QInputMethodEvent after(input->preeditString(), input->attributes());
            QCoreApplication::sendEvent(field_, &after);
        }
        return true;
    }

    QPlainTextEdit* field_;
};

}  // namespace

bool isKeptCharacter(QChar c) {
    return c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1 || c == QChar::ParagraphSeparator;
}

void insertKeepingCharacters(QTextCursor& cursor, const QString& text) {
    if (!holdsKeptCharacter(text)) {
        cursor.insertText(text);
        return;
    }
    // The text after a kept character must not take on its object format.
    QTextCharFormat plain = cursor.charFormat();
    plain.clearProperty(QTextFormat::ObjectType);
    plain.clearProperty(kKeptCode);
    cursor.beginEditBlock();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isKeptCharacter(text[i])) continue;
        cursor.insertText(text.mid(runStart, i - runStart), plain);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), keptFormat(text[i]));
        runStart = i + 1;
    }
    cursor.insertText(text.mid(runStart), plain);
    cursor.endEditBlock();
}

QChar keptCharacterAt(const QTextDocument* document, int position) {
    if (document->characterAt(position) != QChar::ObjectReplacementCharacter) return {};
    QTextCursor cursor(const_cast<QTextDocument*>(document));
    cursor.setPosition(position + 1);
    const QTextCharFormat format = cursor.charFormat();
    if (format.objectType() != kKeptObject) return {};
    const QChar kept(char16_t(format.intProperty(kKeptCode)));
    return isKeptCharacter(kept) ? kept : QChar();
}

QString keptSelectedText(const QTextCursor& selection) {
    QString text = selection.selectedText();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar::ParagraphSeparator) {
            text[i] = QLatin1Char('\n');
        } else if (text[i] == QChar::ObjectReplacementCharacter) {
            const QChar kept = keptCharacterAt(selection.document(), selection.selectionStart() + int(i));
            if (!kept.isNull()) text[i] = kept;
        }
    }
    return text;
}

void keepTypedCharacters(QPlainTextEdit* field) {
    field->document()->documentLayout()->registerHandler(kKeptObject, new KeptCharacterBox(field));
    field->installEventFilter(new CharacterKeeper(field));
}

}  // namespace qm

#include "WidgetReservedCharacters.moc"
