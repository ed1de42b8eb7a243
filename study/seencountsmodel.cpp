#include "seencountsmodel.h"

#include "patterntablemodel.h"
#include "studyprogress.h"

#include "judge/messagecatalogue.h"

namespace sorvex {

SeenCountsModel::SeenCountsModel(const StudyProgress &progress, QObject *parent)
    : QAbstractTableModel(parent)
    , m_progress(progress)
{
    connect(&progress, &StudyProgress::patternShown, this, [this](int patternIndex) {
        const int row = static_cast<int>(patternCode(patternIndex));
        emit dataChanged(index(row, TimesShown), index(row, CellsSeen));
    });
    connect(&progress, &StudyProgress::aboutToReset, this, &SeenCountsModel::beginResetModel);
    connect(&progress, &StudyProgress::wasReset, this, &SeenCountsModel::endResetModel);
}

int SeenCountsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : messageCodeCount;
}

int SeenCountsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SeenCountsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= messageCodeCount)
        return {};
    const MessageCode code = static_cast<MessageCode>(index.row());
    const QString name = QString::fromLatin1(codeName(code));
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case Code:
            return name;
        case Text:
            return oneLineText(judgementText(code));
        case TimesShown:
            return m_progress.timesShown(code);
        case CellsSeen:
            return tr("%1: %2 中 %3 を確認").arg(name).arg(catalogueCellCount(code)).arg(m_progress.cellsSeen(code));
        }
    }
    if (role == Qt::ToolTipRole && index.column() == Text)
        return judgementText(code);
    if (role == Qt::TextAlignmentRole) {
        if (index.column() == TimesShown)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == Code)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant SeenCountsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Code:
        return tr("コード");
    case Text:
        return tr("判定");
    case TimesShown:
        return tr("表示回数");
    case CellsSeen:
        return tr("確認した出目");
    }
    return {};
}

} // namespace sorvex
