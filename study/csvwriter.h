#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

namespace sorvex {

// A table as CSV for spreadsheet programs: UTF-8 with a byte-order mark (so
// that they read the Japanese), rows ended by CR LF, and a line break inside
// a field written as LF within quotes.
QByteArray csvBytes(const QList<QStringList> &rows);

// Writes the file atomically: on failure the target is left as it was, no
// partial file remains, and `error` is a sentence for the user.
bool writeCsvFile(const QString &path, const QList<QStringList> &rows, QString *error);

// The header and every row of a model in the given columns; a cell's text
// comes from `textRole` where the model gives it, else from its display.
QList<QStringList> modelRows(const QAbstractItemModel &model, int textRole, const QList<int> &columns);

} // namespace sorvex
