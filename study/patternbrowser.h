#pragma once

#include <QWidget>

class QAbstractItemModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;

namespace sorvex {

class PatternFilter;
class PatternTableModel;
class StudyProgress;
class SymbolPictures;

// Every pattern in a sortable table under a row of filters, with a line
// that says how many rows match.
class PatternBrowser : public QWidget
{
    Q_OBJECT

public:
    PatternBrowser(const StudyProgress &progress, const SymbolPictures *pictures, QWidget *parent = nullptr);

    QTableView *view() const { return m_view; }
    PatternFilter *filter() const { return m_filter; }
    PatternTableModel *model() const { return m_model; }
    // Placed beside the count line by the window.
    QToolButton *jumpButton() const { return m_jumpButton; }
    QToolButton *exportButton() const { return m_exportButton; }

private:
    QWidget *buildFilterRow();
    void updateCount();

    PatternTableModel *m_model;
    PatternFilter *m_filter;
    QTableView *m_view = nullptr;
    QComboBox *m_leftIndexBox = nullptr;
    QComboBox *m_familyBox = nullptr;
    QComboBox *m_codeBox = nullptr;
    QLineEdit *m_textBox = nullptr;
    QCheckBox *m_lampOnlyBox = nullptr;
    QCheckBox *m_unseenOnlyBox = nullptr;
    QLabel *m_countLabel;
    QToolButton *m_jumpButton;
    QToolButton *m_exportButton;
};

// A table as the study window's tables look: whole rows selected, no
// editing, fixed row heights for speed (0: one line of text).
QTableView *newStudyTable(QWidget *parent, const char *name, const QString &accessibleName, QAbstractItemModel *model,
                          int rowHeight = 0);
// Makes a column wide enough for `widest`.
void fitColumn(QTableView *view, int column, const QString &widest);
// The longest judgement text on one line.
QString widestJudgementText();

} // namespace sorvex
