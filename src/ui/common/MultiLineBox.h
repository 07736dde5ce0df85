#pragma once

#include <QPlainTextEdit>

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

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString textBetween(int from, int to) const;
    void keepBreaks(int position);

    // The break before each block, as the blocks last stood: when an edit
    // joins two blocks, the edit control keeps the later block's own state.
    QList<int> m_breaks{-1};
};

} // namespace velto
