#pragma once

#include <QAbstractTableModel>

namespace sorvex {

class StudyProgress;
struct HistoryEntry;

// The progress's history, newest first, as a table that follows every
// judgement as it is recorded.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Pattern, Code, Text, Cause, ColumnCount };

    explicit HistoryModel(const StudyProgress &progress, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const StudyProgress &m_progress;
};

// How a judgement came, for the user: "回転（左→中→右）", "ステップ", ...
QString causeText(const HistoryEntry &entry);
// "1-2-12"
QString patternText(int t1, int t2, int t3);

} // namespace sorvex
