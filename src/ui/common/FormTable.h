#pragma once

#include "Fonts.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>

namespace velto {

// One row of a window's design table: what a control is, where it sits (in
// twips, relative to its container) and how it looks.
struct ControlSpec {
    enum class Kind { Label, LinkLabel, Frame, Button, CheckBox, TextBox, MultiLineBox, ResultBox, ComboList };

    enum Look : unsigned {
        Plain = 0,
        Transparent = 1 << 0, // draws no background: the container shows through
        Centred = 1 << 1,
        WordWrap = 1 << 2, // wraps inside its fixed rectangle
        AutoSize = 1 << 3, // takes the size its caption needs
        FlatBorder = 1 << 4,
        ThreeDBorder = 1 << 5,
    };

    const char* name;
    Kind kind;
    const char* container; // nullptr: the window's client area
    int left, top, width, height;
    QString caption;
    std::optional<QColor> fore;
    std::optional<QColor> back;
    QFont font;
    unsigned look;
    int tabIndex; // -1: none
};

// The controls of one window, built from its table and found by name.
class FormTable {
public:
    // Builds every control inside `client`, in table order, and chains the
    // controls that take the focus in the order of their tab indexes.
    void build(QWidget* client, std::span<const ControlSpec> table);

    QWidget* widget(const QString& name) const { return m_widgets.value(name); }
    const QHash<QString, QWidget*>& widgets() const { return m_widgets; }

    template<class T> T* get(const QString& name) const
    {
        return static_cast<T*>(m_widgets.value(name));
    }

private:
    QHash<QString, QWidget*> m_widgets;
};

} // namespace velto
