#pragma once
// The answers file holds answers the learner accepted as correct, one line
// per answer: the question text as shown, "=", the answer as typed. It starts
// with the section "正解ファイル" and its entry "問題=新しい正解".
#include <QString>

struct Settings;

// Writes "問題" = "新しい正解" into section "正解ファイル" (creating the file
// when missing; other lines stay as they are).
bool InitAnswersFile(const QString &ansFile);
// Appends one accepted answer; false when the file cannot be opened.
bool AppendAcceptedAnswer(const QString &ansFile, const QString &questionText,
                          const QString &inputAnswer);
// True when the file holds exactly this question text with exactly this
// answer (case and spaces included).
bool IsRegisteredAnswer(const QString &ansFile, const QString &questionText,
                        const QString &inputAnswer);
// The message shown when an accepted answer cannot be appended.
QString AnswersOpenErrorMessage(const Settings &settings);
