#include "study/csvwriter.h"

#include <QDir>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

using namespace sorvex;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray bom("\xEF\xBB\xBF");

} // namespace

class TestCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void fieldsAreQuotedOnlyWhenNeeded_data();
    void fieldsAreQuotedOnlyWhenNeeded();
    void modelRowsTakeTheHeaderAndTheFullText();
    void fileIsReplacedWhole();
    void failedWriteLeavesNothingBehind_data();
    void failedWriteLeavesNothingBehind();
};

void TestCsvExport::fieldsAreQuotedOnlyWhenNeeded_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain Japanese") << QStringLiteral("はずれ") << QByteArray("はずれ");
    QTest::newRow("blank kept") << QStringLiteral("チェリー ４枚") << QByteArray("チェリー ４枚");
    QTest::newRow("CR LF becomes LF in quotes")
            << QStringLiteral("リーチ目\r\nＢＩＧです。") << QByteArray("\"リーチ目\nＢＩＧです。\"");
    QTest::newRow("comma") << QStringLiteral("a,b") << QByteArray("\"a,b\"");
    QTest::newRow("quote doubled") << QStringLiteral("say \"hi\"") << QByteArray("\"say \"\"hi\"\"\"");
    QTest::newRow("ideographic comma needs none")
            << QStringLiteral("リーチ目、魚雷。１枚") << QByteArray("リーチ目、魚雷。１枚");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestCsvExport::fieldsAreQuotedOnlyWhenNeeded()
{
    QFETCH(QString, cell);
    QFETCH(QByteArray, written);
    const QByteArray bytes = csvBytes({{QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("1"), cell}});
    QVERIFY(bytes.startsWith(bom));
    QCOMPARE(bytes.mid(bom.size()), QByteArray("a,b\r\n1,") + written + "\r\n");
}

void TestCsvExport::modelRowsTakeTheHeaderAndTheFullText()
{
    QStandardItemModel model(2, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("左"), QStringLiteral("絵"), QStringLiteral("判定")});
    for (int row = 0; row < 2; ++row) {
        model.setData(model.index(row, 0), row + 1);
        model.setData(model.index(row, 2), QStringLiteral("一行 %1").arg(row));
        model.setData(model.index(row, 2), QStringLiteral("二\r\n行 %1").arg(row), Qt::UserRole + 5);
    }
    const QList<QStringList> rows = modelRows(model, Qt::UserRole + 5, {0, 2});
    QCOMPARE(rows, (QList<QStringList> {{"左", "判定"}, {"1", "二\r\n行 0"}, {"2", "二\r\n行 1"}}));
}

void TestCsvExport::fileIsReplacedWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.csv"));
    QString error;
    QVERIFY(writeCsvFile(path, {{QStringLiteral("long old content, more than the new")}}, &error));
    QVERIFY(writeCsvFile(path, {{QStringLiteral("新")}}, &error));
    QCOMPARE(readAll(path), bom + QByteArray("新\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"out.csv"});
}

void TestCsvExport::failedWriteLeavesNothingBehind_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << QStringLiteral("no/such/folder/out.csv");
    QTest::newRow("a folder") << QStringLiteral("folder");
}

void TestCsvExport::failedWriteLeavesNothingBehind()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(target);
    QString error;
    QVERIFY(!writeCsvFile(path, {{QStringLiteral("x")}}, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {});
}

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
