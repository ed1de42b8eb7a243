#include "formlabel.h"

#include <QFontInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace sorvex {

namespace {

// A blank's advance: one pixel more than the substitute face gives it, the
// width the windows' runs of blanks were counted with.
int blankAdvance(const QFontMetrics &metrics)
{
    return metrics.horizontalAdvance(u' ') + 1;
}

int textAdvance(const QFontMetrics &metrics, QStringView text)
{
    const int widening = blankAdvance(metrics) - metrics.horizontalAdvance(u' ');
    return metrics.horizontalAdvance(text.toString()) + int(text.count(u' ')) * widening;
}

QStringView withoutTrailingBlanks(QStringView line)
{
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

// Wraps one paragraph (text without line ends) into `lines`.
void wrapParagraph(const QString &paragraph, const QFontMetrics &metrics, int width, QStringList &lines)
{
    const qsizetype size = paragraph.size();
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
    const auto mayStartLine = [&](qsizetype at) {
        breaks.setPosition(at);
        return paragraph.at(at) != u' ' && breaks.isAtBoundary();
    };
    const auto fits = [&](qsizetype from, qsizetype to) {
        return textAdvance(metrics, QStringView(paragraph).mid(from, to - from)) <= width;
    };
    // The first character after `start` that no longer fits on a line
    // beginning there, or `size` when the rest fits; a line holds at least
    // one character. Measuring is what costs, and a longer run never fits
    // where a shorter one does not, so halving finds it in a few measures.
    const auto firstOverflow = [&](qsizetype start) {
        if (fits(start, size))
            return size;
        qsizetype fitting = start + 1; // end of the longest run known to fit
        qsizetype overflowing = size; // end of the shortest run known not to
        while (overflowing - fitting > 1) {
            const qsizetype middle = fitting + (overflowing - fitting) / 2;
            (fits(start, middle) ? fitting : overflowing) = middle;
        }
        return fitting;
    };

    qsizetype start = 0;
    bool wrapped = false;
    for (;;) {
        // A line that wrapped sheds the blanks at its break.
        while (wrapped && start < size && paragraph.at(start) == u' ')
            ++start;
        if (start >= size) {
            if (!wrapped)
                lines.append(QString());
            return;
        }
        const qsizetype overflow = firstOverflow(start);
        if (overflow == size) {
            lines.append(paragraph.mid(start));
            return;
        }
        // Break at the last place a line may begin, if what follows it up
        // to the overflowing character fits on the next line; else at the
        // overflowing character itself.
        qsizetype breakAt = -1;
        for (qsizetype at = overflow; at > start && breakAt < 0; --at) {
            if (mayStartLine(at))
                breakAt = at;
        }
        qsizetype end = overflow;
        if (paragraph.at(overflow) != u' ' && breakAt > start && fits(breakAt, overflow + 1))
            end = breakAt;
        lines.append(paragraph.mid(start, end - start));
        start = paragraph.at(overflow) == u' ' ? overflow + 1 : end;
        wrapped = true;
    }
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

int FormLabel::linePitch(const QFontMetrics &metrics, const QStringList &lines, int ascent) const
{
    // Lines follow each other at the em, unless their ink would then run
    // past the label's bottom: the substitute's glyphs reach lower than the
    // design face's, and a label sized for the design face's lines then
    // draws them closer together.
    const int em = QFontInfo(font()).pixelSize();
    if (lines.size() < 2 || lines.last().trimmed().isEmpty())
        return em;
    const int gaps = int(lines.size()) - 1;
    const int inkBottom = ascent + gaps * em + metrics.tightBoundingRect(lines.last()).bottom();
    const int overflow = inkBottom - (contentsRect().height() - 1);
    return overflow <= 0 ? em : em - (overflow + gaps - 1) / gaps;
}

int FormLabel::topToBaseline(const QFontMetrics &metrics, const QStringList &lines) const
{
    // A synthesised bold reaches a pixel above the face's ascent.
    int ascent = metrics.ascent();
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            ascent = std::max(ascent, -metrics.tightBoundingRect(line).top());
    }
    return ascent;
}

int FormLabel::lineLeft(const QFontMetrics &metrics, const QString &line, const QRect &area) const
{
    const int width = textAdvance(metrics, withoutTrailingBlanks(line));
    if (alignment() & Qt::AlignHCenter)
        return area.left() + (area.width() - width) / 2;
    if (alignment() & Qt::AlignRight)
        return area.right() + 1 - width;
    return area.left();
}

QRect FormLabel::textRect() const
{
    const QRect area = contentsRect();
    const QFontMetrics metrics(font());
    QRect ink;
    const QStringList lines = wrappedLines(area.width());
    const int ascent = topToBaseline(metrics, lines);
    const int pitch = linePitch(metrics, lines, ascent);
    int baseline = area.top() + ascent;
    for (const QString &line : lines) {
        const QString shown = withoutTrailingBlanks(line).toString();
        if (!shown.trimmed().isEmpty()) {
            const QRect glyphs = metrics.tightBoundingRect(shown);
            ink |= glyphs.translated(lineLeft(metrics, line, area), baseline);
        }
        baseline += pitch;
    }
    return ink;
}

void FormLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    painter.setClipRect(area);
    const QFontMetrics metrics(font());
    const QStringList lines = wrappedLines(area.width());
    const int ascent = topToBaseline(metrics, lines);
    const int pitch = linePitch(metrics, lines, ascent);
    int baseline = area.top() + ascent;
    for (const QString &line : lines) {
        // Run by run, so that every blank takes the advance it was measured with.
        int x = lineLeft(metrics, line, area);
        qsizetype runStart = 0;
        while (runStart < line.size()) {
            const bool blanks = line.at(runStart) == u' ';
            qsizetype runEnd = runStart;
            while (runEnd < line.size() && (line.at(runEnd) == u' ') == blanks)
                ++runEnd;
            const QString run = line.mid(runStart, runEnd - runStart);
            if (blanks) {
                x += int(run.size()) * blankAdvance(metrics);
            } else {
                painter.drawText(QPoint(x, baseline), run);
                x += metrics.horizontalAdvance(run);
            }
            runStart = runEnd;
        }
        baseline += pitch;
        if (baseline - ascent >= area.bottom())
            break;
    }
}

} // namespace sorvex
