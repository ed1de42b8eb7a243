#include "judge/messagecatalogue.h"
#include "judge/subtables.h"

#include <QTest>

#include <map>

using namespace sorvex;

namespace {
QList<MessageCode> allCodes()
{
    QList<MessageCode> codes;
    for (int i = 0; i < messageCodeCount; ++i)
        codes.append(static_cast<MessageCode>(i));
    return codes;
}

QStringList lines(MessageCode code)
{
    return judgementText(code).split(QStringLiteral("\r\n"));
}
} // namespace

class TestMessageCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void codeNamesRoundTrip()
    {
        QSet<QString> names;
        for (MessageCode code : allCodes()) {
            const std::string_view name = codeName(code);
            QCOMPARE(parseMessageCode(name), std::optional<MessageCode>(code));
            QCOMPARE(name.front(), codeLetter(code));
            QCOMPARE(QString::fromLatin1(name.substr(1)).toInt(), codeNumber(code));
            names.insert(QString::fromLatin1(name));
        }
        QCOMPARE(names.size(), messageCodeCount);
        for (const char *bad : {"", "W", "W0", "W14", "P7", "U15", "N10", "X1", "W01", "w1", "W1 "})
            QVERIFY2(!parseMessageCode(bad), bad);
    }

    void winMarkFollowsTheCode()
    {
        for (MessageCode code : allCodes()) {
            const bool win = codeLetter(code) == 'W';
            QCOMPARE(isWin(code), win);
            QCOMPARE(winMark(code), win ? QStringLiteral("WIN") : QString());
        }
    }

    void textsAreJoinedByCrLfOnlyBetweenLines()
    {
        for (MessageCode code : allCodes()) {
            const QString text = judgementText(code);
            const QStringList textLines = lines(code);
            QVERIFY(!text.isEmpty());
            QVERIFY(textLines.size() >= 1 && textLines.size() <= 3);
            for (const QString &line : textLines) {
                QVERIFY2(!line.isEmpty(), qPrintable(text));
                QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'), qPrintable(text));
            }
        }
        QCOMPARE(judgementText(MessageCode::W1), QStringLiteral("リーチ目\r\nＢＩＧです。"));
        QCOMPARE(judgementText(MessageCode::W1).size(), 12);
    }

    void familiesShareTheirLines()
    {
        for (MessageCode code : allCodes()) {
            const QStringList textLines = lines(code);
            if (codeLetter(code) == 'U') {
                QCOMPARE(textLines.size(), 3);
                QCOMPARE(textLines[0], QStringLiteral("リーチ目だけど，"));
                QCOMPARE(textLines[1], QStringLiteral("止まらない？？"));
            }
            if (code >= MessageCode::W9 && code <= MessageCode::W13)
                QCOMPARE(textLines.first(), QStringLiteral("ＢＩＧです。"));
        }
        for (MessageCode code : {MessageCode::W1, MessageCode::W5, MessageCode::W6})
            QCOMPARE(lines(code).last(), QStringLiteral("ＢＩＧです。"));
    }

    void distinctTexts()
    {
        QSet<QString> texts;
        for (MessageCode code : allCodes())
            texts.insert(judgementText(code));
        QCOMPARE(texts.size(), messageCodeCount);
    }

    // The characters that have look-alikes are written as escapes here:
    // U+0020 space, U+3001 ideographic comma, U+FF5E wave dash, U+FF01 and
    // U+FF1F full-width ! and ?, U+3002 full stop.
    void charactersAreTheRightForms_data()
    {
        QTest::addColumn<MessageCode>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("P3 ASCII space") << MessageCode::P3 << QString::fromUtf16(u"チェリー\u0020４枚");
        QTest::newRow("N8 ASCII space") << MessageCode::N8
                                        << QString::fromUtf16(u"８枚役の取りこぼし\r\nＯＲ\u0020ボーナス");
        QTest::newRow("N5 ASCII start") << MessageCode::N5
                                        << QString::fromUtf16(
                                                   u"リーチ目\u3002\r\n止まらないかも\uFF1F\uFF1F\r\n(^^;;;;;ダラダラ");
        QTest::newRow("W4 ideographic comma") << MessageCode::W4 << QString::fromUtf16(u"リーチ目\u3001魚雷\u3002１枚");
        QTest::newRow("W13 wave dashes")
                << MessageCode::W13
                << QString::fromUtf16(u"ＢＩＧです\u3002\r\nどっか\uFF5E\uFF5E\uFF5E\uFF5E\uFF5Eん\uFF01");
        QTest::newRow("U11 near twin") << MessageCode::U11
                                       << QString::fromUtf16(
                                                  u"リーチ目だけど\uFF0C\r\n止まらない\uFF1F\uFF1F\r\n潜水艦の一直線");
        QTest::newRow("U12 near twin")
                << MessageCode::U12
                << QString::fromUtf16(u"リーチ目だけど\uFF0C\r\n止まらない\uFF1F\uFF1F\r\n潜水艦一直線\u3002");
        QTest::newRow("W7 no full stop") << MessageCode::W7 << QString::fromUtf16(u"リーチ目\r\n枠上７揃い");
        QTest::newRow("W8 full stop") << MessageCode::W8 << QString::fromUtf16(u"リーチ目\r\n枠下７揃い\u3002");
    }

    void charactersAreTheRightForms()
    {
        QFETCH(MessageCode, code);
        QFETCH(QString, text);
        QCOMPARE(judgementText(code), text);
    }

    void fullWidthCommaOnlyInTheUOpening()
    {
        for (MessageCode code : allCodes()) {
            const QString text = judgementText(code);
            QCOMPARE(text.count(u'\uFF0C'), codeLetter(code) == 'U' ? 1 : 0);
        }
    }

    // The catalogue's counts and the sub-tables are independent records of
    // the same data; they must agree for every code.
    void cellCountsMatchTheSubTables()
    {
        std::map<MessageCode, int> counted;
        for (int t1 = 1; t1 <= 21; ++t1)
            for (int t2 = 1; t2 <= 21; ++t2)
                for (int t3 = 1; t3 <= 21; ++t3)
                    ++counted[cellCode(t1, t2, t3)];
        int total = 0;
        for (MessageCode code : allCodes()) {
            QVERIFY2(counted[code] == catalogueCellCount(code), codeName(code).data());
            total += catalogueCellCount(code);
        }
        QCOMPARE(total, 9261);
    }
};

QTEST_APPLESS_MAIN(TestMessageCatalogue)
#include "tst_messagecatalogue.moc"
