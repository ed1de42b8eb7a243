#pragma once

#include <QByteArrayView>
#include <QString>

namespace sorvex {

// The user's manual, a Shift-JIS text file looked up in the data folders
// (the working folder first, see dataFolders()). Reading it needs no window,
// so its rules can be checked alone.
class ManualFile
{
public:
    enum class Status {
        Loaded,
        Missing,
        Unreadable,
    };

    // The manual is a few dozen kilobytes. A file this large is not the
    // manual, and showing it would stall the viewer for seconds and hold many
    // times its size in memory, so it is refused as a whole.
    static constexpr qint64 maximumBytes = 1024 * 1024;

    static QString fileName();

    // Reads the file at path: each line (ended by CR or CR LF; a lone LF
    // stays inside its line) followed by CR LF. Anything but a successful
    // read leaves the text empty.
    static ManualFile read(const QString &path);
    // Reads the first sorvex.txt found in the data folders; when there is
    // none, the message names every folder looked in.
    static ManualFile load();

    // The text buffer the viewer shows for the given file contents.
    static QString textFromBytes(QByteArrayView bytes);

    Status status() const { return m_status; }
    QString text() const { return m_text; }
    // Why an unreadable file could not be read, for the user.
    QString reason() const { return m_reason; }
    // The message to show, or an empty text when there is nothing to report.
    QString message() const;

private:
    ManualFile(Status status, QString text, QString reason);

    Status m_status;
    QString m_text;
    QString m_reason;
    // For a manual missing from every data folder: the folder lines.
    QString m_foldersLookedIn;
};

} // namespace sorvex
