#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace sorvex::testing {

// A temporary working folder holding stand-in pictures of the program's
// sizes: strips of 100 x 1660 px in one flat colour and a 100 x 65 px lamp.
// It is the process's current folder while the object lives.
class PictureFolder
{
public:
    static inline const QColor stripColour {1, 254, 2};
    static inline const QColor lampColour {3, 2, 253};
    static QStringList pictureNames();

    // Writes every picture except the one named in `omit`.
    explicit PictureFolder(const QString &omit = QString());
    ~PictureFolder();

    PictureFolder(const PictureFolder &) = delete;
    PictureFolder &operator=(const PictureFolder &) = delete;

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

} // namespace sorvex::testing
