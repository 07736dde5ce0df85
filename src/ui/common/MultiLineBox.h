#pragma once

#include <QPlainTextEdit>

#include <limits>

namespace velto {

// A multi-line text box whose text reads back exactly as it went in. Qt's
// turns every line break (CR, LF, CR LF, U+2029) into a block break, and its
// plain text no-break spaces into spaces and U+2028 into LF. Here each break
// reads back as it came: as CR LF when made with Enter.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    // A paste or drop that would leave more characters is refused whole;
    // setText is not.
    void setMaxLength(int length) { m_maxLength = length; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QString textBetween(int from, int to) const;
    void keepBreaks(int position);

    // The break before each block, as the blocks last stood: an edit that
    // joins two blocks keeps the later block's state.
    QList<int> m_breaks{-1};
    int m_maxLength = std::numeric_limits<int>::max();
};

} // namespace velto
