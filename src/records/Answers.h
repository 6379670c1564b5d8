#pragma once
// The answers file holds answers the learner accepted as correct, one line
// per answer: the question text as shown, "=", the answer as typed. It starts
// with the section "正解ファイル" and its entry "問題=新しい正解".
#include <QString>

struct Settings;

// Writes "問題" = "新しい正解" into section "正解ファイル" (creating the file
// when missing; other lines stay as they are).
bool InitAnswersFile(const QString &ansFile);
// Appends one accepted answer on one line (an own file: UTF-8 with a
// byte-order mark once it holds text CP932 cannot hold exactly); false when
// the file cannot be written or the answer holds a line break (the drill
// flattens those before judging, see OneLineAnswer()).
bool AppendAcceptedAnswer(const QString &ansFile, const QString &questionText,
                          const QString &inputAnswer);
// True when the file holds this question text with this answer (case and
// spaces included; equal after TextFile::fold()).
bool IsRegisteredAnswer(const QString &ansFile, const QString &questionText,
                        const QString &inputAnswer);
// The message shown when an accepted answer cannot be appended.
QString AnswersOpenErrorMessage(const Settings &settings);
