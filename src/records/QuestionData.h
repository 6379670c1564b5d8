#pragma once
// Per-question counts kept in the question data file: one INI section per
// English sentence with the keys "出題数" (asked), "正解数" (correct) and
// "正解率" (correct rate in whole percent). Questions sharing an English
// sentence share a section; section names match without regard to case.
#include <QString>

struct QuestionData
{
    int Asked = 0;
    int Atari = 0;
    QString Rate = QStringLiteral("0");
};

// The English sentence names the section whichever way the drill asks:
// question type 0 (Japanese to English) answers with it, type 1 shows it.
QString QuestionDataSection(int questionType, const QString &questionText,
                            const QString &answerText);

// Reads the three values of a sentence; anything missing or unreadable is 0.
QuestionData LoadQuestionData(const QString &dataFile, const QString &englishSentence);
// Writes the three values, creating file, section and keys as needed.
bool SaveQuestionData(const QString &dataFile, const QString &englishSentence,
                      const QuestionData &d, QString *error = nullptr);

// One judged first answer: asked + 1, correct + 1 when right, rate recomputed
// either way.
void CountQuestionAnswer(QuestionData &d, bool correct);
// A wrong answer the learner accepted afterwards: correct + 1, rate recomputed.
void AcceptQuestionAnswer(QuestionData &d);
