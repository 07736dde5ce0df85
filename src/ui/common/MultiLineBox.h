#pragma once

#include <QPlainTextEdit>

#include <limits>

namespace velto {

// A multi-line text box whose text reads back exactly as it went in. The
// edit control turns every line break (CR, LF, CR LF, U+2029) into a break
// between blocks, and its plain text turns no-break spaces into spaces and
// U+2028 into LF. This box keeps each character as it is and each break as it
// came: one the user makes with Enter reads as CR LF, a pasted one as what
// was pasted.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // A paste or drop that would leave more characters than this (as the
    // text reads back) is refused whole; the program's own setText is not.
    void setMaxLength(int length) { m_maxLength = length; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString textBetween(int from, int to) const;
    void keepBreaks(int position);

    // The break before each block, as the blocks last stood: when an edit
    // joins two blocks, the edit control keeps the later block's own state.
    QList<int> m_breaks{-1};
    int m_maxLength = std::numeric_limits<int>::max();
};

} // namespace velto
