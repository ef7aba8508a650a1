#include "testfile.h"

#include "access/store.h"
#include "platform/convert.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QSet>

#include <algorithm>
#include <optional>

namespace larendo::testing {

namespace {

using access::EncodedWrite;

constexpr char kSeparator[] = "********";
constexpr int kAnswers = 5;
const QByteArray kAnswerKeys[kAnswers] = {"a1", "a2", "a3", "a4", "a5"};

// The answer number 1 ... 5 of a line that begins with a Latin capital A ... E; 0 otherwise.
int letterNumber(const QByteArray &line)
{
    if (line.isEmpty() || line[0] < 'A' || line[0] > 'E')
        return 0;
    return line[0] - 'A' + 1;
}

bool isAnswerLine(const QByteArray &line) { return line.size() >= 2 && letterNumber(line) != 0 && line[1] == ')'; }

// The correct-answer number a line marks by a "*" at its very end; 0 when it marks none.
int markOf(const QByteArray &line) { return line.endsWith('*') ? letterNumber(line) : 0; }

// One question as the source text builds it.
struct Record {
    int line = 0; // where its question line stands
    QByteArray question;
    QByteArray answers[kAnswers];
    bool hasAnswer = false;
    int correct = 0; // 1 ... 5, 0 while nothing is marked
};

QString answerLetter(int number) { return QString(QLatin1Char(static_cast<char>('A' + number - 1))); }

// Reads the lines into records, noting problems of single lines as they come.
QList<Record> parse(const QList<QByteArray> &lines, QList<SourceProblem> &problems)
{
    QList<Record> records;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const int number = static_cast<int>(i + 1);
        if (line.isEmpty() || line == kSeparator)
            continue;
        if (!access::isStorable(line))
            problems.append({number, QStringLiteral("строка содержит символ, который нельзя сохранить в файле теста")});
        if (isAnswerLine(line)) {
            if (records.isEmpty()) {
                problems.append({number, QStringLiteral("вариант ответа стоит до первого вопроса")});
                continue;
            }
            QByteArray value = line;
            if (value.endsWith('*'))
                value.back() = ' ';
            Record &r = records.back();
            r.answers[letterNumber(line) - 1] = value;
            r.hasAnswer = true;
        } else {
            records.append({number, line, {}, false, 0});
        }
        if (const int mark = markOf(line))
            records.back().correct = mark; // a later mark in the same question wins
    }
    return records;
}

void checkRecords(const QList<Record> &records, QList<SourceProblem> &problems)
{
    for (const Record &r : records) {
        if (!r.hasAnswer)
            problems.append({r.line, QStringLiteral("у вопроса нет ни одного варианта ответа")});
        else if (r.correct == 0)
            problems.append({r.line, QStringLiteral("у вопроса не отмечен правильный ответ (звездочка в конце строки ответа)")});
        else if (r.answers[r.correct - 1].isEmpty())
            problems.append({r.line, QStringLiteral("отмечен ответ %1), которого у вопроса нет").arg(answerLetter(r.correct))});
    }
    if (records.isEmpty() && problems.isEmpty())
        problems.append({0, QStringLiteral("в тексте нет ни одного вопроса")});
    std::stable_sort(problems.begin(), problems.end(),
                     [](const SourceProblem &a, const SourceProblem &b) { return a.line < b.line; });
}

QList<EncodedWrite> writesOf(const QList<Record> &records)
{
    QList<EncodedWrite> writes;
    writes.reserve(records.size() * (kAnswers + 2) + 1);
    for (qsizetype k = 0; k < records.size(); ++k) {
        const Record &r = records[k];
        const QByteArray section = QByteArray::number(k + 1);
        writes.append({section, "q", r.question});
        for (int a = 0; a < kAnswers; ++a)
            writes.append({section, kAnswerKeys[a], r.answers[a]});
        writes.append({section, "ap", QByteArray::number(r.correct)});
    }
    writes.append({"inf", "vsego", QByteArray::number(records.size())});
    return writes;
}

} // namespace

QString BuildResult::problemText() const
{
    QStringList lines;
    for (const SourceProblem &p : problems) {
        if (p.line > 0)
            lines.append(QStringLiteral("Строка %1: %2").arg(p.line).arg(p.reason));
        else
            lines.append(p.reason.left(1).toUpper() + p.reason.mid(1));
    }
    return lines.join(u'\n');
}

BuildResult buildTestFile(const QList<QByteArray> &sourceLines, const QByteArray &relativeFile)
{
    BuildResult result;
    const QList<Record> records = parse(sourceLines, result.problems);
    result.questionCount = static_cast<int>(records.size());
    checkRecords(records, result.problems);
    if (!result.problems.isEmpty())
        return result;
    access::WriteEncodedValues(writesOf(records), relativeFile);
    result.ok = true;
    return result;
}

QByteArray testFileOf(const QByteArray &testName) { return "\\data\\tests\\" + testName + ".ini"; }

Question readQuestion(const QByteArray &testFile, int number)
{
    const QByteArray section = QByteArray::number(number);
    Question q;
    q.text = access::ReadEncodedValue(section, "q", testFile);
    for (int a = 0; a < kAnswers; ++a)
        q.answers[a] = access::ReadEncodedValue(section, kAnswerKeys[a], testFile);
    return q;
}

QByteArray readCorrectAnswer(const QByteArray &testFile, int number)
{
    return access::ReadEncodedValue(QByteArray::number(number), "ap", testFile);
}

int readQuestionTotal(const QByteArray &testFile)
{
    return platform::toInt(access::ReadEncodedValue("inf", "vsego", testFile));
}

QString startProblem(const QByteArray &testFile)
{
    const QString path = platform::dataPath(testFile);
    if (!platform::fileExists(path))
        return QStringLiteral("Файл теста \"%1\" не найден").arg(path);
    const std::optional<QByteArray> total = access::ReadEncodedValueIfPresent("inf", "vsego", testFile);
    if (!total)
        return QStringLiteral("В файле теста \"%1\" не указано число вопросов (раздел inf, ключ vsego)").arg(path);
    int count = 0;
    try {
        count = platform::toInt(*total);
    } catch (const platform::PlatformError &) {
        return QStringLiteral("В файле теста \"%1\" число вопросов не является целым числом").arg(path);
    }
    if (count < 1)
        return QStringLiteral("В файле теста \"%1\" число вопросов равно %2, а должно быть не меньше 1").arg(path).arg(count);
    // Every question the count names must be there, or the run would show defaults for the rest.
    const QList<QByteArray> sections = platform::iniSectionNames(platform::readIniContent(path));
    const QSet<QByteArray> present(sections.cbegin(), sections.cend());
    for (int n = 1; n <= count; ++n) {
        if (!present.contains(QByteArray::number(n))) {
            return QStringLiteral("В файле теста \"%1\" указано вопросов: %2, а вопроса %3 в нём нет")
                .arg(path)
                .arg(count)
                .arg(n);
        }
    }
    return {};
}

} // namespace larendo::testing
