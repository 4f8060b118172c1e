#pragma once

#include <QHash>
#include <QSet>
#include <QStringList>

#include "ComposeCommand.h"

// An in-memory window for the command tables: fields with their texts, and a
// log of every operation in the order it ran. Controls named in `broken` fail
// every operation; a missing control fails too.
class FakeSurface : public ComposeSurface {
public:
    QHash<QString, QString> texts;
    QSet<QString> controls;
    QSet<QString> broken;
    QSet<QString> unfocusable;
    bool panelsWork = true;
    QStringList log;

    explicit FakeSurface(QStringList names = {}) {
        for (const QString& name : names) controls.insert(name);
    }

    std::optional<QString> text(const QString& c) const override {
        if (!texts.contains(c) || broken.contains(c)) return std::nullopt;
        return texts.value(c);
    }
    bool replaceSelection(const QString& field, const QString& fragment) override {
        if (!usable(field)) return fail("insert " + field);
        texts[field] += fragment;
        log << "insert " + field + " " + fragment;
        return true;
    }
    bool clearText(const QString& field) override {
        if (!usable(field)) return fail("clear " + field);
        texts[field].clear();
        log << "clear " + field;
        return true;
    }
    bool giveFocus(const QString& field) override {
        if (!usable(field) || unfocusable.contains(field)) return fail("focus " + field);
        log << "focus " + field;
        return true;
    }
    bool setVisible(const QString& c, bool visible) override {
        const QString op = (visible ? "show " : "hide ") + c;
        if (!usable(c)) return fail(op);
        log << op;
        return true;
    }
    bool runPanel(PanelCommand command) override {
        const QString op = command == PanelCommand::AddColour    ? "panel AddColour"
                           : command == PanelCommand::AddBGImage ? "panel AddBGImage"
                                                                 : "panel other";
        if (!panelsWork) return fail(op);
        log << op;
        return true;
    }

private:
    bool usable(const QString& c) const {
        return (controls.contains(c) || texts.contains(c)) && !broken.contains(c);
    }
    bool fail(const QString& op) {
        log << "FAILED " + op;
        return false;
    }
};
