#include "ui/common/MultiLineBox.h"

#include <QApplication>
#include <QMimeData>
#include <QTextBlock>

#include <algorithm>
#include <array>
#include <string_view>

namespace velto {

namespace {

// How the break before a block came in, an index kept as the block's user
// state; a block made with Enter has -1.
constexpr std::array<std::u16string_view, 6> Breaks{u"\r\n", u"\r", u"\n", u"\u2029", u"\uFDD0", u"\uFDD1"};

QString breakText(int state)
{
    if (state < 0 || state >= static_cast<int>(Breaks.size()))
        return QStringLiteral("\r\n");
    const std::u16string_view text = Breaks[static_cast<std::size_t>(state)];
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The break that starts at text[i], as an index into Breaks, or -1.
int breakAt(const QString& text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    if (c == u'\r')
        return i + 1 < text.size() && text[i + 1] == u'\n' ? 0 : 1;
    for (std::size_t k = 2; k < Breaks.size(); ++k) {
        if (c == Breaks[k].front())
            return static_cast<int>(k);
    }
    return -1;
}

void insertVerbatim(QTextCursor& cursor, const QString& text)
{
    cursor.beginEditBlock();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int kind = breakAt(text, i);
        if (kind < 0)
            continue;
        cursor.insertText(text.mid(start, i - start));
        cursor.insertBlock();
        cursor.block().setUserState(kind);
        i += static_cast<qsizetype>(Breaks[static_cast<std::size_t>(kind)].size()) - 1;
        start = i + 1;
    }
    cursor.insertText(text.mid(start));
    cursor.endEditBlock();
}

} // namespace

MultiLineBox::MultiLineBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int) { keepBreaks(position); });
}

void MultiLineBox::keepBreaks(int position)
{
    // The break before the block an edit starts in stays, whatever the edit
    // joined onto the block.
    QTextBlock edited = document()->findBlock(position);
    if (edited.isValid() && edited.blockNumber() < m_breaks.size())
        edited.setUserState(m_breaks[edited.blockNumber()]);
    m_breaks.clear();
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
        m_breaks.append(block.userState());
}

QString MultiLineBox::text() const
{
    return textBetween(0, document()->characterCount());
}

QString MultiLineBox::textBetween(int from, int to) const
{
    QString text;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        if (block.position() > from)
            text += breakText(block.userState());
        const int start = std::max(from - block.position(), 0);
        const int end = std::min(to - block.position(), block.length() - 1);
        text += block.text().mid(start, std::max(end - start, 0));
    }
    return text;
}

void MultiLineBox::setText(const QString& text)
{
    clear();
    QTextCursor cursor = textCursor();
    insertVerbatim(cursor, text);
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

QMimeData* MultiLineBox::createMimeDataFromSelection() const
{
    // As the text reads back, so that it pastes back the same.
    const QTextCursor cursor = textCursor();
    auto* data = new QMimeData;
    data->setText(textBetween(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

void MultiLineBox::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText() || isReadOnly())
        return;
    const QString pasted = source->text();
    QTextCursor cursor = textCursor();
    const qsizetype kept = text().size() - textBetween(cursor.selectionStart(), cursor.selectionEnd()).size();
    if (pasted.size() > m_maxLength - kept) {
        QApplication::beep();
        return;
    }
    insertVerbatim(cursor, pasted);
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace velto
