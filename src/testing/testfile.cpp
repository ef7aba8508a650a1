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

namespace larendo::quiz {

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

// The answer number of a line that begins with a Cyrillic capital looking like
// A, B, C or E (Windows-1251 bytes) and ")": typed in the wrong keyboard layout.
int lookAlikeNumber(const QByteArray &line)
{
    if (line.size() < 2 || line[1] != ')')
        return 0;
    switch (static_cast<unsigned char>(line[0])) {
    case 0xC0: return 1; // А
    case 0xC2: return 2; // В
    case 0xD1: return 3; // С
    case 0xC5: return 5; // Е
    default: return 0;
    }
}

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
        const int lookAlike = lookAlikeNumber(line);
        if (lookAlike != 0) // refused; read as the answer it was meant to be, so no other problem follows from it
            problems.append({number, QStringLiteral("буква ответа должна быть латинской (A–E)")});
        const int answer = lookAlike != 0 ? lookAlike : isAnswerLine(line) ? letterNumber(line) : 0;
        if (answer >= 1 && answer <= kAnswers) {
            if (records.isEmpty()) {
                problems.append({number, QStringLiteral("вариант ответа стоит до первого вопроса")});
                continue;
            }
            QByteArray value = line;
            if (value.endsWith('*'))
                value.back() = ' ';
            Record &r = records.back();
            r.answers[answer - 1] = value;
            r.hasAnswer = true;
            if (lookAlike != 0 && line.endsWith('*'))
                r.correct = lookAlike;
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

namespace {

BuildResult check(const QList<QByteArray> &sourceLines, const QList<SourceProblem> &known, QList<Record> &records)
{
    BuildResult result;
    result.problems = known;
    records = parse(sourceLines, result.problems);
    result.questionCount = static_cast<int>(records.size());
    checkRecords(records, result.problems);
    result.ok = result.problems.isEmpty();
    return result;
}

} // namespace

BuildResult checkTestSource(const QList<QByteArray> &sourceLines, const QList<SourceProblem> &known)
{
    QList<Record> records;
    return check(sourceLines, known, records);
}

BuildResult buildTestFile(const QList<QByteArray> &sourceLines, const QByteArray &relativeFile,
                          const QList<SourceProblem> &known)
{
    QList<Record> records;
    BuildResult result = check(sourceLines, known, records);
    if (result.ok)
        access::WriteEncodedValues(writesOf(records), relativeFile);
    return result;
}

namespace {

std::optional<QByteArray> storedValue(const QByteArray &content, const QByteArray &section, const QByteArray &key)
{
    const std::optional<QByteArray> stored = platform::iniValue(content, section, key);
    if (!stored)
        return std::nullopt;
    QByteArray plain;
    access::crypt(*stored, access::kCipherKey, plain);
    return plain;
}

// A value on one source line: line breaks (never in a file this program
// builds) become blanks.
QByteArray oneLine(QByteArray value, QStringList &notes, const QString &where)
{
    if (value.contains('\r') || value.contains('\n')) {
        value.replace('\r', ' ').replace('\n', ' ');
        notes.append(where + QStringLiteral(": перенос строки заменен пробелом"));
    }
    return value;
}

// The question line, with what would make the parser read it as something else.
QByteArray questionLine(const QByteArray &text, QStringList &notes, const QString &where)
{
    const QByteArray line = oneLine(text, notes, where);
    if (line.isEmpty() || line == kSeparator)
        notes.append(where + QStringLiteral(": вопрос пуст или состоит из звездочек; впишите текст вопроса"));
    else if (isAnswerLine(line) || lookAlikeNumber(line) != 0)
        notes.append(where + QStringLiteral(": вопрос начинается как вариант ответа; измените его начало"));
    else if (markOf(line) != 0)
        notes.append(where + QStringLiteral(": звездочка в конце вопроса отмечает ответ; уберите ее"));
    return line;
}

// The line of answer number a (1 ... 5): its stored text, which begins with its
// letter and ")" in every file this program builds; the correct one ends in
// "*" where the build left a blank in its place.
QByteArray answerLine(const QByteArray &stored, int a, bool correct, QStringList &notes, const QString &where)
{
    QByteArray line = oneLine(stored, notes, where);
    if (line.size() < 2 || line[0] != 'A' + a - 1 || line[1] != ')') {
        line.prepend(QByteArray(1, static_cast<char>('A' + a - 1)) + ") ");
        notes.append(where + QStringLiteral(": к ответу добавлена буква %1)").arg(QLatin1Char(static_cast<char>('A' + a - 1))));
    }
    if (correct) {
        if (line.endsWith(' '))
            line.back() = '*';
        else
            line.append('*');
    } else if (line.endsWith('*')) {
        notes.append(where + QStringLiteral(": звездочка в конце неверного ответа %1) отмечает его; уберите ее")
                                 .arg(QLatin1Char(static_cast<char>('A' + a - 1))));
    }
    return line;
}

} // namespace

SourceText sourceTextOf(const QByteArray &testFileContent)
{
    const std::optional<QByteArray> total = storedValue(testFileContent, "inf", "vsego");
    if (!total)
        platform::raise(QStringLiteral("В файле теста не указано число вопросов (раздел inf, ключ vsego)"));
    const int count = platform::toInt(*total);
    if (count < 1)
        platform::raise(QStringLiteral("В файле теста число вопросов равно %1, а должно быть не меньше 1").arg(count));
    SourceText text;
    text.questionCount = count;
    for (int n = 1; n <= count; ++n) {
        const QByteArray section = QByteArray::number(n);
        const QString where = QStringLiteral("Вопрос %1").arg(n);
        const QByteArray correctText = storedValue(testFileContent, section, "ap").value_or(QByteArray());
        const int correct = correctText.size() == 1 ? correctText[0] - '0' : 0;
        text.lines.append(questionLine(storedValue(testFileContent, section, "q").value_or(QByteArray()), text.notes, where));
        bool marked = false;
        for (int a = 1; a <= kAnswers; ++a) {
            const QByteArray stored = storedValue(testFileContent, section, kAnswerKeys[a - 1]).value_or(QByteArray());
            if (stored.isEmpty())
                continue;
            marked = marked || a == correct;
            text.lines.append(answerLine(stored, a, a == correct, text.notes, where));
        }
        if (!marked)
            text.notes.append(where + QStringLiteral(": правильный ответ не указан; отметьте его звездочкой"));
        text.lines.append(kSeparator);
    }
    return text;
}

QByteArray testFileOf(const QByteArray &testName, const QByteArray &folder)
{
    return folder + '\\' + testName + ".ini";
}

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

QString tooFewQuestions(const QByteArray &testFile, int count)
{
    return QStringLiteral("В файле теста \"%1\" число вопросов равно %2, а должно быть не меньше 1")
        .arg(platform::dataPath(testFile))
        .arg(count);
}

QString startProblem(const QByteArray &testFile)
{
    const QString path = platform::dataPath(testFile);
    if (!platform::fileExists(path))
        return QStringLiteral("Файл теста \"%1\" не найден").arg(path);
    const std::optional<QByteArray> total = access::ReadEncodedValueIfPresent("inf", "vsego", testFile);
    if (!total)
        return QStringLiteral("В файле теста \"%1\" не указано число вопросов (раздел inf, ключ vsego)").arg(path);
    const std::optional<int> stated = platform::intOf(*total);
    if (!stated)
        return QStringLiteral("В файле теста \"%1\" число вопросов не является целым числом").arg(path);
    const int count = *stated;
    if (count < 1)
        return tooFewQuestions(testFile, count);
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

} // namespace larendo::quiz
