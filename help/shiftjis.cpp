#include "shiftjis.h"

#include <QStringDecoder>

namespace sorvex {

namespace {

// ICU's code page 932 converter follows IBM-943 for three control bytes and
// maps 0x1A to U+001C, 0x1C to U+007F and 0x7F to U+001A, where Windows keeps
// each as itself. It also marks invalid input with U+001A. Decoding the runs
// between those control bytes separately and placing the bytes back as
// themselves keeps Windows' mapping and leaves U+001A meaning "invalid".
constexpr bool isSwappedControlByte(char byte)
{
    return byte == '\x1A' || byte == '\x1C' || byte == '\x7F';
}

void appendRun(QString &out, QByteArrayView run)
{
    if (run.isEmpty())
        return;
    QStringDecoder decoder("windows-31j");
    QString text = decoder.decode(run);
    // A lead byte at the very end of the run waits inside the decoder for its
    // trail byte; a line feed is never a trail byte, so it flushes the lead
    // byte out as invalid and then comes out as itself.
    text += decoder.decode(QByteArrayView("\n", 1));
    text.chop(1);
    text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    out += text;
}

} // namespace

QString decodeShiftJis(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!isSwappedControlByte(bytes[i]))
            continue;
        appendRun(out, bytes.sliced(runStart, i - runStart));
        out += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i])));
        runStart = i + 1;
    }
    appendRun(out, bytes.sliced(runStart));
    return out;
}

} // namespace sorvex
