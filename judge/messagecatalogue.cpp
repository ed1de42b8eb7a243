#include "messagecatalogue.h"

namespace sorvex {

namespace {
struct Entry
{
    MessageCode code;
    std::string_view name;
    std::u16string_view text;
    int cellCount;
};

// Lines of a text are joined by CR LF, with no break before the first line or
// after the last. The cell counts are how often each result occurs among the
// 9261 stop patterns.
constexpr Entry catalogue[messageCodeCount] = {
        {MessageCode::W1, "W1", u"リーチ目\r\nＢＩＧです。", 2135},
        {MessageCode::W2, "W2", u"リーチ目\r\nプラム。１０枚", 60},
        {MessageCode::W3, "W3", u"リーチ目\r\n魚雷。１枚", 14},
        {MessageCode::W4, "W4", u"リーチ目、魚雷。１枚", 10},
        {MessageCode::W5, "W5", u"プラム。１０枚\r\nリーチ目\r\nＢＩＧです。", 5},
        {MessageCode::W6, "W6", u"魚雷。１枚\r\nリーチ目\r\nＢＩＧです。", 2},
        {MessageCode::W7, "W7", u"リーチ目\r\n枠上７揃い", 2},
        {MessageCode::W8, "W8", u"リーチ目\r\n枠下７揃い。", 4},
        {MessageCode::W9, "W9", u"ＢＩＧです。\r\n適戦艦撃沈！", 18},
        {MessageCode::W10, "W10", u"ＢＩＧです。\r\n魚雷的中！", 7},
        {MessageCode::W11, "W11", u"ＢＩＧです。\r\n反撃成功！", 3},
        {MessageCode::W12, "W12", u"ＢＩＧです。\r\n反撃だ！", 1},
        {MessageCode::W13, "W13", u"ＢＩＧです。\r\nどっか～～～～～ん！", 1},
        {MessageCode::P1, "P1", u"はずれ", 2648},
        {MessageCode::P2, "P2", u"リプレイ", 525},
        {MessageCode::P3, "P3", u"チェリー ４枚", 1040},
        {MessageCode::P4, "P4", u"プラム。１０枚", 460},
        {MessageCode::P5, "P5", u"潜水艦、プラム。８枚", 125},
        {MessageCode::P6, "P6", u"魚雷。１枚", 64},
        {MessageCode::U1, "U1", u"リーチ目だけど，\r\n止まらない？？\r\n中段チェリーの１確目", 707},
        {MessageCode::U2, "U2", u"リーチ目だけど，\r\n止まらない？？\r\n右リールの１確目。", 243},
        {MessageCode::U3, "U3", u"リーチ目だけど，\r\n止まらない？？\r\n左、中の２確目", 204},
        {MessageCode::U4, "U4", u"リーチ目だけど，\r\n止まらない？？\r\n魚雷、赤７の１確目", 297},
        {MessageCode::U5, "U5", u"リーチ目だけど，\r\n止まらない？？\r\nチェリー付７のハサミ目", 75},
        {MessageCode::U6, "U6", u"リーチ目だけど，\r\n止まらない？？\r\n子役はずれ", 74},
        {MessageCode::U7, "U7", u"リーチ目だけど，\r\n止まらない？？\r\n右の子役はずれ", 29},
        {MessageCode::U8, "U8", u"リーチ目だけど，\r\n止まらない？？\r\n右リールの子役はずれ", 49},
        {MessageCode::U9, "U9", u"リーチ目だけど，\r\n止まらない？？\r\n右のプラムはずれ", 65},
        {MessageCode::U10, "U10", u"リーチ目だけど，\r\n止まらない？？\r\n右のリプレイはずれ", 37},
        {MessageCode::U11, "U11", u"リーチ目だけど，\r\n止まらない？？\r\n潜水艦の一直線", 4},
        {MessageCode::U12, "U12", u"リーチ目だけど，\r\n止まらない？？\r\n潜水艦一直線。", 4},
        {MessageCode::U13, "U13", u"リーチ目だけど，\r\n止まらない？？\r\n７の一直線", 1},
        {MessageCode::U14, "U14", u"リーチ目だけど，\r\n止まらない？？\r\n７の一直線。", 1},
        {MessageCode::N1, "N1", u"複合役のため、\r\n止まりません。", 224},
        {MessageCode::N2, "N2", u"止まらない？？", 17},
        {MessageCode::N3, "N3", u"止まらない？？？？", 6},
        {MessageCode::N4, "N4", u"左、中リールは、\r\nこの形で止まらない？？", 17},
        {MessageCode::N5, "N5", u"リーチ目。\r\n止まらないかも？？\r\n(^^;;;;;ダラダラ", 2},
        {MessageCode::N6, "N6", u"はずれ\r\nボーナスの可能性\r\nゼロの出目", 40},
        {MessageCode::N7, "N7", u"８枚役の取りこぼし目", 7},
        {MessageCode::N8, "N8", u"８枚役の取りこぼし\r\nＯＲ ボーナス", 14},
        {MessageCode::N9, "N9", u"左、中リールで、\r\n８枚役の取りこぼし\r\n確定目", 20},
};

constexpr bool catalogueInEnumOrder()
{
    for (int i = 0; i < messageCodeCount; ++i) {
        if (static_cast<int>(catalogue[i].code) != i)
            return false;
    }
    return true;
}
static_assert(catalogueInEnumOrder());

const Entry &entry(MessageCode code)
{
    return catalogue[static_cast<int>(code)];
}

// Raw data carries no reference count: copying such a string into a
// judgement object's members is a plain copy, which keeps a judgement in the
// nanoseconds.
QString rawText(std::u16string_view text)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

} // namespace

std::string_view codeName(MessageCode code)
{
    return entry(code).name;
}

const QString &judgementText(MessageCode code)
{
    static const auto texts = [] {
        std::array<QString, messageCodeCount> built;
        for (int i = 0; i < messageCodeCount; ++i)
            built[i] = rawText(catalogue[i].text);
        return built;
    }();
    return texts[static_cast<int>(code)];
}

QString oneLineText(const QString &judgementText)
{
    QString line = judgementText;
    return line.replace(QLatin1StringView("\r\n"), QStringLiteral("　"));
}

const QString &winMark(MessageCode code)
{
    static const QString win = rawText(u"WIN"); // winMarkText, as raw data like the texts
    static const QString none;
    return isWin(code) ? win : none;
}

int catalogueCellCount(MessageCode code)
{
    return entry(code).cellCount;
}

} // namespace sorvex
