// The yardstick for the main window: its layout file built the ordinary way,
// with Qt's stock widgets at each control's place (push buttons for the
// owner-drawn ones), the three panels hidden, then shown. Whatever Quillmere
// takes beyond this is the cost of its own buttons and layout machinery.
// With --activate it also asks for its window to be active, the ordinary way:
// right after show().
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

namespace {

int px(const QJsonValue& twips) { return (twips.toInt() + 7) / 15; }

QString text(const QJsonObject& c, const char* key) {
    const QJsonValue v = c.value(QLatin1String(key));
    if (!v.isArray()) return v.toString();
    QStringList lines;
    for (const QJsonValue& line : v.toArray()) lines << line.toString();
    return lines.join(QStringLiteral("\r\n"));
}

QFont verdana() {
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(8.25);
    return f;
}

QWidget* makeControl(const QJsonObject& c, QWidget* parent) {
    const QString kind = c.value(QLatin1String("kind")).toString();
    if (kind == QLatin1String("ccXPButton")) {
        const QJsonObject props = c.value(QLatin1String("properties")).toObject()
                                      .value(QLatin1String("Quillmere.ccXPButton")).toObject();
        return new QPushButton(props.value(QLatin1String("caption")).toString(), parent);
    }
    if (kind == QLatin1String("TextBox")) {
        if (c.value(QLatin1String("multiLine")).toBool()) {
            auto* edit = new QPlainTextEdit(text(c, "text"), parent);
            if (c.value(QLatin1String("scrollBar")).toString() == QLatin1String("vertical"))
                edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return edit;
        }
        return new QLineEdit(text(c, "text"), parent);
    }
    if (kind == QLatin1String("Label")) return new QLabel(text(c, "caption"), parent);
    if (kind == QLatin1String("Frame")) return new QGroupBox(text(c, "caption"), parent);
    if (kind == QLatin1String("ComboBox") || kind == QLatin1String("DriveListBox")) {
        auto* combo = new QComboBox(parent);
        for (const QJsonValue& item : c.value(QLatin1String("items")).toArray()) combo->addItem(item.toString());
        return combo;
    }
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::VLine);
    return line;
}

QRect place(const QJsonObject& c) {
    if (c.contains(QLatin1String("x1"))) {
        const QPoint a(px(c.value(QLatin1String("x1"))), px(c.value(QLatin1String("y1"))));
        const QPoint b(px(c.value(QLatin1String("x2"))), px(c.value(QLatin1String("y2"))));
        return QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    }
    return QRect(px(c.value(QLatin1String("left"))), px(c.value(QLatin1String("top"))),
                 px(c.value(QLatin1String("width"))), px(c.value(QLatin1String("height"))));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFile file(QStringLiteral(":/layouts/Form1.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fputs("the layout resource is missing\n", stderr);
        return 1;
    }
    const QJsonObject form = QJsonDocument::fromJson(file.readAll()).object();

    QWidget window;
    window.setWindowTitle(form.value(QLatin1String("caption")).toString());
    window.setFixedSize(px(form.value(QLatin1String("clientWidth"))), px(form.value(QLatin1String("clientHeight"))));
    window.move(QGuiApplication::primaryScreen()->availableGeometry().center() - window.rect().center());

    QHash<QString, QWidget*> controls;
    for (const QJsonValue& entry : form.value(QLatin1String("controls")).toArray()) {
        const QJsonObject c = entry.toObject();
        QWidget* parent = controls.value(c.value(QLatin1String("container")).toString(), &window);
        QWidget* widget = makeControl(c, parent);
        widget->setGeometry(place(c));
        if (c.value(QLatin1String("font")).toString() == QLatin1String("V")) widget->setFont(verdana());
        if (c.value(QLatin1String("startsHidden")).toBool()) widget->hide();
        widget->lower();  // the first listed lies above
        controls.insert(c.value(QLatin1String("name")).toString(), widget);
    }
    for (const char* panel : {"Frame1", "Frame2", "Frame3"}) controls.value(QLatin1String(panel))->hide();

    window.show();
    // Quillmere asks too; on a desktop the window manager activates either
    // window, on a bare X server only the request does.
    if (app.arguments().contains(QStringLiteral("--activate"))) window.activateWindow();
    return app.exec();
}
