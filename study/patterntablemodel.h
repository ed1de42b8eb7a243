#pragma once

#include "machine/judgedpattern.h"

#include <QAbstractTableModel>

#include <vector>

namespace sorvex {

class StudyProgress;
class SymbolPictures;

// All 9261 stop patterns with their judgements, one row each in pattern
// index order. The rows never change; only the seen column follows the
// progress.
class PatternTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { LeftIndex, MiddleIndex, RightIndex, Window, Code, Text, WinMark, Seen, ColumnCount };
    enum Role {
        // A value that sorts the column as a player expects (W2 before W10).
        SortRole = Qt::UserRole,
        // The row's pattern index, whichever proxy the row is seen through.
        PatternIndexRole,
        // In the text column: the judgement text with its line breaks.
        FullTextRole,
    };

    // `pictures` may be null (no reel pictures: no symbols drawn).
    PatternTableModel(const StudyProgress &progress, const SymbolPictures *pictures, QObject *parent = nullptr);
    ~PatternTableModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const JudgedPattern &pattern(int row) const { return m_patterns[row]; }
    const StudyProgress &progress() const { return m_progress; }

private:
    std::vector<JudgedPattern> m_patterns;
    // The text on one line, by message code.
    std::vector<QString> m_oneLineTexts;
    const StudyProgress &m_progress;
    const SymbolPictures *m_pictures;
};

} // namespace sorvex
