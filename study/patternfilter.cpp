#include "patternfilter.h"

#include "patterntablemodel.h"
#include "studyprogress.h"

#include "judge/messagecatalogue.h"

namespace {

// Full-width letters and digits match their plain forms: "BIG" finds "ＢＩＧ".
QString searchForm(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC);
}

} // namespace

namespace sorvex {

PatternFilter::PatternFilter(PatternTableModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_source(source)
{
    setSourceModel(source);
    setSortRole(PatternTableModel::SortRole);
    for (int code = 0; code < messageCodeCount; ++code)
        m_searchTexts[code] = searchForm(judgementText(MessageCode(code)));
}

template<typename T>
void PatternFilter::update(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    invalidateFilter();
}

void PatternFilter::setLeftIndex(int leftIndex)
{
    update(m_leftIndex, leftIndex);
}

void PatternFilter::setFamily(char letter)
{
    update(m_family, letter);
}

void PatternFilter::setCode(std::optional<MessageCode> code)
{
    update(m_code, code);
}

void PatternFilter::setText(const QString &text)
{
    m_text = text;
    update(m_searchText, searchForm(text));
}

void PatternFilter::setLampOnly(bool lampOnly)
{
    update(m_lampOnly, lampOnly);
}

void PatternFilter::setUnseenOnly(bool unseenOnly)
{
    update(m_unseenOnly, unseenOnly);
}

bool PatternFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    // Straight from the judged records rather than through data(): a filter
    // change looks at every one of the 9261 rows.
    const JudgedPattern &judged = m_source->pattern(sourceRow);
    if (m_leftIndex != 0 && judged.pattern.t1 != m_leftIndex)
        return false;
    if (m_family != 0 && codeLetter(judged.code) != m_family)
        return false;
    if (m_code && judged.code != *m_code)
        return false;
    if (m_lampOnly && !judged.isWin())
        return false;
    if (m_unseenOnly && m_source->progress().isSeen(sourceRow))
        return false;
    if (!m_searchText.isEmpty()
        && !m_searchTexts[static_cast<std::size_t>(judged.code)].contains(m_searchText, Qt::CaseInsensitive))
        return false;
    return true;
}

bool PatternFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int a = left.data(PatternTableModel::SortRole).toInt();
    const int b = right.data(PatternTableModel::SortRole).toInt();
    // Ties keep the pattern order, so a sorted list still reads t1, t2, t3.
    return a != b ? a < b : left.row() < right.row();
}

} // namespace sorvex
