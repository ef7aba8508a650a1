#pragma once
// Test files: sections "1", "2", ... with the keys q, a1 ... a5 and ap, and
// section inf with vsego, every value encoded by the store; and their
// production from a plain-text source (question lines, answer lines "A)" ...
// "E)" with the correct one ending in "*", separators "********").
#include <QByteArray>
#include <QList>
#include <QString>

namespace larendo::testing {

struct SourceProblem {
    int line = 0;   // 1-based line number in the source text
    QString reason; // Russian, e.g. "вопрос без отмеченного ответа"
};

struct BuildResult {
    bool ok = false;
    int questionCount = 0;           // question lines read (the progress label's number)
    QList<SourceProblem> problems;   // empty when ok
    // The problems as lines "Строка 12: ...", one per problem.
    QString problemText() const;
};

// Checks the whole source text and, when it is sound, writes the test file
// named by relativeFile (a path relative to the current directory, as the
// store takes it) in one crash-safe replacement; keys written replace their
// old values and sections not written stay as they were. Nothing is written
// when the source is refused. Raises the platform's error when the file
// cannot be written.
BuildResult buildTestFile(const QList<QByteArray> &sourceLines, const QByteArray &relativeFile);

} // namespace larendo::testing
