#include "quiztallymodel.h"

namespace sorvex {

QuizTallyModel::QuizTallyModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void QuizTallyModel::setTallies(const std::map<MessageCode, QuizTally> &tallies)
{
    beginResetModel();
    m_rows.assign(tallies.begin(), tallies.end());
    endResetModel();
}

int QuizTallyModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int QuizTallyModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant QuizTallyModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const auto &[code, tally] = m_rows[std::size_t(index.row())];
    if (role == Qt::TextAlignmentRole)
        return index.column() == Code ? QVariant() : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Code:
        return QString::fromLatin1(codeName(code));
    case Asked:
        return tally.asked;
    case Right:
        return tally.right;
    case Rate:
        return tally.asked ? QStringLiteral("%1%").arg(100 * tally.right / tally.asked) : QString();
    }
    return {};
}

QVariant QuizTallyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Code:
        return QStringLiteral("コード");
    case Asked:
        return QStringLiteral("出題");
    case Right:
        return QStringLiteral("正解");
    case Rate:
        return QStringLiteral("正解率");
    }
    return {};
}

} // namespace sorvex
