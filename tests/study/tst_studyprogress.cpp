#include "study/patternindex.h"
#include "study/progressfile.h"
#include "study/progresskeeper.h"
#include "study/studyprogress.h"

#include "judge/messagecatalogue.h"
#include "judge/subtables.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace sorvex;

namespace {

HistoryEntry entry(StopPattern pattern, JudgementCause cause, QList<int> stopOrder = {})
{
    static QDateTime time = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123), Qt::UTC);
    time = time.addMSecs(1500);
    return {time, pattern, cause, stopOrder};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A progress with every pattern seen and a full history, as after long study.
void fill(StudyProgress &progress)
{
    for (int index = 0; index < patternCount; ++index)
        progress.record(entry(patternAt(index), JudgementCause::Jump));
    progress.record(entry({1, 2, 3}, JudgementCause::Spin, {3, 1, 2}));
    progress.record(entry({4, 5, 6}, JudgementCause::AutoMode));
    progress.record(entry({7, 8, 9}, JudgementCause::Step));
    progress.recordQuizAnswer(MessageCode::W9, true);
    progress.recordQuizAnswer(MessageCode::W9, false);
    progress.recordQuizAnswer(MessageCode::N1, true);
}

} // namespace

class TestStudyProgress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void recordKeepsTheNewest200AndCountsPerCode();
    void resetForgetsEverything();
    void roundTripThroughTheFile();
    void unusableFileIsSetAsideAndReported_data();
    void unusableFileIsSetAsideAndReported();
    void failedWriteLeavesNoFileAndSaysWhy();
    void keeperSavesOnceASecondAndAtTheEnd();
    void keeperReportsOnlyTheFirstFailure();
    void progressLivesInTheApplicationDataFolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStudyProgress::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestStudyProgress::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestStudyProgress::recordKeepsTheNewest200AndCountsPerCode()
{
    StudyProgress progress;
    QSignalSpy changed(&progress, &StudyProgress::changed);
    // (1, 1, 1) is W9, (1, 4, 3) W1.
    progress.record(entry({1, 1, 1}, JudgementCause::Spin, {1, 2, 3}));
    progress.record(entry({1, 1, 1}, JudgementCause::AutoMode));
    progress.record(entry({1, 4, 3}, JudgementCause::Step));
    QCOMPARE(changed.size(), 3);
    QCOMPARE(progress.timesShown(MessageCode::W9), 2);
    QCOMPARE(progress.cellsSeen(MessageCode::W9), 1);
    QCOMPARE(progress.timesShown(MessageCode::W1), 1);
    QCOMPARE(progress.cellsSeen(MessageCode::W1), 1);
    QCOMPARE(progress.timesShown(patternIndex({1, 1, 1})), 2);
    QCOMPARE(progress.patternsSeen(), 2);
    QCOMPARE(progress.history().front().pattern.t2, 4);

    for (int i = 0; i < 300; ++i)
        progress.record(entry(patternAt(i), JudgementCause::Jump));
    QCOMPARE(int(progress.history().size()), StudyProgress::historyLimit);
    QCOMPARE(patternIndex(progress.history().front().pattern), 299);
    QCOMPARE(patternIndex(progress.history().back().pattern), 100);
    // Counts keep what the history drops.
    QCOMPARE(progress.timesShown(patternIndex({1, 1, 1})), 3);
    int seen = 0;
    for (int code = 0; code < messageCodeCount; ++code) {
        QVERIFY(progress.cellsSeen(MessageCode(code)) <= catalogueCellCount(MessageCode(code)));
        seen += progress.cellsSeen(MessageCode(code));
    }
    QCOMPARE(seen, progress.patternsSeen());
    QCOMPARE(seen, 300);

    // A pattern outside the reels is not recorded.
    progress.record(entry({0, 1, 1}, JudgementCause::Jump));
    QCOMPARE(patternIndex(progress.history().front().pattern), 299);
}

void TestStudyProgress::resetForgetsEverything()
{
    StudyProgress progress;
    fill(progress);
    QSignalSpy changed(&progress, &StudyProgress::changed);
    progress.reset();
    QCOMPARE(changed.size(), 1);
    QVERIFY(progress.history().empty());
    QCOMPARE(progress.patternsSeen(), 0);
    QCOMPARE(progress.timesShown(MessageCode::W1), 0);
    QVERIFY(progress.quizTallies().empty());
}

void TestStudyProgress::roundTripThroughTheFile()
{
    const QString path = m_dir->filePath(QStringLiteral("sub/folder/progress.json"));
    StudyProgress saved;
    fill(saved);
    QString error;
    QVERIFY2(saveProgress(path, saved, &error), qPrintable(error));

    StudyProgress loaded;
    const ProgressLoad load = loadProgress(path, loaded);
    QCOMPARE(load.outcome, ProgressLoad::Loaded);
    QVERIFY(load.message.isEmpty());
    QVERIFY(std::equal(saved.history().begin(), saved.history().end(), loaded.history().begin(),
                       loaded.history().end()));
    QCOMPARE(loaded.history().front().stopOrder, QList<int>());
    QCOMPARE(loaded.history()[2].stopOrder, QList<int>({3, 1, 2}));
    QCOMPARE(loaded.history()[2].cause, JudgementCause::Spin);
    for (int index : {0, 1000, patternIndex({1, 2, 3}), patternCount - 1})
        QCOMPARE(loaded.timesShown(index), saved.timesShown(index));
    for (int code = 0; code < messageCodeCount; ++code) {
        QCOMPARE(loaded.timesShown(MessageCode(code)), saved.timesShown(MessageCode(code)));
        QCOMPARE(loaded.cellsSeen(MessageCode(code)), catalogueCellCount(MessageCode(code)));
    }
    QCOMPARE(loaded.quizTallies().size(), std::size_t(2));
    QCOMPARE(loaded.quizTallies().at(MessageCode::W9).asked, 2);
    QCOMPARE(loaded.quizTallies().at(MessageCode::W9).right, 1);
    QCOMPARE(loaded.quizTallies().at(MessageCode::N1).right, 1);

    // No file yet: empty progress, nothing to say.
    StudyProgress fresh;
    const ProgressLoad none = loadProgress(m_dir->filePath(QStringLiteral("none.json")), fresh);
    QCOMPARE(none.outcome, ProgressLoad::NoFile);
    QVERIFY(none.message.isEmpty());
}

void TestStudyProgress::unusableFileIsSetAsideAndReported_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    StudyProgress good;
    good.record(entry({1, 1, 1}, JudgementCause::Step));
    const QJsonObject valid = good.toJson();
    const auto with = [&](const char *key, const QJsonValue &value) {
        QJsonObject json = valid;
        json.insert(QLatin1StringView(key), value);
        return QJsonDocument(json).toJson();
    };
    QTest::newRow("cut off") << QJsonDocument(valid).toJson().left(200) << "壊れています";
    QTest::newRow("not JSON") << QByteArray("\x00\x01garbage", 9) << "壊れています";
    QTest::newRow("an array") << QByteArray("[1, 2, 3]") << "壊れています";
    QTest::newRow("another program's") << with("format", "something-else") << "研究の記録ではありません";
    QTest::newRow("newer version") << with("version", 2) << "版 2";
    QTest::newRow("no version") << with("version", QJsonValue()) << "知らない形式";
    QTest::newRow("counts short") << with("timesShown", QJsonArray {1, 2}) << "9261";
    QTest::newRow("bad history") << with("history", QJsonArray {QJsonObject {{"cause", "spin"}}}) << "履歴";
    QTest::newRow("unknown quiz code") << with("quiz", QJsonObject {{"X1", QJsonArray {1, 1}}}) << "クイズ";
    QTest::newRow("more right than asked") << with("quiz", QJsonObject {{"W1", QJsonArray {1, 2}}}) << "クイズ";
}

void TestStudyProgress::unusableFileIsSetAsideAndReported()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = m_dir->filePath(QStringLiteral("progress.json"));
    QVERIFY(writeFile(path, content));

    StudyProgress progress;
    progress.record(entry({2, 2, 2}, JudgementCause::Step));
    const ProgressLoad load = loadProgress(path, progress);
    QCOMPARE(load.outcome, ProgressLoad::SetAside);
    // Nothing lost: the file is kept, byte for byte, under its new name.
    QVERIFY(!QFile::exists(path));
    QCOMPARE(readAll(load.asidePath), content);
    QVERIFY(load.asidePath.startsWith(m_dir->filePath(QStringLiteral("progress.set-aside-"))));
    QVERIFY2(load.message.contains(reason), qPrintable(load.message));
    QVERIFY(load.message.contains(QDir::toNativeSeparators(load.asidePath)));
    // The progress in memory is left as it was.
    QCOMPARE(progress.patternsSeen(), 1);

    // A second damaged file the same second gets a name of its own.
    QVERIFY(writeFile(path, content));
    const ProgressLoad again = loadProgress(path, progress);
    QCOMPARE(again.outcome, ProgressLoad::SetAside);
    QVERIFY(again.asidePath != load.asidePath);
    QCOMPARE(readAll(load.asidePath), content);
}

void TestStudyProgress::failedWriteLeavesNoFileAndSaysWhy()
{
    // The folder cannot be made: a file stands where it should be.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(writeFile(blocker, "x"));
    StudyProgress progress;
    fill(progress);
    QString error;
    QVERIFY(!saveProgress(blocker + QStringLiteral("/progress.json"), progress, &error));
    QVERIFY(error.contains(QDir::toNativeSeparators(blocker)));

    // The target is a folder: the old content stays and no temporary file is left.
    const QString folder = m_dir->filePath(QStringLiteral("taken.json"));
    QVERIFY(QDir().mkpath(folder));
    error.clear();
    QVERIFY(!saveProgress(folder, progress, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList {"blocker"});
}

void TestStudyProgress::keeperSavesOnceASecondAndAtTheEnd()
{
    const QString path = m_dir->filePath(QStringLiteral("progress.json"));
    StudyProgress progress;
    {
        ProgressKeeper keeper(progress, path);
        QVERIFY(!keeper.isSaveScheduled());
        progress.record(entry({1, 1, 1}, JudgementCause::Step));
        QVERIFY(keeper.isSaveScheduled());
        QVERIFY(!QFile::exists(path));
        // The second change joins the save already scheduled.
        progress.record(entry({1, 1, 2}, JudgementCause::Step));
        QVERIFY(keeper.isSaveScheduled());
        QVERIFY(!QFile::exists(path));

        // What the scheduled save does when its second is up.
        keeper.flush();
        QVERIFY(QFile::exists(path));
        QVERIFY(!keeper.hasUnsavedChanges());
        StudyProgress loaded;
        QCOMPARE(loadProgress(path, loaded).outcome, ProgressLoad::Loaded);
        QCOMPARE(loaded.patternsSeen(), 2);

        progress.record(entry({1, 1, 3}, JudgementCause::Step));
        QVERIFY(keeper.hasUnsavedChanges());
    }
    // Gone without waiting: the last change is on disk all the same.
    StudyProgress loaded;
    QCOMPARE(loadProgress(path, loaded).outcome, ProgressLoad::Loaded);
    QCOMPARE(loaded.patternsSeen(), 3);
}

void TestStudyProgress::keeperReportsOnlyTheFirstFailure()
{
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(writeFile(blocker, "x"));
    StudyProgress progress;
    ProgressKeeper keeper(progress, blocker + QStringLiteral("/progress.json"));
    QSignalSpy failures(&keeper, &ProgressKeeper::saveFailed);
    for (int i = 0; i < 3; ++i) {
        progress.record(entry({1, 1, 1 + i}, JudgementCause::Step));
        keeper.flush();
    }
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures[0][0].toString().contains(QDir::toNativeSeparators(blocker)));
    QVERIFY(keeper.hasUnsavedChanges());

    // Without a path the progress is kept for the run only.
    ProgressKeeper forRunOnly(progress, QString());
    progress.record(entry({1, 1, 9}, JudgementCause::Step));
    QVERIFY(!forRunOnly.isSaveScheduled());
    QVERIFY(!forRunOnly.hasUnsavedChanges());
}

void TestStudyProgress::progressLivesInTheApplicationDataFolder()
{
    const QString path = defaultProgressPath();
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("progress.json"));
    QCOMPARE(QFileInfo(path).absolutePath(),
             QFileInfo(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).absoluteFilePath());
}

QTEST_GUILESS_MAIN(TestStudyProgress)
#include "tst_studyprogress.moc"
