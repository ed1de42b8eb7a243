#include "csvwriter.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace sorvex {

namespace {

QString field(QString text)
{
    text.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    text.replace(QLatin1StringView("\""), QLatin1StringView("\"\""));
    return u'"' + text + u'"';
}

} // namespace

QByteArray csvBytes(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &cell : row)
            fields.append(field(cell));
        text += fields.join(u',') + QLatin1StringView("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool writeCsvFile(const QString &path, const QList<QStringList> &rows, QString *error)
{
    const auto fail = [&](const QString &reason) {
        *error = QCoreApplication::translate("sorvex::Csv", "%1 に書き出せませんでした。\n%2")
                         .arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = csvBytes(rows);
    if (file.write(bytes) != bytes.size()) {
        // The temporary file goes with `file`; the target is never touched.
        return fail(file.errorString());
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

QList<QStringList> modelRows(const QAbstractItemModel &model, int textRole, const QList<int> &columns)
{
    QList<QStringList> rows;
    QStringList header;
    for (int column : columns)
        header.append(model.headerData(column, Qt::Horizontal).toString());
    rows.append(header);
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column : columns) {
            const QModelIndex index = model.index(row, column);
            const QVariant full = index.data(textRole);
            cells.append(full.isValid() ? full.toString() : index.data().toString());
        }
        rows.append(cells);
    }
    return rows;
}

} // namespace sorvex
