#include "studyprogress.h"

#include "judge/subtables.h"

#include <QJsonArray>

#include <algorithm>

namespace sorvex {

namespace {

constexpr std::array<std::pair<JudgementCause, QLatin1StringView>, 4> causeNames = {{
        {JudgementCause::Spin, QLatin1StringView("spin")},
        {JudgementCause::Step, QLatin1StringView("step")},
        {JudgementCause::AutoMode, QLatin1StringView("auto")},
        {JudgementCause::Jump, QLatin1StringView("jump")},
}};

const QLatin1StringView formatName("sorvex-study-progress");

QLatin1StringView causeName(JudgementCause cause)
{
    for (const auto &[value, name] : causeNames) {
        if (value == cause)
            return name;
    }
    return {};
}

std::optional<JudgementCause> parseCause(const QString &name)
{
    for (const auto &[value, known] : causeNames) {
        if (name == known)
            return value;
    }
    return std::nullopt;
}

QJsonObject entryToJson(const HistoryEntry &entry)
{
    QJsonObject json {
            {QStringLiteral("time"), entry.time.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("pattern"), QJsonArray {entry.pattern.t1, entry.pattern.t2, entry.pattern.t3}},
            {QStringLiteral("cause"), causeName(entry.cause)},
    };
    if (!entry.stopOrder.isEmpty()) {
        QJsonArray order;
        for (int reel : entry.stopOrder)
            order.append(reel);
        json.insert(QStringLiteral("stopOrder"), order);
    }
    return json;
}

std::optional<HistoryEntry> entryFromJson(const QJsonValue &value)
{
    const QJsonObject json = value.toObject();
    HistoryEntry entry;
    entry.time = QDateTime::fromString(json.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    const QJsonArray pattern = json.value(QStringLiteral("pattern")).toArray();
    const std::optional<JudgementCause> cause = parseCause(json.value(QStringLiteral("cause")).toString());
    if (!entry.time.isValid() || pattern.size() != 3 || !cause)
        return std::nullopt;
    entry.pattern = {pattern[0].toInt(), pattern[1].toInt(), pattern[2].toInt()};
    entry.cause = *cause;
    for (const QJsonValue &reel : json.value(QStringLiteral("stopOrder")).toArray()) {
        const int number = reel.toInt();
        if (number < 1 || number > ReelMachine::reelCount || entry.stopOrder.contains(number))
            return std::nullopt;
        entry.stopOrder.append(number);
    }
    if (!isValidPattern(entry.pattern))
        return std::nullopt;
    return entry;
}

const std::vector<MessageCode> &codesByIndex()
{
    static const std::vector<MessageCode> codes = [] {
        std::vector<MessageCode> all(patternCount);
        for (int index = 0; index < patternCount; ++index) {
            const StopPattern pattern = patternAt(index);
            all[index] = cellCode(pattern.t1, pattern.t2, pattern.t3);
        }
        return all;
    }();
    return codes;
}

} // namespace

MessageCode patternCode(int patternIndex)
{
    return codesByIndex()[patternIndex];
}

bool HistoryEntry::operator==(const HistoryEntry &other) const
{
    return time == other.time && pattern.t1 == other.pattern.t1 && pattern.t2 == other.pattern.t2
            && pattern.t3 == other.pattern.t3 && cause == other.cause && stopOrder == other.stopOrder;
}

StudyProgress::StudyProgress(QObject *parent)
    : QObject(parent)
    , m_timesShown(patternCount, 0)
{}

void StudyProgress::record(const HistoryEntry &entry)
{
    if (!isValidPattern(entry.pattern))
        return;
    if (m_history.size() >= historyLimit) {
        const int last = int(m_history.size()) - 1;
        emit historyRowAboutToBeDropped(last);
        m_history.pop_back();
        emit historyRowDropped();
    }
    emit historyEntryAboutToBeAdded();
    m_history.push_front(entry);
    emit historyEntryAdded();

    const int index = patternIndex(entry.pattern);
    const int slot = codeSlot(patternCode(index));
    if (m_timesShown[index]++ == 0)
        ++m_codeSeen[slot];
    ++m_codeShown[slot];
    emit patternShown(index);
    emit changed();
}

void StudyProgress::reset()
{
    emit aboutToReset();
    m_history.clear();
    std::fill(m_timesShown.begin(), m_timesShown.end(), 0);
    m_quizTallies.clear();
    recount();
    emit wasReset();
    emit quizTalliesChanged();
    emit changed();
}

void StudyProgress::recordQuizAnswer(MessageCode code, bool right)
{
    QuizTally &tally = m_quizTallies[code];
    ++tally.asked;
    tally.right += right;
    emit quizTalliesChanged();
    emit changed();
}

int StudyProgress::patternsSeen() const
{
    return int(std::count_if(m_timesShown.begin(), m_timesShown.end(), [](int times) { return times > 0; }));
}

void StudyProgress::recount()
{
    m_codeShown.fill(0);
    m_codeSeen.fill(0);
    for (int index = 0; index < patternCount; ++index) {
        if (m_timesShown[index] == 0)
            continue;
        const int slot = codeSlot(patternCode(index));
        m_codeShown[slot] += m_timesShown[index];
        ++m_codeSeen[slot];
    }
}

QJsonObject StudyProgress::toJson() const
{
    QJsonArray shown;
    for (int times : m_timesShown)
        shown.append(times);
    QJsonArray history;
    for (const HistoryEntry &entry : m_history)
        history.append(entryToJson(entry));
    QJsonObject quiz;
    for (const auto &[code, tally] : m_quizTallies)
        quiz.insert(QLatin1StringView(codeName(code)), QJsonArray {tally.asked, tally.right});
    return {
            {QStringLiteral("format"), formatName},
            {QStringLiteral("version"), formatVersion},
            // Times each pattern was shown, by pattern index (t1, then t2, then t3).
            {QStringLiteral("timesShown"), shown},
            // Newest first.
            {QStringLiteral("history"), history},
            // Per message code: questions asked, answered right.
            {QStringLiteral("quiz"), quiz},
    };
}

QString StudyProgress::fromJson(const QJsonObject &json, std::optional<int> *unknownVersion)
{
    if (json.value(QStringLiteral("format")).toString() != formatName)
        return tr("研究の記録ではありません。");
    const QJsonValue version = json.value(QStringLiteral("version"));
    if (version.toInt(-1) != formatVersion) {
        if (unknownVersion)
            *unknownVersion = version.toInt(-1);
        return tr("この版の Sorvex が知らない形式（版 %1）です。").arg(version.toVariant().toString());
    }
    const QJsonArray shown = json.value(QStringLiteral("timesShown")).toArray();
    if (shown.size() != patternCount)
        return tr("出目ごとの表示回数が %1 個ではなく %2 個あります。").arg(patternCount).arg(shown.size());
    std::vector<int> timesShown(patternCount);
    for (int index = 0; index < patternCount; ++index) {
        const double value = shown[index].toDouble(-1);
        if (value < 0 || value > std::numeric_limits<int>::max() || value != int(value))
            return tr("出目の表示回数に正しくない値があります。");
        timesShown[index] = int(value);
    }
    std::deque<HistoryEntry> history;
    for (const QJsonValue &value : json.value(QStringLiteral("history")).toArray()) {
        std::optional<HistoryEntry> entry = entryFromJson(value);
        if (!entry)
            return tr("履歴に読めない項目があります。");
        if (history.size() < historyLimit)
            history.push_back(std::move(*entry));
    }

    // Absent from files written before the quiz existed.
    std::map<MessageCode, QuizTally> quizTallies;
    const QJsonObject quiz = json.value(QStringLiteral("quiz")).toObject();
    for (auto it = quiz.begin(); it != quiz.end(); ++it) {
        const std::optional<MessageCode> code = parseMessageCode(it.key().toStdString());
        const QJsonArray counts = it.value().toArray();
        const int asked = counts.at(0).toInt(-1);
        const int right = counts.at(1).toInt(-1);
        if (!code || counts.size() != 2 || asked < 0 || right < 0 || right > asked)
            return tr("クイズの成績に読めない項目があります。");
        quizTallies[*code] = {asked, right};
    }

    emit aboutToReset();
    m_history = std::move(history);
    m_timesShown = std::move(timesShown);
    m_quizTallies = std::move(quizTallies);
    recount();
    emit wasReset();
    emit quizTalliesChanged();
    return QString();
}

} // namespace sorvex
