#include "historymodel.h"

#include "patternindex.h"
#include "patterntablemodel.h"
#include "studyprogress.h"

#include "judge/messagecatalogue.h"

#include <QStringList>

namespace sorvex {

QString causeText(const HistoryEntry &entry)
{
    switch (entry.cause) {
    case JudgementCause::Spin: {
        static const QString reelNames[] = {QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右")};
        QStringList order;
        for (int reel : entry.stopOrder)
            order.append(reelNames[reel - 1]);
        return order.isEmpty() ? QStringLiteral("回転") : QStringLiteral("回転（%1）").arg(order.join(u'→'));
    }
    case JudgementCause::Step:
        return QStringLiteral("ステップ");
    case JudgementCause::AutoMode:
        return QStringLiteral("オートモード");
    case JudgementCause::Jump:
        return QStringLiteral("移動");
    }
    return {};
}

QString patternText(int t1, int t2, int t3)
{
    return QStringLiteral("%1-%2-%3").arg(t1).arg(t2).arg(t3);
}

HistoryModel::HistoryModel(const StudyProgress &progress, QObject *parent)
    : QAbstractTableModel(parent)
    , m_progress(progress)
{
    connect(&progress, &StudyProgress::historyRowAboutToBeDropped, this,
            [this](int row) { beginRemoveRows({}, row, row); });
    connect(&progress, &StudyProgress::historyRowDropped, this, &HistoryModel::endRemoveRows);
    connect(&progress, &StudyProgress::historyEntryAboutToBeAdded, this, [this] { beginInsertRows({}, 0, 0); });
    connect(&progress, &StudyProgress::historyEntryAdded, this, &HistoryModel::endInsertRows);
    connect(&progress, &StudyProgress::aboutToReset, this, &HistoryModel::beginResetModel);
    connect(&progress, &StudyProgress::wasReset, this, &HistoryModel::endResetModel);
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_progress.history().size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const HistoryEntry &entry = m_progress.history()[index.row()];
    const StopPattern &pattern = entry.pattern;
    const MessageCode code = patternCode(patternIndex(pattern));
    switch (role) {
    case PatternTableModel::PatternIndexRole:
        return patternIndex(pattern);
    case PatternTableModel::FullTextRole:
        if (index.column() == Text)
            return judgementText(code);
        break;
    case Qt::DisplayRole:
        switch (index.column()) {
        case Time:
            return entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case Pattern:
            return patternText(pattern.t1, pattern.t2, pattern.t3);
        case Code:
            return QString::fromLatin1(codeName(code));
        case Text:
            return oneLineText(judgementText(code));
        case Cause:
            return causeText(entry);
        }
        break;
    case Qt::ToolTipRole:
        if (index.column() == Text)
            return judgementText(code);
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == Code || index.column() == Pattern)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("時刻");
    case Pattern:
        return tr("出目（左-中-右）");
    case Code:
        return tr("コード");
    case Text:
        return tr("判定");
    case Cause:
        return tr("経緯");
    }
    return {};
}

} // namespace sorvex
