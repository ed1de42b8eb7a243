#pragma once

#include <QLabel>

class QFontMetrics;

namespace sorvex {

// A label that wraps long text the way the forms toolkit does for Japanese
// text: blanks take up their width instead of hanging past the edge, so a
// run of blanks pushes the text after it onto the next line, and blanks at
// the start of a wrapped line are dropped. A line breaks between any two
// characters except where Japanese line-breaking rules forbid it (before
// small kana, the long vowel mark, closing brackets and punctuation; after
// opening brackets); a run without any such place that is wider than the
// label breaks before any character. CR LF (or LF) starts a new line.
//
// The windows were laid out for the design face's metrics, which the
// substitute face does not share in two places that decide where text
// goes: a blank advances one pixel more than the substitute's own, and
// lines follow each other at the em (the pixel size) rather than at the
// substitute's taller line spacing, or closer where the label is too low
// for the substitute's taller glyphs.
class FormLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FormLabel(const QString &text, QWidget *parent = nullptr);

    // The text as it is drawn, one entry per line, at the given width in pixels.
    QStringList wrappedLines(int width) const;

    // Where the drawn text's ink stands inside the label.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int linePitch(const QFontMetrics &metrics, const QStringList &lines, int ascent) const;
    int topToBaseline(const QFontMetrics &metrics, const QStringList &lines) const;
    int lineLeft(const QFontMetrics &metrics, const QString &line, const QRect &area) const;
};

} // namespace sorvex
