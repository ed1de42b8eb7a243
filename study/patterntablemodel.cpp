#include "patterntablemodel.h"

#include "patternindex.h"
#include "studyprogress.h"
#include "symbolpictures.h"

#include "judge/messagecatalogue.h"

#include <QPixmap>

namespace sorvex {

PatternTableModel::PatternTableModel(const StudyProgress &progress, const SymbolPictures *pictures, QObject *parent)
    : QAbstractTableModel(parent)
    , m_progress(progress)
    , m_pictures(pictures)
{
    m_patterns.reserve(patternCount);
    for (int index = 0; index < patternCount; ++index)
        m_patterns.push_back(judgePattern(patternAt(index)));
    for (int code = 0; code < messageCodeCount; ++code)
        m_oneLineTexts.push_back(oneLineText(judgementText(MessageCode(code))));

    const auto seenColumnChanged = [this](int row) { emit dataChanged(index(row, Seen), index(row, Seen)); };
    connect(&progress, &StudyProgress::patternShown, this, seenColumnChanged);
    connect(&progress, &StudyProgress::wasReset, this,
            [this] { emit dataChanged(index(0, Seen), index(patternCount - 1, Seen)); });
}

PatternTableModel::~PatternTableModel() = default;

int PatternTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : patternCount;
}

int PatternTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PatternTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= patternCount)
        return {};
    const int row = index.row();
    const JudgedPattern &judged = m_patterns[row];
    const int times = m_progress.timesShown(row);

    switch (role) {
    case PatternIndexRole:
        return row;
    case FullTextRole:
        if (index.column() == Text)
            return judged.text();
        break;
    case Qt::DisplayRole:
        switch (index.column()) {
        case LeftIndex:
            return judged.pattern.t1;
        case MiddleIndex:
            return judged.pattern.t2;
        case RightIndex:
            return judged.pattern.t3;
        case Code:
            return QString::fromLatin1(codeName(judged.code));
        case Text:
            return m_oneLineTexts[static_cast<std::size_t>(judged.code)];
        case WinMark:
            return judged.winMark();
        case Seen:
            return times > 0 ? tr("済") : QString();
        }
        break;
    case SortRole:
        switch (index.column()) {
        case LeftIndex:
        case MiddleIndex:
        case RightIndex:
        case Window:
            return row;
        case Code:
        case Text:
        case WinMark:
            return static_cast<int>(judged.code);
        case Seen:
            return times;
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == Window && m_pictures)
            return m_pictures->windowPicture(judged.pattern);
        break;
    case Qt::ToolTipRole:
        if (index.column() == Text)
            return judged.text();
        if (index.column() == Seen)
            return times > 0 ? tr("%1 回表示").arg(times) : tr("まだ表示していません");
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == Text)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignCenter);
    }
    return {};
}

QVariant PatternTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        switch (section) {
        case LeftIndex:
            return tr("左");
        case MiddleIndex:
            return tr("中");
        case RightIndex:
            return tr("右");
        case Window:
            return tr("出目");
        case Code:
            return tr("コード");
        case Text:
            return tr("判定");
        case WinMark:
            return tr("WIN");
        case Seen:
            return tr("確認");
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case LeftIndex:
        case MiddleIndex:
        case RightIndex:
            return tr("リールの上段の番号（1～21）");
        case Window:
            return tr("リールの窓に見える 3×3 の図柄");
        case WinMark:
            return tr("ボーナス確定でランプが点く出目");
        case Seen:
            return tr("メイン画面で表示したことのある出目");
        }
    }
    return {};
}

} // namespace sorvex
