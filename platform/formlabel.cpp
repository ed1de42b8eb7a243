#include "formlabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace sorvex {

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
    for (const QString &paragraph : text().split(hardBreak)) {
        QString line;
        bool wrapped = false;
        for (const QChar ch : paragraph) {
            if (wrapped && line.isEmpty() && ch == u' ')
                continue;
            if (!line.isEmpty() && metrics.horizontalAdvance(line + ch) > width) {
                lines.append(line);
                line.clear();
                wrapped = true;
                if (ch == u' ')
                    continue;
            }
            line.append(ch);
        }
        lines.append(line);
    }
    return lines;
}

void FormLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
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
