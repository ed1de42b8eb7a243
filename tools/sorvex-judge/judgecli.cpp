#include "judgecli.h"

#include "judge/judgementobjects.h"
#include "judge/messagecatalogue.h"
#include "machine/judgedpattern.h"

#include <QString>
#include <QStringList>

#include <charconv>
#include <optional>

namespace sorvex {

namespace {

constexpr const char *usage =
        R"(Usage: sorvex-judge T1 T2 T3
       sorvex-judge --all
       sorvex-judge --help
       sorvex-judge --version

Judges a stop pattern of the machine, given as the top-row indices (1 to 21)
of the left, middle and right reel, for a three-medal bet pressed left,
middle, right.

  T1 T2 T3   Print the judgement text, one line per text line, then the
             message code and, for a pattern that confirms a bonus, the win
             mark: for example "W9 WIN".
  --all      Print every one of the 9261 stop patterns, one per line, ordered
             by T1, T2, T3, with these tab-separated columns:
               1-3  T1, T2, T3
               4    message code (W1-W13, P1-P6, U1-U14, N1-N9)
               5    win mark: WIN, or empty
               6    judgement text, each line break written as the two
                    characters \n
               7-9  the left, middle and right reel's top, middle and bottom
                    rows, comma-separated symbol names
               10   the paying pay lines as line:win pairs, comma-separated
                    (lines: middle, top, bottom, falling, rising; wins:
                    sevens, plums, submersible-plum, replays, torpedoes),
                    or empty
  --help     Show this help.
  --version  Show the version.

Exit status: 0 on success, 1 when the output cannot be written, 2 on bad
usage.
)";

std::string utf8(const QString &text)
{
    return text.toStdString();
}

std::string escapedLineBreaks(const QString &text)
{
    QString escaped = text;
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    return utf8(escaped);
}

std::string reelRows(const JudgedPattern &judged, Reel reel)
{
    std::string rows;
    for (Symbol symbol : judged.window[static_cast<std::size_t>(reel)]) {
        if (!rows.empty())
            rows += ',';
        rows += symbolId(symbol);
    }
    return rows;
}

std::string payLineWins(const JudgedPattern &judged)
{
    std::string wins;
    for (const PayLineWin &win : judged.payingLines) {
        if (!wins.empty())
            wins += ',';
        wins += win.payLine->name;
        wins += ':';
        wins += lineWinName(win.win);
    }
    return wins;
}

void printAll(std::ostream &out)
{
    std::string table;
    table.reserve(std::size_t(stopCount * stopCount * stopCount) * 160);
    for (int t1 = 1; t1 <= stopCount; ++t1) {
        for (int t2 = 1; t2 <= stopCount; ++t2) {
            for (int t3 = 1; t3 <= stopCount; ++t3) {
                const JudgedPattern judged = judgePattern({t1, t2, t3});
                for (int index : {t1, t2, t3}) {
                    table += std::to_string(index);
                    table += '\t';
                }
                table += codeName(judged.code);
                table += '\t';
                table += utf8(judged.winMark());
                table += '\t';
                table += escapedLineBreaks(judged.text());
                for (Reel reel : allReels) {
                    table += '\t';
                    table += reelRows(judged, reel);
                }
                table += '\t';
                table += payLineWins(judged);
                table += '\n';
            }
        }
    }
    out << table;
}

std::optional<int> parseInteger(const std::string &text)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool looksLikeInteger(const std::string &text)
{
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

int usageError(std::ostream &err, const std::string &problem)
{
    err << "sorvex-judge: " << problem << " (try --help)\n";
    return 2;
}

// An argument as quoted back in an error line: a long one is cut short, at a
// character boundary.
std::string quoted(const std::string &argument)
{
    constexpr qsizetype longest = 40;
    const QString text = QString::fromStdString(argument);
    if (text.size() <= longest)
        return argument;
    return utf8(text.left(longest)) + "…";
}

// Judges the pattern through the same object protocol the main window uses.
void printOne(std::ostream &out, const StopPattern &pattern)
{
    JudgementObjects objects;
    JudgementObject *object = objects.object(pattern.t1);
    object->r2jyoudan = static_cast<qint16>(pattern.t2);
    object->r3jyoudan = static_cast<qint16>(pattern.t3);
    object->yaku();
    for (const QString &line : object->yakumei.split(QStringLiteral("\r\n")))
        out << utf8(line) << '\n';
    out << codeName(judgePattern(pattern).code);
    if (object->tamaya == winMarkText)
        out << ' ' << utf8(object->tamaya);
    out << '\n';
}

int runCommand(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    for (const std::string &argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            out << usage;
            return 0;
        }
        if (argument == "--version" || argument == "-v") {
            out << "sorvex-judge " SORVEX_VERSION "\n";
            return 0;
        }
    }
    for (const std::string &argument : arguments) {
        if (argument.size() > 1 && argument.front() == '-' && argument != "--all" && !looksLikeInteger(argument))
            return usageError(err, "unknown option '" + quoted(argument) + "'");
    }
    if (!arguments.empty() && arguments.front() == "--all") {
        if (arguments.size() != 1)
            return usageError(err, "--all takes no further arguments");
        printAll(out);
        return 0;
    }
    if (arguments.size() != 3) {
        return usageError(err,
                          "expected three top-row indices T1 T2 T3, got " + std::to_string(arguments.size())
                                  + (arguments.size() == 1 ? " argument" : " arguments"));
    }

    int indices[3] = {};
    constexpr const char *reelNames[3] = {"T1 (left reel)", "T2 (middle reel)", "T3 (right reel)"};
    for (int i = 0; i < 3; ++i) {
        if (!looksLikeInteger(arguments[i]))
            return usageError(err, std::string(reelNames[i]) + " '" + quoted(arguments[i]) + "' is not an integer");
        const std::optional<int> value = parseInteger(arguments[i]);
        if (!value || *value < 1 || *value > stopCount)
            return usageError(err, std::string(reelNames[i]) + " " + quoted(arguments[i]) + " is outside 1 to 21");
        indices[i] = *value;
    }
    printOne(out, {indices[0], indices[1], indices[2]});
    return 0;
}

} // namespace

int runJudgeCli(const std::vector<std::string> &arguments, std::ostream &out, std::ostream &err)
{
    const int status = runCommand(arguments, out, err);
    // Output that never arrived is a failure, not a success: a full disk, a
    // closed output.
    out.flush();
    if (!out) {
        err << "sorvex-judge: cannot write the output\n";
        return 1;
    }
    return status;
}

} // namespace sorvex
