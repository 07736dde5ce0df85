#include "ui/common/FormTable.h"

#include "ui/common/DesignFrame.h"
#include "ui/common/EnterKey.h"
#include "ui/common/FocusRing.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/MultiLineBox.h"
#include "ui/common/ResultBox.h"
#include "ui/common/Twips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QValidator>

#include <algorithm>

namespace velto {

namespace {

using Kind = ControlRow::Kind;

// A button that answers Enter and Space, a held key once: Qt's own clicks
// again at every repeat of a held Enter, and a click may open a page.
class DesignButton : public QPushButton {
public:
    explicit DesignButton(QWidget* parent)
        : QPushButton(parent)
    {
        // Outside a dialog a button ignores Enter unless it is auto-default.
        setAutoDefault(true);
    }

protected:
    bool event(QEvent* event) override
    {
        if (m_enter.repeats(event)) {
            event->accept();
            return true;
        }
        return QPushButton::event(event);
    }

private:
    EnterKey m_enter;
};

// A control that draws the focus ring inside its edge while it has the focus,
// against the colour of the `background` role. A flat one has a thin border in
// the window's text colour, all that shows a box on a background of its own
// colour: painted, as a style sheet would cost a style of its own at start-up.
template<class Control> class FocusRinged : public Control {
public:
    FocusRinged(QWidget* parent, QPalette::ColorRole background, bool flat = false)
        : Control(parent)
        , m_background(background)
        , m_flat(flat)
    {
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Control::paintEvent(event);
        QPainter painter(this);
        if (m_flat) {
            painter.setPen(this->palette().color(QPalette::WindowText));
            painter.drawRect(this->rect().adjusted(0, 0, -1, -1));
        }
        if (this->hasFocus())
            paintFocusRing(painter, this->rect().adjusted(1, 1, -1, -1), this->palette().color(m_background));
    }

private:
    QPalette::ColorRole m_background;
    bool m_flat;
};

// A drop-down list whose popup takes its font when it first opens: Qt hands a
// new font on at once, building the popup (a list view, its delegate and their
// code) for lists nobody sees at start-up.
class ComboList : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        if (!m_popupHasFont) {
            // What QComboBox does at a font change, done at last.
            m_popupHasFont = true;
            view()->window()->setFont(font());
            view()->doItemsLayout();
        }
        QComboBox::showPopup();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange && !m_popupHasFont) {
            QWidget::changeEvent(event);
            return;
        }
        QComboBox::changeEvent(event);
    }

private:
    bool m_popupHasFont = false;
};

// Refuses, with a beep as a system edit box gives at its limit, an edit that
// would leave more than MaxBoxText characters: the box undoes it whole.
class LengthBound : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        if (input.size() <= MaxBoxText)
            return Acceptable;
        QApplication::beep();
        return Invalid;
    }
};

QWidget* create(const ControlRow& row, QWidget* parent)
{
    switch (row.kind) {
    case Kind::Label:
        return new QLabel(parent);
    case Kind::LinkLabel:
        return new LinkLabel(parent);
    case Kind::Frame:
        return new DesignFrame(parent);
    case Kind::Button:
        return new FocusRinged<DesignButton>(parent, QPalette::Button);
    case Kind::CheckBox:
        return new FocusRinged<QCheckBox>(parent, QPalette::Window);
    case Kind::TextBox: {
        const bool flat = row.look & ControlRow::FlatBorder;
        auto* box = new FocusRinged<QLineEdit>(parent, QPalette::Base, flat);
        if (flat) {
            box->setFrame(false);
            box->setTextMargins(3, 1, 3, 1);
        }
        // Qt's limit cuts a paste short without a word; set one past the bound,
        // it lets the validator refuse the edit whole, and still cuts a huge
        // paste early.
        box->setMaxLength(MaxBoxText + 1);
        box->setValidator(new LengthBound(box));
        return box;
    }
    case Kind::MultiLineBox: {
        auto* box = new MultiLineBox(parent);
        box->setMaxLength(MaxBoxText);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        return box;
    }
    case Kind::ResultBox:
        return new ResultBox(parent);
    case Kind::ComboList:
        return new ComboList(parent);
    }
    return nullptr;
}

void applyColours(QWidget* w, const ControlRow& row)
{
    // Only the roles the control draws with, or a frame's colours would reach
    // the controls inside it.
    const bool textBox = row.kind == Kind::TextBox || row.kind == Kind::MultiLineBox
        || row.kind == Kind::ResultBox;
    const bool button = row.kind == Kind::Button;
    QPalette palette = w->palette();
    if (row.fore)
        palette.setColor(textBox      ? QPalette::Text
                             : button ? QPalette::ButtonText
                                      : QPalette::WindowText,
                         *row.fore);
    if (row.back)
        palette.setColor(textBox ? QPalette::Base : QPalette::Window, *row.back);
    w->setPalette(palette);
    // Controls that lie on top of each other must paint their own background,
    // or the covered one shows through.
    w->setAutoFillBackground(row.back.has_value() && !textBox && !(row.look & ControlRow::Transparent));
}

void applyCaption(QWidget* w, const ControlRow& row)
{
    switch (row.kind) {
    case Kind::Label:
    case Kind::LinkLabel: {
        auto* label = static_cast<QLabel*>(w);
        // A label without a buddy shows "&" as it stands, so "&&" is one "&".
        label->setText(QString(row.caption).replace(QLatin1String("&&"), QLatin1String("&")));
        label->setWordWrap(row.look & ControlRow::WordWrap);
        label->setAlignment((row.look & ControlRow::Centred) ? Qt::AlignHCenter | Qt::AlignTop
                                                             : Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        break;
    }
    case Kind::Frame: {
        auto* frame = static_cast<DesignFrame*>(w);
        frame->setCaption(row.caption);
        frame->setBorder((row.look & ControlRow::ThreeDBorder) ? DesignFrame::Border::ThreeD
                                                               : DesignFrame::Border::Flat);
        break;
    }
    case Kind::Button:
    case Kind::CheckBox:
        static_cast<QAbstractButton*>(w)->setText(row.caption);
        break;
    case Kind::TextBox:
        setBoxText(static_cast<QLineEdit*>(w), row.caption);
        break;
    case Kind::MultiLineBox:
        static_cast<MultiLineBox*>(w)->setText(row.caption);
        break;
    case Kind::ResultBox:
        static_cast<QPlainTextEdit*>(w)->setPlainText(row.caption);
        break;
    case Kind::ComboList:
        break;
    }
}

// Takes the size the caption needs. Where a stand-in font is wider than the
// designed one and the caption would run past its container's edge or into a
// frame's border, the letters are set a little closer, to keep it whole.
void sizeToText(QWidget* w, const QWidget* container)
{
    w->resize(w->sizeHint());
    const auto* frame = qobject_cast<const DesignFrame*>(container);
    const int room = (frame ? frame->insideBorder().right() + 1 : container->width() - 1) - w->x();
    for (int spacing = 99; w->width() > room && spacing >= 90; --spacing) {
        QFont font = w->font();
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
        w->setFont(font);
        w->resize(w->sizeHint());
    }
}

} // namespace

void setBoxText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    // As a system edit box has it: a screen reader takes a caret that moves
    // as the box gets the focus for the focus, and would not name the box.
    box->setCursorPosition(0);
}

void FormTable::build(QWidget* client, std::span<const ControlRow> table)
{
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : table) {
        QWidget* parent = row.container ? m_widgets.value(QString::fromLatin1(row.container)) : client;
        if (!parent)
            qFatal("container of %s must come before it", row.name);
        QWidget* w = create(row, parent);
        w->setObjectName(QString::fromLatin1(row.name));
        if (!row.member.bind(w))
            qFatal("control %s is not of the type of the member that keeps it", row.name);
        w->setFont(row.font);
        applyColours(w, row);
        applyCaption(w, row);
        w->setGeometry(twips(row.left), twips(row.top), twips(row.width), twips(row.height));
        if (row.look & ControlRow::AutoSize)
            sizeToText(w, parent);
        if (auto* box = qobject_cast<QPlainTextEdit*>(w); box && (row.look & ControlRow::FlatBorder))
            box->setFrameStyle(QFrame::Box | QFrame::Plain); // one thin line
        if (row.kind != Kind::Label && row.kind != Kind::LinkLabel && row.kind != Kind::Frame)
            tabOrder.emplace_back(row.tabIndex, w);
        else
            w->setFocusPolicy(Qt::NoFocus);
        m_widgets.insert(w->objectName(), w);
    }

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

} // namespace velto
