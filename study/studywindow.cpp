#include "studywindow.h"

#include "csvwriter.h"
#include "historymodel.h"
#include "patternbrowser.h"
#include "patternfilter.h"
#include "patternindex.h"
#include "patterntablemodel.h"
#include "seencountsmodel.h"
#include "studyprogress.h"

#include "machine/reelmachine.h"
#include "platform/formfont.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace sorvex {

namespace {

StudyDialogs standardDialogs()
{
    return {
            [](QWidget *parent, const QString &caption, const QString &suggested) {
                return QFileDialog::getSaveFileName(parent, caption, suggested, QObject::tr("CSV ファイル (*.csv)"));
            },
            [](QWidget *parent, const QString &question) {
                return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), question,
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                        == QMessageBox::Yes;
            },
    };
}

QToolButton *toolButton(QWidget *parent, const char *name, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1StringView(name));
    button->setText(text);
    button->setAccessibleName(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

} // namespace

StudyWindow::StudyWindow(ReelMachine &machine, StudyProgress &progress, const SymbolPictures *pictures, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_machine(machine)
    , m_progress(progress)
    , m_dialogs(standardDialogs())
    , m_tabs(new QTabWidget(this))
    , m_historyModel(new HistoryModel(progress, this))
    , m_seenModel(new SeenCountsModel(progress, this))
{
    setObjectName(QStringLiteral("studyWindow"));
    setWindowTitle(tr("リーチ目の研究"));
    setFont(formFont(10.5, false));
    m_tabs->setObjectName(QStringLiteral("studyTabs"));

    m_browser = new PatternBrowser(progress, pictures, m_tabs);
    m_tabs->setAccessibleName(tr("リーチ目の研究"));
    m_tabs->addTab(m_browser, tr("出目の一覧(&1)"));
    m_tabs->addTab(buildHistoryPage(), tr("履歴(&2)"));
    m_tabs->addTab(buildSeenPage(), tr("確認状況(&3)"));
    // A screen reader names each page as its tab does.
    for (int page = 0; page < m_tabs->count(); ++page)
        m_tabs->widget(page)->setAccessibleName(
                m_tabs->tabText(page).remove(QRegularExpression(QStringLiteral("\\(&.\\)"))));

    m_browserJump = installJump(m_browser->view(), m_browser->jumpButton());
    m_browser->exportButton()->setText(tr("CSV に書き出す…"));
    connect(m_browser->exportButton(), &QToolButton::clicked, this, &StudyWindow::exportPatterns);

    // The main window's keys, which no control of it shows.
    auto *keys = new QLabel(tr("メイン画面のキー：　start ↑ / S　　stop ← ↓ → / Z X C　　"
                               "フォーカスのあるボタン Enter / Space　　研究 F2　　クイズ F3"),
                            this);
    keys->setObjectName(QStringLiteral("keys"));
    keys->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(keys);

    connect(&m_machine, &ReelMachine::timerEnabledChanged, this, &StudyWindow::updateJumps);
    updateJumps();
    resize(960, 640);
}

StudyWindow::~StudyWindow() = default;

QWidget *StudyWindow::buildHistoryPage()
{
    auto *page = new QWidget(m_tabs);
    m_historyView = newStudyTable(page, "historyView", tr("履歴"), m_historyModel);
    fitColumn(m_historyView, HistoryModel::Time, QStringLiteral("0000-00-00 00:00:00"));
    fitColumn(m_historyView, HistoryModel::Pattern, QStringLiteral("出目（左-中-右）"));
    fitColumn(m_historyView, HistoryModel::Code, QStringLiteral("コード"));
    fitColumn(m_historyView, HistoryModel::Text, widestJudgementText());
    m_historyView->horizontalHeader()->setStretchLastSection(true);

    auto *jumpButton = toolButton(page, "historyJump", tr("この出目へ移動"));
    auto *exportButton = toolButton(page, "historyExport", tr("CSV に書き出す…"));
    connect(exportButton, &QToolButton::clicked, this, &StudyWindow::exportHistory);
    m_historyJump = installJump(m_historyView, jumpButton);

    auto *note = new QLabel(tr("メイン画面に表示した判定のうち新しい %1 件").arg(StudyProgress::historyLimit), page);
    auto *footer = new QHBoxLayout;
    footer->addWidget(note, 1);
    footer->addWidget(jumpButton);
    footer->addWidget(exportButton);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_historyView, 1);
    layout->addLayout(footer);
    return page;
}

QWidget *StudyWindow::buildSeenPage()
{
    auto *page = new QWidget(m_tabs);
    m_seenView = newStudyTable(page, "seenCountsView", tr("確認状況"), m_seenModel);
    fitColumn(m_seenView, SeenCountsModel::Code, QStringLiteral("コード"));
    fitColumn(m_seenView, SeenCountsModel::Text, widestJudgementText());
    fitColumn(m_seenView, SeenCountsModel::TimesShown, QStringLiteral("表示回数"));
    m_seenView->horizontalHeader()->setStretchLastSection(true);

    m_seenTotal = new QLabel(page);
    m_seenTotal->setObjectName(QStringLiteral("seenTotal"));
    auto *reset = new QPushButton(tr("記録を消去…"), page);
    reset->setObjectName(QStringLiteral("resetProgress"));
    reset->setAccessibleName(tr("記録を消去"));
    reset->setAccessibleDescription(tr("履歴と確認状況をすべて消去します。先に確認します。"));
    connect(reset, &QPushButton::clicked, this, &StudyWindow::resetProgress);
    connect(&m_progress, &StudyProgress::changed, this, &StudyWindow::updateSeenTotal);
    connect(&m_progress, &StudyProgress::wasReset, this, &StudyWindow::updateSeenTotal);
    updateSeenTotal();

    auto *footer = new QHBoxLayout;
    footer->addWidget(m_seenTotal, 1);
    footer->addWidget(reset);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_seenView, 1);
    layout->addLayout(footer);
    return page;
}

QAction *StudyWindow::installJump(QTableView *view, QToolButton *button)
{
    auto *action = new QAction(tr("この出目へ移動"), view);
    action->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    action->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(action);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    connect(action, &QAction::triggered, this, [this, view] { jumpFrom(view); });
    connect(view, &QAbstractItemView::doubleClicked, action, [action] {
        if (action->isEnabled())
            action->trigger();
    });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, &StudyWindow::updateJumps);
    m_jumps.push_back({view, action});
    return action;
}

void StudyWindow::jumpFrom(QTableView *view)
{
    const QVariant index = view->currentIndex().data(PatternTableModel::PatternIndexRole);
    if (index.isValid())
        m_machine.moveTo(patternAt(index.toInt()));
}

void StudyWindow::updateJumps()
{
    const QString refusal = m_machine.moveRefusal();
    for (const Jump &jump : m_jumps) {
        const bool hasRow = jump.view->currentIndex().isValid();
        jump.action->setEnabled(refusal.isEmpty() && hasRow);
        if (!refusal.isEmpty())
            jump.action->setToolTip(refusal);
        else if (!hasRow)
            jump.action->setToolTip(tr("移動する出目を一覧から選んでください。"));
        else
            jump.action->setToolTip(tr("選んだ出目までリールを▲▼で動かして判定します（Enter またはダブルクリック）。"));
    }
}

void StudyWindow::updateSeenTotal()
{
    m_seenTotal->setText(tr("全 %1 中 %2 の出目を確認").arg(patternCount).arg(m_progress.patternsSeen()));
}

void StudyWindow::resetProgress()
{
    if (m_dialogs.confirm(this, tr("履歴と確認状況をすべて消去します。よろしいですか？")))
        m_progress.reset();
}

void StudyWindow::exportPatterns()
{
    QList<int> columns;
    for (int column = 0; column < PatternTableModel::ColumnCount; ++column) {
        if (column != PatternTableModel::Window)
            columns.append(column);
    }
    exportRows(modelRows(*m_browser->filter(), PatternTableModel::FullTextRole, columns),
               QStringLiteral("sorvex-patterns.csv"));
}

void StudyWindow::exportHistory()
{
    QList<int> columns;
    for (int column = 0; column < HistoryModel::ColumnCount; ++column)
        columns.append(column);
    exportRows(modelRows(*m_historyModel, PatternTableModel::FullTextRole, columns),
               QStringLiteral("sorvex-history.csv"));
}

void StudyWindow::exportRows(const QList<QStringList> &rows, const QString &suggestedName)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_dialogs.saveFileName(this, tr("CSV に書き出す"), QDir(folder).filePath(suggestedName));
    if (path.isEmpty())
        return;
    QString error;
    if (!writeCsvFile(path, rows, &error))
        showMessage(this, error);
}

} // namespace sorvex
