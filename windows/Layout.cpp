#include "windows/Layout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>
#include <cmath>

namespace qm {

using namespace Qt::Literals::StringLiterals;

const ControlLayout* WindowLayout::control(const QString& controlName) const {
    for (const ControlLayout& c : controls) {
        if (c.name == controlName) return &c;
    }
    return nullptr;
}

namespace {

struct LayoutError {
    QString message;
};

const QSet<QString> kWindowKeys = {
    "name", "caption", "clientWidth", "clientHeight", "border", "minimiseButton",
    "showInTaskbar", "centred", "font", "controls",
};

const QSet<QString> kControlKeys = {
    "name", "kind", "container", "caption", "text", "left", "top", "width", "height",
    "x1", "y1", "x2", "y2", "tab", "font", "multiLine", "locked", "centred", "maxLength",
    "scrollBar", "items", "startsHidden", "background", "fill", "outline", "picture",
    "properties", "buddy", "accessibleName", "description", "accessible",
};

// Reads the members of one JSON object, naming the entry in every error: the
// window (no index) or one of its controls. Reading runs at every start, so
// nothing is formatted unless an error needs it.
class EntryReader {
public:
    EntryReader(const QJsonObject& object, const QString& fileName, std::optional<int> index,
                const QSet<QString>& allowed)
        : object_(object), fileName_(fileName), index_(index) {
        for (const QString& key : object.keys()) {
            if (!allowed.contains(key)) fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }

    [[noreturn]] void fail(const QString& what) const {
        throw LayoutError{QStringLiteral("%1: %2").arg(entry(), what)};
    }

    bool has(QLatin1String key) const { return object_.contains(key); }

    QString string(QLatin1String key, QLatin1String fallback = {}) const {
        const QJsonValue v = object_.value(key);
        if (v.isUndefined()) return fallback;
        if (!v.isString()) fail(QStringLiteral("\"%1\" must be a string").arg(key));
        return v.toString();
    }

    QString requiredString(QLatin1String key) const {
        if (!has(key)) fail(QStringLiteral("\"%1\" is missing").arg(key));
        const QString s = string(key);
        if (s.isEmpty()) fail(QStringLiteral("\"%1\" is empty").arg(key));
        return s;
    }

    // A string, or an array of lines each of which ends with CR LF.
    QString text(QLatin1String key) const {
        const QJsonValue v = object_.value(key);
        if (!v.isArray()) return string(key);
        QString joined;
        for (const QJsonValue& line : v.toArray()) {
            if (!line.isString()) fail(QStringLiteral("every line of \"%1\" must be a string").arg(key));
            joined += line.toString() + QStringLiteral("\r\n");
        }
        return joined;
    }

    bool flag(QLatin1String key) const {
        const QJsonValue v = object_.value(key);
        if (v.isUndefined()) return false;
        if (!v.isBool()) fail(QStringLiteral("\"%1\" must be true or false").arg(key));
        return v.toBool();
    }

    int integer(QLatin1String key) const {
        const QJsonValue v = object_.value(key);
        if (v.isUndefined()) fail(QStringLiteral("\"%1\" is missing").arg(key));
        const double d = v.toDouble(NAN);
        if (!v.isDouble() || d != std::trunc(d) || std::abs(d) > 1e7)
            fail(QStringLiteral("\"%1\" must be a whole number").arg(key));
        return static_cast<int>(d);
    }

    std::optional<int> optionalInteger(QLatin1String key) const {
        if (!has(key)) return std::nullopt;
        return integer(key);
    }

    FontChoice font() const {
        const QString f = string("font"_L1, "default"_L1);
        if (f == QLatin1String("V")) return FontChoice::Verdana;
        if (f == QLatin1String("default")) return FontChoice::WindowDefault;
        fail(QStringLiteral("font \"%1\" is neither \"V\" nor \"default\"").arg(f));
    }

    const QJsonObject& object() const { return object_; }

private:
    QString entry() const {
        if (!index_) return fileName_ + QStringLiteral(": window");
        const QString entry = QStringLiteral("%1: controls[%2]").arg(fileName_).arg(*index_);
        const QJsonValue name = object_.value("name"_L1);
        return name.isString() ? QStringLiteral("%1 (\"%2\")").arg(entry, name.toString()) : entry;
    }

    QJsonObject object_;
    const QString& fileName_;
    std::optional<int> index_;
};

ControlKind kindNamed(const EntryReader& r, const QString& kind) {
    static const QHash<QString, ControlKind> kinds = {
        {"TextBox", ControlKind::TextBox},   {"Label", ControlKind::Label},
        {"Frame", ControlKind::Frame},       {"ComboBox", ControlKind::ComboBox},
        {"DriveListBox", ControlKind::DriveListBox}, {"Line", ControlKind::Line},
        {"Shape", ControlKind::Shape},       {"Image", ControlKind::Image},
        {"WebBrowser", ControlKind::WebBrowser}, {"ccXPButton", ControlKind::Button},
    };
    const auto it = kinds.find(kind);
    if (it == kinds.end()) r.fail(QStringLiteral("unknown kind \"%1\"").arg(kind));
    return *it;
}

void readPlace(const EntryReader& r, ControlLayout& c) {
    if (c.kind == ControlKind::Line) {
        const int x1 = r.integer("x1"_L1), y1 = r.integer("y1"_L1);
        c.rect = {x1, y1, r.integer("x2"_L1) - x1, r.integer("y2"_L1) - y1};
        return;
    }
    c.rect = {r.integer("left"_L1), r.integer("top"_L1), r.integer("width"_L1), r.integer("height"_L1)};
    if (c.rect.width < 0 || c.rect.height < 0) r.fail(QStringLiteral("negative size"));
}

void readShape(const EntryReader& r, ControlLayout& c) {
    const QString fill = r.string("fill"_L1, "none"_L1);
    if (fill == QLatin1String("white")) c.fill = ShapeFill::White;
    else if (fill == QLatin1String("inactiveTitleBar")) c.fill = ShapeFill::InactiveTitleBar;
    else if (fill != QLatin1String("none")) r.fail(QStringLiteral("unknown fill \"%1\"").arg(fill));
    c.outline = r.flag("outline"_L1);
}

void readButtonProperties(const EntryReader& r, ControlLayout& c) {
    const QJsonValue bag = r.object().value("properties"_L1).toObject().value(kButtonClassIdentity);
    if (!bag.isObject())
        r.fail(QStringLiteral("a button needs \"properties\": {\"%1\": {...}}").arg(kButtonClassIdentity));
    c.buttonProperties = bag.toObject();
    for (const QString& key : c.buttonProperties.keys()) {
        if (key != key.toLower()) r.fail(QStringLiteral("stored property \"%1\" is not lower case").arg(key));
    }
}

ControlLayout readControl(const QJsonValue& value, int index, const QString& fileName,
                          const QHash<QString, ControlKind>& earlier) {
    if (!value.isObject())
        throw LayoutError{QStringLiteral("%1: controls[%2]: not an object").arg(fileName).arg(index)};
    const QJsonObject object = value.toObject();
    const EntryReader r(object, fileName, index, kControlKeys);

    ControlLayout c;
    c.name = r.requiredString("name"_L1);
    if (earlier.contains(c.name)) r.fail(QStringLiteral("the name is used twice"));
    c.kind = kindNamed(r, r.requiredString("kind"_L1));
    c.container = r.string("container"_L1);
    if (!c.container.isEmpty() && earlier.value(c.container, ControlKind::Label) != ControlKind::Frame)
        r.fail(QStringLiteral("container \"%1\" is not a frame listed earlier").arg(c.container));

    c.text = r.has("caption"_L1) ? r.text("caption"_L1) : r.text("text"_L1);
    readPlace(r, c);
    c.tabIndex = r.optionalInteger("tab"_L1);
    c.font = r.font();
    c.multiLine = r.flag("multiLine"_L1);
    c.locked = r.flag("locked"_L1);
    c.centred = r.flag("centred"_L1);
    c.startsHidden = r.flag("startsHidden"_L1);
    c.maxLength = r.optionalInteger("maxLength"_L1).value_or(0);
    c.accessibleName = r.string("accessibleName"_L1);
    c.description = r.string("description"_L1);
    c.accessible = !r.has("accessible"_L1) || r.flag("accessible"_L1);
    if (!c.accessible && (!c.container.isEmpty() || !c.accessibleName.isEmpty() || !c.description.isEmpty() ||
                          (c.kind != ControlKind::Label && !c.startsHidden)))
        r.fail(QStringLiteral("only an unnamed label or hidden control on the window itself can be inaccessible"));

    const QString scrollBar = r.string("scrollBar"_L1, "none"_L1);
    if (scrollBar != QLatin1String("none") && scrollBar != QLatin1String("vertical"))
        r.fail(QStringLiteral("scrollBar must be \"none\" or \"vertical\""));
    c.verticalScrollBar = scrollBar == QLatin1String("vertical");

    const QString background = r.string("background"_L1, "default"_L1);
    if (background != QLatin1String("default") && background != QLatin1String("buttonFace"))
        r.fail(QStringLiteral("background must be \"default\" or \"buttonFace\""));
    c.buttonFaceBackground = background == QLatin1String("buttonFace");

    for (const QJsonValue& item : object.value("items"_L1).toArray()) {
        if (!item.isString()) r.fail(QStringLiteral("every item must be a string"));
        c.items << item.toString();
    }

    if (c.kind == ControlKind::Shape) readShape(r, c);
    if (c.kind == ControlKind::Image) c.picture = r.requiredString("picture"_L1);
    if (c.kind == ControlKind::Button) readButtonProperties(r, c);
    else if (r.has("properties"_L1)) r.fail(QStringLiteral("only buttons have stored properties"));
    if (r.has("buddy"_L1)) {
        if (c.kind != ControlKind::Label) r.fail(QStringLiteral("only labels have a buddy"));
        c.buddy = r.requiredString("buddy"_L1);
    }
    return c;
}

// A buddy may be listed after its label, so it is checked once all are read.
// Assistive technology looks for a field's label among the field's siblings.
void checkBuddies(const WindowLayout& w, const QString& fileName) {
    for (const ControlLayout& label : w.controls) {
        if (label.buddy.isEmpty()) continue;
        const ControlLayout* field = w.control(label.buddy);
        QString what;
        if (!field) what = QStringLiteral("names no control of this window");
        else if (field == &label) what = QStringLiteral("is the label itself");
        else if (field->container != label.container) what = QStringLiteral("is not in the label's container");
        else if (field->kind == ControlKind::Frame || field->kind == ControlKind::Line ||
                 field->kind == ControlKind::Shape || field->kind == ControlKind::Image)
            what = QStringLiteral("is not a field");
        if (!what.isEmpty())
            throw LayoutError{QStringLiteral("%1: %2: buddy \"%3\" %4").arg(fileName, label.name, label.buddy, what)};
    }
}

WindowLayout readWindow(const QJsonObject& object, const QString& fileName) {
    const EntryReader r(object, fileName, std::nullopt, kWindowKeys);
    WindowLayout w;
    w.name = r.requiredString("name"_L1);
    w.caption = r.requiredString("caption"_L1);
    w.clientWidth = r.integer("clientWidth"_L1);
    w.clientHeight = r.integer("clientHeight"_L1);
    const QString border = r.requiredString("border"_L1);
    if (border == QLatin1String("fixedSingle")) w.border = BorderStyle::FixedSingle;
    else if (border == QLatin1String("fixedToolWindow")) w.border = BorderStyle::FixedToolWindow;
    else r.fail(QStringLiteral("unknown border \"%1\"").arg(border));
    w.minimiseButton = r.flag("minimiseButton"_L1);
    w.showInTaskbar = r.flag("showInTaskbar"_L1);
    w.centred = r.flag("centred"_L1);
    w.font = r.font();
    if (!object.value("controls"_L1).isArray()) r.fail(QStringLiteral("\"controls\" must be an array"));

    QHash<QString, ControlKind> earlier;
    const QJsonArray controls = object.value("controls"_L1).toArray();
    for (int i = 0; i < controls.size(); ++i) {
        w.controls.push_back(readControl(controls.at(i), i, fileName, earlier));
        earlier.insert(w.controls.back().name, w.controls.back().kind);
    }
    checkBuddies(w, fileName);
    return w;
}

}  // namespace

LayoutParseResult parseLayout(const QByteArray& json, const QString& fileName) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("%1: at offset %2: %3")
                                  .arg(fileName).arg(parseError.offset).arg(parseError.errorString())};
    if (!doc.isObject()) return {std::nullopt, fileName + QStringLiteral(": not a JSON object")};
    try {
        return {readWindow(doc.object(), fileName), {}};
    } catch (const LayoutError& e) {
        return {std::nullopt, e.message};
    }
}

}  // namespace qm
