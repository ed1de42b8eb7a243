#include "formlabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace sorvex {

namespace {

// Wraps one paragraph (text without line ends) into `lines`.
void wrapParagraph(const QString &paragraph, const QFontMetrics &metrics, int width, QStringList &lines)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    const auto mayStartLine = [&](qsizetype at) {
        breaks.setPosition(at);
        return paragraph.at(at) != u' ' && breaks.isAtBoundary();
    };
    const auto fits = [&](qsizetype from, qsizetype to) {
        return metrics.horizontalAdvance(paragraph.mid(from, to - from)) <= width;
    };
    qsizetype start = 0;
    // The last place after `start` where a new line may begin; -1 if none.
    qsizetype breakAt = -1;
    bool wrapped = false;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        if (wrapped && i == start && paragraph.at(i) == u' ') {
            ++start;
            continue;
        }
        if (i > start && mayStartLine(i))
            breakAt = i;
        if (i == start || fits(start, i + 1))
            continue;
        // The character at i does not fit on the line.
        qsizetype end = i;
        if (paragraph.at(i) != u' ' && breakAt > start && fits(breakAt, i + 1))
            end = breakAt;
        lines.append(paragraph.mid(start, end - start));
        start = paragraph.at(i) == u' ' ? i + 1 : end;
        wrapped = true;
        breakAt = -1;
        for (qsizetype j = start + 1; j <= i; ++j) {
            if (mayStartLine(j))
                breakAt = j;
        }
    }
    // Blanks that overflowed the last line leave no empty line behind.
    if (!wrapped || start < paragraph.size())
        lines.append(paragraph.mid(start));
}

} // namespace

FormLabel::FormLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

QStringList FormLabel::wrappedLines(int width) const
{
    const QFontMetrics metrics(font());
    static const QRegularExpression hardBreak(QStringLiteral("\r\n|\n"));
    QStringList lines;
    for (const QString &paragraph : text().split(hardBreak))
        wrapParagraph(paragraph, metrics, width, lines);
    return lines;
}

void FormLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    int y = area.top();
    for (const QString &line : wrappedLines(area.width())) {
        painter.drawText(QRect(area.left(), y, area.width(), metrics.height()), int(alignment()), line);
        y += metrics.lineSpacing();
        if (y >= area.bottom())
            break;
    }
}

} // namespace sorvex
