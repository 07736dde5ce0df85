#include "ui/common/MultiLineBox.h"

#include <QApplication>
#include <QMimeData>
#include <QTextBlock>

#include <algorithm>

namespace velto {

namespace {

// How the break before a block came in, an index kept as the block's user
// state; a block made with Enter has -1.
constexpr QStringView Breaks[] = {u"\r\n", u"\r", u"\n", u"\u2029", u"\uFDD0", u"\uFDD1"};
constexpr int BreakCount = static_cast<int>(std::size(Breaks));

QString breakText(int state)
{
    return state >= 0 && state < BreakCount ? Breaks[state].toString() : QStringLiteral("\r\n");
}

// The break that starts at text[i], as an index into Breaks, or -1.
int breakAt(const QString& text, qsizetype i)
{
    if (text[i] == u'\r')
        return i + 1 < text.size() && text[i + 1] == u'\n' ? 0 : 1;
    for (int k = 2; k < BreakCount; ++k) {
        if (text[i] == Breaks[k].front())
            return k;
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
        i += Breaks[kind].size() - 1;
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
