#pragma once

// The shared widgets: the design-table builder and the controls the windows
// have in common. Uses the platform services and the engine only.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QLineEdit;

namespace velto {

// The window's member that keeps a control, of the control's own type:
// filled in, and checked, as the control is built.
class ControlBinding {
public:
    ControlBinding() = default;
    template<class T> ControlBinding(T*& member)
        : m_assign([&member](QWidget* control) { return (member = qobject_cast<T*>(control)) != nullptr; })
    {
    }

    // False when the control is not of the member's type.
    bool bind(QWidget* control) const { return !m_assign || m_assign(control); }

private:
    std::function<bool(QWidget*)> m_assign;
};

// One row of a window's design table: what a control is, where it sits (in
// twips, in its container), how it looks and where the window keeps it.
struct ControlRow {
    enum class Kind {
        Label,
        LinkLabel,
        Frame,
        Button,
        CheckBox,
        TextBox,
        MultiLineBox,
        ResultBox,
        ComboList
    };

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
    ControlBinding member = {};
};

// The most characters a text box takes, as many as the reading walks whole.
// Past it a paste lays out slowly enough to freeze the window, and a
// single-line box measures its line again at each blink of the caret.
inline constexpr int MaxBoxText = 32767;

// Sets a single-line box's text, the caret at its start.
void setBoxText(QLineEdit* box, const QString& text);

// The controls of one window, built from its table and found by name.
class FormTable {
public:
    // Builds the controls inside `client` in table order, fills in the
    // members, and chains the focus in the order of the tab indexes.
    void build(QWidget* client, std::span<const ControlRow> table);

    const QHash<QString, QWidget*>& widgets() const { return m_widgets; }

private:
    QHash<QString, QWidget*> m_widgets;
};

} // namespace velto
