#pragma once

#include <QAbstractTableModel>

namespace sorvex {

class StudyProgress;

// One row per message code: how often it was shown and how many of its
// cells have been seen.
class SeenCountsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Code, Text, TimesShown, CellsSeen, ColumnCount };

    explicit SeenCountsModel(const StudyProgress &progress, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const StudyProgress &m_progress;
};

} // namespace sorvex
