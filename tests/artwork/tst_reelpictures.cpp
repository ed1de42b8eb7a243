// Checks the committed reel strips and lamp against what the reels need:
// the file format the picture boxes load, one whole symbol per 65-pixel
// cell in strip order, and each symbol recognisable by its own colours
// inside its own box. Nothing here uses the drawing code.
#include "machine/strips.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

using namespace sorvex;

namespace {

constexpr int cellWidth = 100;
constexpr int cellHeight = 65;
constexpr int stripHeight = 1660;
constexpr int wholeCells = 25;
constexpr int partialRows = stripHeight - wholeCells * cellHeight;

constexpr QRgb white = 0xffffff;
constexpr QRgb black = 0x000000;
constexpr QRgb lightGrey = 0xc0c0c0;
constexpr QRgb magentaRed = 0xff0080;
constexpr QRgb blue = 0x0000ff;
constexpr QRgb brown = 0x804000;
constexpr QRgb green = 0x008000;
constexpr QRgb cyan = 0x00ffff;
constexpr QRgb olive = 0x808040;
constexpr QRgb darkOlive = 0x808000;
constexpr QRgb orange = 0xff8040;
constexpr QRgb yellow = 0xffff00;
constexpr QRgb paleYellow = 0xffff80;
constexpr QRgb skyBlue = 0x0080ff;
constexpr QRgb violet = 0x4000ff;
constexpr QRgb lavender = 0x8080ff;
constexpr QRgb darkBlueGreen = 0x004080;

// Each symbol's box (inclusive pixel columns and rows within its cell) and
// the colours it is drawn in, besides the white background.
struct SymbolLook
{
    QRect box;
    QSet<QRgb> colours;
};

SymbolLook lookOf(Symbol symbol)
{
    switch (symbol) {
    case Symbol::RedSeven:
        return {QRect(QPoint(10, 9), QPoint(88, 55)), {black, magentaRed}};
    case Symbol::BlueSeven:
        return {QRect(QPoint(10, 9), QPoint(88, 55)), {black, blue}};
    case Symbol::Cherry:
        return {QRect(QPoint(6, 8), QPoint(87, 57)), {black, magentaRed, brown, green, lightGrey}};
    case Symbol::Plum:
        return {QRect(QPoint(10, 8), QPoint(86, 56)), {black, cyan, olive, darkOlive}};
    case Symbol::Replay:
        return {QRect(QPoint(14, 7), QPoint(87, 53)), {black, orange}};
    case Symbol::Torpedo:
        return {QRect(QPoint(13, 12), QPoint(83, 51)), {black, green}};
    case Symbol::Submersible:
        return {QRect(QPoint(0, 4), QPoint(99, 59)), {black, lightGrey, yellow, paleYellow, magentaRed, skyBlue}};
    }
    return {};
}

QString assetPath(const char *name)
{
    return QStringLiteral(SORVEX_ASSETS_DIR "/") + QLatin1String(name);
}

QImage loadPicture(const char *name)
{
    QImage image(assetPath(name));
    return image.convertToFormat(QImage::Format_RGB32);
}

QHash<QRgb, int> colourCounts(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    }
    return counts;
}

QRect nonWhiteBounds(const QImage &cell)
{
    QRect bounds;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if ((cell.pixel(x, y) & 0xffffff) != white)
                bounds = bounds.united(QRect(x, y, 1, 1));
        }
    }
    return bounds;
}

QString colourList(const QList<QRgb> &colours)
{
    QStringList names;
    for (QRgb colour : colours)
        names << QStringLiteral("%1").arg(colour, 6, 16, QLatin1Char('0'));
    names.sort();
    return names.join(QLatin1Char(' '));
}

// The top-row index whose symbol cell k of a strip shows: cell 0 repeats
// the last stop, cells 22 to 25 repeat the first four.
int stopShownInCell(int cell)
{
    if (cell == 0)
        return stopCount;
    return cell > stopCount ? cell - stopCount : cell;
}

quint32 le32(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

quint16 le16(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

} // namespace

class TestReelPictures : public QObject
{
    Q_OBJECT

private slots:
    void fileFormat_data();
    void fileFormat();
    void cellsShowTheirStripSymbols_data();
    void cellsShowTheirStripSymbols();
    void copiesAtBothEnds_data();
    void copiesAtBothEnds();
    void everyOccurrenceIsTheSamePicture();
    void lampColours();
};

void TestReelPictures::fileFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSet<QRgb>>("topRowColours");
    QTest::addColumn<QSet<QRgb>>("bottomRowColours");
    // Strips start with white above the first cell's symbol and end inside
    // the fourth stop's cell; the lamp's sky is lighter at the top.
    QTest::newRow("r1.bmp") << "r1.bmp" << 100 << 1660 << QSet<QRgb> {white} << QSet<QRgb> {white, black, cyan};
    QTest::newRow("r2.bmp") << "r2.bmp" << 100 << 1660 << QSet<QRgb> {white} << QSet<QRgb> {white, black, cyan};
    QTest::newRow("r3.bmp") << "r3.bmp" << 100 << 1660 << QSet<QRgb> {white}
                            << QSet<QRgb> {white, black, magentaRed, lightGrey};
    QTest::newRow("win.bmp") << "win.bmp" << 100 << 65 << QSet<QRgb> {skyBlue, violet, lavender}
                             << QSet<QRgb> {blue, darkBlueGreen, violet};
}

void TestReelPictures::fileFormat()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QSet<QRgb>, topRowColours);
    QFETCH(QSet<QRgb>, bottomRowColours);

    QFile file(assetPath(qPrintable(name)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const int rowBytes = width * 3;
    QCOMPARE(data.size(), 54 + rowBytes * height);
    QCOMPARE(data.left(2), QByteArray("BM"));
    QCOMPARE(le32(data, 2), quint32(data.size()));
    QCOMPARE(le32(data, 10), 54u);
    QCOMPARE(le32(data, 14), 40u);
    QCOMPARE(qint32(le32(data, 18)), width);
    QCOMPARE(qint32(le32(data, 22)), height); // positive: rows bottom-up
    QCOMPARE(le16(data, 26), quint16(1));
    QCOMPARE(le16(data, 28), quint16(24));
    QCOMPARE(le32(data, 30), 0u); // uncompressed

    // Read the stored rows directly, so the order is checked without
    // trusting a decoder: the first stored row is the picture's bottom row.
    auto storedRowColours = [&](int storedRow) {
        QSet<QRgb> colours;
        const auto *row = reinterpret_cast<const uchar *>(data.constData()) + 54 + storedRow * rowBytes;
        for (int x = 0; x < width; ++x)
            colours.insert(qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]) & 0xffffff);
        return colours;
    };
    const QSet<QRgb> bottom = storedRowColours(0);
    const QSet<QRgb> top = storedRowColours(height - 1);
    QVERIFY2(bottomRowColours.contains(bottom), qPrintable(colourList(bottom.values())));
    QVERIFY2(topRowColours.contains(top), qPrintable(colourList(top.values())));
}

void TestReelPictures::cellsShowTheirStripSymbols_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("reel");
    QTest::addColumn<int>("cell");
    const std::array<const char *, 3> names = {"r1.bmp", "r2.bmp", "r3.bmp"};
    for (Reel reel : allReels) {
        const QString name = QLatin1String(names[static_cast<std::size_t>(reel)]);
        for (int cell = 0; cell < wholeCells; ++cell)
            QTest::newRow(qPrintable(QStringLiteral("%1 cell %2").arg(name).arg(cell))) << name << int(reel) << cell;
    }
}

void TestReelPictures::cellsShowTheirStripSymbols()
{
    QFETCH(QString, name);
    QFETCH(int, reel);
    QFETCH(int, cell);
    const QImage strip = loadPicture(qPrintable(name));
    QCOMPARE(strip.size(), QSize(cellWidth, stripHeight));

    const Symbol symbol = sorvex::strip(Reel(reel))[static_cast<std::size_t>(stopShownInCell(cell) - 1)];
    const SymbolLook look = lookOf(symbol);
    const QImage picture = strip.copy(0, cell * cellHeight, cellWidth, cellHeight);

    // Everything outside the symbol's box is white, and the symbol reaches
    // every edge of its box.
    QCOMPARE(nonWhiteBounds(picture), look.box);

    QSet<QRgb> expected = look.colours;
    expected.insert(white);
    const QHash<QRgb, int> counts = colourCounts(picture, picture.rect());
    QSet<QRgb> found;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        found.insert(it.key());
    QVERIFY2(found == expected,
             qPrintable(QStringLiteral("%1: found %2, expected %3")
                                .arg(QLatin1String(symbolId(symbol).data(), symbolId(symbol).size()),
                                     colourList(found.values()), colourList(expected.values()))));
}

void TestReelPictures::copiesAtBothEnds_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("r1.bmp") << "r1.bmp";
    QTest::newRow("r2.bmp") << "r2.bmp";
    QTest::newRow("r3.bmp") << "r3.bmp";
}

void TestReelPictures::copiesAtBothEnds()
{
    QFETCH(QString, name);
    const QImage strip = loadPicture(qPrintable(name));
    auto cell = [&](int k, int rows = cellHeight) { return strip.copy(0, k * cellHeight, cellWidth, rows); };
    QCOMPARE(cell(0), cell(21));
    QCOMPARE(cell(22), cell(1));
    QCOMPARE(cell(23), cell(2));
    QCOMPARE(cell(24), cell(3));
    QCOMPARE(strip.copy(0, wholeCells * cellHeight, cellWidth, partialRows), cell(4, partialRows));
    // A whole turn of the reel is 21 cells, and everything from there to the
    // strip's end repeats its start, so position 0 shows what position 21
    // shows.
    const int turn = stopCount * cellHeight;
    QCOMPARE(strip.copy(0, turn, cellWidth, stripHeight - turn), strip.copy(0, 0, cellWidth, stripHeight - turn));
}

void TestReelPictures::everyOccurrenceIsTheSamePicture()
{
    QHash<int, QImage> first;
    const std::array<const char *, 3> names = {"r1.bmp", "r2.bmp", "r3.bmp"};
    for (Reel reel : allReels) {
        const QImage strip = loadPicture(names[static_cast<std::size_t>(reel)]);
        for (int stop = 1; stop <= stopCount; ++stop) {
            const Symbol symbol = sorvex::strip(reel)[static_cast<std::size_t>(stop - 1)];
            const QImage picture = strip.copy(0, stop * cellHeight, cellWidth, cellHeight);
            if (!first.contains(int(symbol)))
                first.insert(int(symbol), picture);
            QVERIFY2(picture == first.value(int(symbol)),
                     qPrintable(QStringLiteral("%1 stop %2")
                                        .arg(QLatin1String(names[static_cast<std::size_t>(reel)]))
                                        .arg(stop)));
        }
    }
    QCOMPARE(first.size(), int(allSymbols.size()));
}

void TestReelPictures::lampColours()
{
    const QImage lamp = loadPicture("win.bmp");
    QCOMPARE(lamp.size(), QSize(100, 65));

    const QHash<QRgb, int> all = colourCounts(lamp, lamp.rect());
    const QSet<QRgb> allowed = {magentaRed, black, skyBlue, violet, lavender, cyan, blue, darkBlueGreen, paleYellow};
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        QVERIFY2(allowed.contains(it.key()), qPrintable(colourList({it.key()})));
    QCOMPARE(all.size(), allowed.size());

    // Sky at the top, the cyan band behind the middle of the sevens, deep
    // blue at the bottom.
    auto rowCounts = [&](int y) { return colourCounts(lamp, QRect(0, y, lamp.width(), 1)); };
    QVERIFY(rowCounts(0).value(skyBlue) > 50);
    QVERIFY(rowCounts(64).value(blue) > 50);
    const QHash<QRgb, int> middle = rowCounts(24);
    QVERIFY(middle.value(cyan) > 20);
    QVERIFY(middle.value(magentaRed) > 20);

    // Three sevens side by side: three separate runs of red columns across
    // the middle.
    int runs = 0;
    bool inRun = false;
    for (int x = 0; x < lamp.width(); ++x) {
        const bool red = colourCounts(lamp, QRect(x, 20, 1, 10)).contains(magentaRed);
        if (red && !inRun)
            ++runs;
        inRun = red;
    }
    QCOMPARE(runs, 3);

    // The word sits across the lower half.
    const QHash<QRgb, int> upperHalf = colourCounts(lamp, QRect(0, 0, 100, 32));
    const QHash<QRgb, int> lowerHalf = colourCounts(lamp, QRect(0, 33, 100, 32));
    QCOMPARE(upperHalf.value(paleYellow), 0);
    QVERIFY(lowerHalf.value(paleYellow) > 200);
}

QTEST_GUILESS_MAIN(TestReelPictures)
#include "tst_reelpictures.moc"
