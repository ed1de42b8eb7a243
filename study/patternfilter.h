#pragma once

#include "judge/messagecode.h"

#include <QSortFilterProxyModel>

#include <array>
#include <optional>

namespace sorvex {

class PatternTableModel;

// The browser's filters over a PatternTableModel; all of them must hold for
// a row to show. Each setter re-filters only when its value changes.
class PatternFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit PatternFilter(PatternTableModel *source, QObject *parent = nullptr);

    // 1..21, or 0 for every left index.
    void setLeftIndex(int leftIndex);
    // 'W', 'P', 'U', 'N', or 0 for every family.
    void setFamily(char letter);
    void setCode(std::optional<MessageCode> code);
    // Part of the judgement text; empty matches all.
    void setText(const QString &text);
    void setLampOnly(bool lampOnly);
    void setUnseenOnly(bool unseenOnly);

    int leftIndex() const { return m_leftIndex; }
    char family() const { return m_family; }
    std::optional<MessageCode> code() const { return m_code; }
    QString text() const { return m_text; }
    bool lampOnly() const { return m_lampOnly; }
    bool unseenOnly() const { return m_unseenOnly; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    template<typename T>
    void update(T &field, const T &value);

    PatternTableModel *m_source;
    int m_leftIndex = 0;
    char m_family = 0;
    std::optional<MessageCode> m_code;
    QString m_text;
    QString m_searchText;
    std::array<QString, messageCodeCount> m_searchTexts;
    bool m_lampOnly = false;
    bool m_unseenOnly = false;
};

} // namespace sorvex
