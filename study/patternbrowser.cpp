#include "patternbrowser.h"

#include "patternfilter.h"
#include "patternindex.h"
#include "patterntablemodel.h"
#include "symbolpictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace sorvex {

namespace {

template<typename Widget>
Widget *named(Widget *widget, const char *name, const QString &accessibleName)
{
    widget->setObjectName(QLatin1StringView(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

QTableView *newStudyTable(QWidget *parent, const char *name, const QString &accessibleName, QAbstractItemModel *model,
                          int rowHeight)
{
    auto *view = named(new QTableView(parent), name, accessibleName);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(rowHeight > 0 ? rowHeight : view->fontMetrics().height() + 8);
    view->horizontalHeader()->setHighlightSections(false);
    return view;
}

void fitColumn(QTableView *view, int column, const QString &widest)
{
    view->setColumnWidth(column, view->fontMetrics().horizontalAdvance(widest) + 20);
}

QString widestJudgementText()
{
    return QStringLiteral("リーチ目だけど，　止まらない？？　チェリー付７のハサミ目");
}

PatternBrowser::PatternBrowser(const StudyProgress &progress, const SymbolPictures *pictures, QWidget *parent)
    : QWidget(parent)
    , m_model(new PatternTableModel(progress, pictures, this))
    , m_filter(new PatternFilter(m_model, this))
    , m_countLabel(named(new QLabel(this), "matchCount", tr("該当件数")))
    , m_jumpButton(named(new QToolButton(this), "patternJump", tr("この出目へ移動")))
    , m_exportButton(named(new QToolButton(this), "patternExport", tr("CSV に書き出す")))
{
    const bool withPictures = pictures && !pictures->isEmpty();
    const QSize cell = SymbolPictures::cellSize;
    m_view = newStudyTable(this, "patternView", tr("出目の一覧"), m_filter, withPictures ? 3 * cell.height() + 8 : 0);
    m_view->setIconSize(QSize(3 * cell.width() + 2, 3 * cell.height() + 2));
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder);
    m_view->setColumnHidden(PatternTableModel::Window, !withPictures);
    for (int column : {PatternTableModel::LeftIndex, PatternTableModel::MiddleIndex, PatternTableModel::RightIndex})
        fitColumn(m_view, column, QStringLiteral("00"));
    m_view->setColumnWidth(PatternTableModel::Window, 3 * cell.width() + 20);
    fitColumn(m_view, PatternTableModel::Code, QStringLiteral("コード"));
    fitColumn(m_view, PatternTableModel::Text, widestJudgementText());
    fitColumn(m_view, PatternTableModel::WinMark, QStringLiteral("WIN"));
    fitColumn(m_view, PatternTableModel::Seen, QStringLiteral("確認"));
    // The text takes what room the window gives beyond its widest line.
    m_view->horizontalHeader()->setSectionResizeMode(PatternTableModel::Text, QHeaderView::Stretch);

    m_countLabel->setTextFormat(Qt::PlainText);
    auto *footer = new QHBoxLayout;
    footer->addWidget(m_countLabel, 1);
    footer->addWidget(m_jumpButton);
    footer->addWidget(m_exportButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFilterRow());
    layout->addWidget(m_view, 1);
    layout->addLayout(footer);

    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &PatternBrowser::updateCount);
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, &PatternBrowser::updateCount);
    connect(m_filter, &QAbstractItemModel::modelReset, this, &PatternBrowser::updateCount);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &PatternBrowser::updateCount);
    updateCount();
}

QWidget *PatternBrowser::buildFilterRow()
{
    auto *row = new QWidget(this);
    row->setAccessibleName(tr("絞り込み"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addLabelled = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, row);
        label->setBuddy(field);
        layout->addWidget(label);
        layout->addWidget(field);
    };

    m_leftIndexBox = named(new QComboBox(row), "leftIndexFilter", tr("左リールの番号"));
    m_leftIndexBox->addItem(tr("すべて"), 0);
    for (int t = 1; t <= stopCount; ++t)
        m_leftIndexBox->addItem(QString::number(t), t);
    addLabelled(tr("左(&L)"), m_leftIndexBox);

    m_familyBox = named(new QComboBox(row), "familyFilter", tr("判定の種類"));
    m_familyBox->addItem(tr("すべて"), 0);
    m_familyBox->addItem(tr("W ボーナス確定"), int('W'));
    m_familyBox->addItem(tr("P 小役・はずれ"), int('P'));
    m_familyBox->addItem(tr("U 止まらないリーチ目"), int('U'));
    m_familyBox->addItem(tr("N その他"), int('N'));
    addLabelled(tr("種類(&F)"), m_familyBox);

    m_codeBox = named(new QComboBox(row), "codeFilter", tr("判定のコード"));
    m_codeBox->addItem(tr("すべて"), -1);
    for (int code = 0; code < messageCodeCount; ++code)
        m_codeBox->addItem(QString::fromLatin1(codeName(MessageCode(code))), code);
    addLabelled(tr("コード(&C)"), m_codeBox);

    m_textBox = named(new QLineEdit(row), "textFilter", tr("判定の文字"));
    m_textBox->setPlaceholderText(tr("判定の文字で絞り込み"));
    m_textBox->setClearButtonEnabled(true);
    addLabelled(tr("文字(&T)"), m_textBox);

    m_lampOnlyBox = named(new QCheckBox(tr("ランプ点灯のみ(&W)"), row), "lampOnlyFilter", tr("ランプ点灯のみ"));
    m_unseenOnlyBox = named(new QCheckBox(tr("未確認のみ(&U)"), row), "unseenOnlyFilter", tr("未確認のみ"));
    layout->addWidget(m_lampOnlyBox);
    layout->addWidget(m_unseenOnlyBox);
    layout->addStretch();

    connect(m_leftIndexBox, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setLeftIndex(m_leftIndexBox->currentData().toInt()); });
    connect(m_familyBox, &QComboBox::currentIndexChanged, this,
            [this] { m_filter->setFamily(char(m_familyBox->currentData().toInt())); });
    connect(m_codeBox, &QComboBox::currentIndexChanged, this, [this] {
        const int code = m_codeBox->currentData().toInt();
        m_filter->setCode(code < 0 ? std::nullopt : std::optional(MessageCode(code)));
    });
    connect(m_textBox, &QLineEdit::textChanged, m_filter, &PatternFilter::setText);
    connect(m_lampOnlyBox, &QCheckBox::toggled, m_filter, &PatternFilter::setLampOnly);
    connect(m_unseenOnlyBox, &QCheckBox::toggled, m_filter, &PatternFilter::setUnseenOnly);
    return row;
}

void PatternBrowser::updateCount()
{
    m_countLabel->setText(tr("%1 件（全 %2 件）").arg(m_filter->rowCount()).arg(patternCount));
}

} // namespace sorvex
