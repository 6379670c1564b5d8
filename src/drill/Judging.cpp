#include "drill/Judging.h"

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "platform/CorrectRate.h"
#include "platform/TextFile.h"
#include "records/Answers.h"
#include "settings/Settings.h"

#include <QLocale>

namespace {
QString lower(const QString &s)
{
    return QLocale().toLower(s);
}

// Equal after folding the characters an input method types where the code
// page has a twin (a typed WAVE DASH equals the collection's FULLWIDTH TILDE).
bool sameText(const QString &a, const QString &b, int ignoreCase)
{
    return TextFile::sameText(a, b)
           || (ignoreCase == 1 && TextFile::sameText(lower(a), lower(b)));
}
} // namespace

QString ShortAnswer(const QString &answerText)
{
    int p = int(answerText.indexOf(QLatin1Char('.')));
    if (p < 0)
        p = int(answerText.indexOf(QLatin1Char('?')));
    return p < 0 ? QString() : answerText.left(p);
}

bool IsAnswerCorrect(const QString &input, const QString &answerText, int ignoreCase,
                     int notPeriod)
{
    if (input.isEmpty())
        return false;
    if (sameText(input, answerText, ignoreCase))
        return true;
    return notPeriod == 1 && sameText(input, ShortAnswer(answerText), ignoreCase);
}

VerdictMode VerdictModeOf(const DrillState &d, const Settings &s)
{
    if (d.SelfStudyOn == 1)
        return VerdictMode::SelfScoring;
    if (s.AnswerType == 2)
        return VerdictMode::FillIn;
    return VerdictMode::Typed;
}

bool JudgeAnswer(const DrillState &d, const Settings &s, const QString &answersFile)
{
    const QString &input = d.InputAnswer;
    switch (VerdictModeOf(d, s)) {
    case VerdictMode::SelfScoring:
        return d.SelfScore == 1;
    case VerdictMode::FillIn:
        if (input.isEmpty())
            return false;
        return TextFile::sameText(input, d.HoleWord)
               || IsAnswerCorrect(input, d.AnswerText, s.IgnoreCase, s.NotPeriod);
    case VerdictMode::Typed:
        break;
    }
    if (input.isEmpty())
        return false;
    return IsAnswerCorrect(input, d.AnswerText, s.IgnoreCase, s.NotPeriod)
           || IsRegisteredAnswer(answersFile, d.QuestionText, input);
}

QString OneLineAnswer(const QString &typed)
{
    QString answer = typed;
    answer.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : answer) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return answer;
}

void BeginJudging(DrillState &d, const QString &input)
{
    d.InputAnswer = OneLineAnswer(input);
    d.Repeating = 0;
    d.AcceptedAsCorrect = false;
}

bool UseRepeatCheck(const DrillState &d, const Settings &s)
{
    return s.RepeatError == 1 && d.Repeating != 0;
}

AnswerEffects FirstAnswerEffects(const DrillState &d, const Settings &s, bool correct)
{
    AnswerEffects e;
    e.adjustImportance = s.AutoImportantOn == 1;
    if (correct) {
        if (s.AtariOn == 1)
            e.sound = s.AtariSoundFile;
        if (s.VoiceOn == 1)
            e.voiceCommand = QStringLiteral("ANI;1");
        if (s.ShowResult == 1 && s.ShowErrorOnly == 0) {
            if (s.EasyResultAtari == 1) {
                e.display = ResultDisplay::EasyBox;
                e.caption = CorrectCaption();
                e.text = EasyCorrectText(d.QAskedCount, d.QRate, d.CommentText);
            } else {
                e.display = ResultDisplay::Dialog;
            }
        }
    } else {
        if (s.HazureOn == 1)
            e.sound = s.HazureSoundFile;
        if (s.VoiceOn == 1)
            e.voiceCommand = QStringLiteral("ANI;2");
        if (s.ShowResult == 1) {
            if (s.EasyResultHazure == 1) {
                e.display = ResultDisplay::EasyBox;
                e.caption = WrongCaption();
                e.text = EasyWrongText(d.QAskedCount, d.QRate, d.AnswerText, d.CommentText);
            } else {
                e.display = ResultDisplay::Dialog;
            }
        }
    }
    return e;
}

AnswerEffects RepeatAnswerEffects(const DrillState &d, const Settings &s, bool correct)
{
    AnswerEffects e;
    if (correct) {
        if (s.AtariOn == 1)
            e.sound = s.AtariSoundFile;
        if (s.ShowResult == 1 && s.ShowErrorOnly == 0) {
            e.display = ResultDisplay::EasyBox;
            e.caption = CorrectCaption();
            e.text = RepeatCorrectText(d.CommentText);
        }
    } else {
        if (s.HazureOn == 1)
            e.sound = s.HazureSoundFile;
        if (s.ShowResult == 1) {
            e.display = ResultDisplay::EasyBox;
            e.caption = WrongCaption();
            e.text = RepeatWrongText(d.AnswerText, d.CommentText);
        }
    }
    return e;
}

void CountCorrectAnswer(DrillState &d)
{
    d.AtariCount += 1;
}

void CountWrongAnswer(DrillState &d, const Settings &s)
{
    if (s.RepeatError == 1)
        d.Repeating = 1;
    RecordWrongLine(d, d.HazureCount, d.CurrentLine);
    d.HazureCount += 1;
}

void FinishRepeatAnswer(DrillState &d, const Settings &s, bool correct)
{
    if (!correct && !d.AcceptedAsCorrect && s.RepeatError == 1)
        d.Repeating = 1;
}

QString CorrectCaption()
{
    return QStringLiteral("☆ 正解です ☆");
}

QString WrongCaption()
{
    return QStringLiteral("☆ 不正解です ☆");
}

QString EasyCorrectText(int questionAsked, const QString &questionRate, const QString &comment)
{
    return QStringLiteral("☆ 正解 ☆\n\n出題数 ： ") + QString::number(questionAsked)
           + QStringLiteral("問\n正解率 ： ") + questionRate
           + QStringLiteral("％\n\nコメント ： ") + comment;
}

QString EasyWrongText(int questionAsked, const QString &questionRate, const QString &answer,
                      const QString &comment)
{
    return QStringLiteral("☆ 不正解 ☆\n\n出題数 ： ") + QString::number(questionAsked)
           + QStringLiteral("問\n正解率 ： ") + questionRate
           + QStringLiteral("％\n\n正解 ： ") + answer + QStringLiteral("\nコメント ： ")
           + comment;
}

QString RepeatCorrectText(const QString &comment)
{
    return QStringLiteral("☆ 正解 ☆\n\nコメント ： ") + comment
           + QStringLiteral("\n\n次の問題に進みます");
}

QString RepeatWrongText(const QString &answer, const QString &comment)
{
    return QStringLiteral("☆ 不正解 ☆\n\n正解 ： ") + answer + QStringLiteral("\nコメント ： ")
           + comment + QStringLiteral("\n\n問題を繰り返します");
}

int DrillRate(const DrillState &d)
{
    return CorrectRateValue(d.AtariCount, d.AskedCount);
}

AfterResult AfterJudging(const DrillState &d)
{
    if (d.AskedCount < d.QuestionNum || d.Repeating)
        return AfterResult::NextQuestion;
    return AfterResult::Finished;
}

bool ShouldAdvanceContinue(const DrillState &d, AfterResult after)
{
    if (d.NotRandomContinue != 1)
        return false;
    return after == AfterResult::Finished || !d.Repeating;
}

void ResetDrill(DrillState &d)
{
    d.AskedCount = 0;
    d.AtariCount = 0;
    d.HazureCount = 0;
    d.WordTaken = 0;
    d.Repeating = 0;
    d.Running = false;
    d.lstQuestionIndex.clear();
    d.lstUndo.clear();
    d.lstUndoNum.clear();
    d.lstNarabi.clear();
    d.lstTempNarabi.clear();
    d.lstHint.clear();
}
