#pragma once

#include <QString>

namespace velto {

// Trims U+0020 only: tabs and line breaks are part of what the user typed.
inline QString trimSpaces(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace velto
