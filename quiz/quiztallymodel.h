#pragma once

#include "quizsession.h"

#include <QAbstractTableModel>

#include <map>

namespace sorvex {

// The quiz results per message code, one row a code that has been asked:
// the code, how often asked, how often answered right, the share right.
class QuizTallyModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Code, Asked, Right, Rate, ColumnCount };

    explicit QuizTallyModel(QObject *parent = nullptr);

    void setTallies(const std::map<MessageCode, QuizTally> &tallies);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<std::pair<MessageCode, QuizTally>> m_rows;
};

} // namespace sorvex
