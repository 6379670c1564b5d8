#include "drill/Presentation.h"

#include "drill/Collection.h"
#include "drill/DrillState.h"
#include "platform/Random.h"
#include "records/StudyDetails.h"
#include "settings/Settings.h"

namespace {
// Next position of a cycling list: after the last entry comes entry 0.
int nextPos(int pos, int count)
{
    return (pos + 1 >= count || pos < 0) ? 0 : pos + 1;
}

QuestionChoice entryAt(const QStringList &list, int pos)
{
    QuestionChoice c;
    if (pos < 0 || pos >= list.size()) {
        c.caption = CollectionErrorCaption();
        c.message = QStringLiteral("出題できる問題がありません。");
        return c;
    }
    c.ok = true;
    c.line = list.at(pos).toInt();
    return c;
}

QString colon()
{
    return QStringLiteral(" ： ");
}
} // namespace

QuestionChoice ChooseNextQuestion(DrillState &d)
{
    switch (ActiveOption(d)) {
    case DrillOption::SameQuestion:
        return ReviewQuestion(d, false, d.AskedCount);
    case DrillOption::ErrorOnly:
        return ReviewQuestion(d, true, d.AskedCount);
    case DrillOption::NotSameQuestion:
        d.NotSamePos = nextPos(d.NotSamePos, int(d.lstNotSameQuestion.size()));
        return entryAt(d.lstNotSameQuestion, d.NotSamePos);
    case DrillOption::NotRandom:
        if (d.NotRandomContinue)
            return entryAt(d.lstQuestionIndex, d.ContinuePos);
        d.NotRandomPos = nextPos(d.NotRandomPos, int(d.lstQuestionIndex.size()));
        return entryAt(d.lstQuestionIndex, d.NotRandomPos);
    case DrillOption::None:
        break;
    }
    if (d.ImportantOnly) {
        if (d.ImportantPos + 1 >= d.lstImportantIndex.size()) {
            if (d.NormalAfterImportant) {
                const int k = Random::global().index(int(d.lstQuestionIndex.size()));
                return entryAt(d.lstQuestionIndex, k);
            }
            d.ImportantPos = 0;
        } else {
            d.ImportantPos += 1;
        }
        return entryAt(d.lstImportantIndex, d.ImportantPos);
    }
    const int k = Random::global().index(int(d.lstQuestionIndex.size()));
    return entryAt(d.lstQuestionIndex, k);
}

bool TakeNextQuestion(DrillState &d, const QString &collectionPath, int questionType,
                      QuestionChoice *choice)
{
    QuestionChoice c;
    if (d.Repeating) {
        c.ok = true;
        c.line = d.CurrentLine;
    } else {
        c = ChooseNextQuestion(d);
        if (c.ok) {
            QString error;
            if (LoadQuestion(collectionPath, c.line, questionType, d, &error)) {
                RecordAskedLine(d, d.AskedCount, c.line);
            } else {
                c.ok = false;
                c.caption = CollectionErrorCaption();
                c.message = error;
            }
        }
    }
    if (choice)
        *choice = c;
    return c.ok;
}

bool TakeQuestion(DrillState &d, const QString &collectionPath, int questionType, int line,
                  QString *error)
{
    if (!LoadQuestion(collectionPath, line, questionType, d, error))
        return false;
    RecordAskedLine(d, 0, line);
    return true;
}

void AdvanceContinuePos(DrillState &d)
{
    d.ContinuePos = nextPos(d.ContinuePos, int(d.lstQuestionIndex.size()));
}

void SplitAnswerWords(const QString &answer, QStringList *hint, QStringList *words)
{
    // One pass over the sentence: each piece is copied once.
    qsizetype start = 0;
    for (;;) {
        const qsizetype p = answer.indexOf(QLatin1Char(' '), start);
        const QString piece = answer.mid(start, p < 0 ? -1 : p - start);
        // The last piece is always kept (an empty one too), so that the
        // hint shows the sentence's last character.
        if (hint && (p < 0 || !piece.isEmpty()))
            hint->append(piece);
        if (words)
            words->append(piece);
        if (p < 0)
            break;
        start = p + 1;
    }
}

QString HintLine(const QStringList &hintWords, const QString &hintSymbol)
{
    QString text;
    QString tail;
    for (int i = 0; i < hintWords.size(); ++i) {
        const QString &w = hintWords.at(i);
        const bool hasComma = w.contains(QLatin1Char(','));
        int len = int(w.size());
        if (i == hintWords.size() - 1) {
            tail = w.right(1);
            len -= 1;
        }
        text += QLatin1Char(' ');
        if (hasComma) {
            text += hintSymbol.repeated(qMax(0, len - 1));
            text += QLatin1Char(',');
        } else {
            text += hintSymbol.repeated(qMax(0, len));
        }
    }
    return text + tail;
}

void ShuffleNarabi(DrillState &d)
{
    const int n = int(d.lstNarabi.size());
    for (int i = 0; i < n; ++i) {
        Random::seedFromClock();
        const int k = Random::global().index(int(d.lstNarabi.size()));
        d.lstTempNarabi.append(d.lstNarabi.at(k));
        d.lstNarabi.removeAt(k);
    }
}

QString HoleLine(const QString &answer, const QString &holeWord)
{
    const int len = int(holeWord.size());
    const int p = int(answer.indexOf(holeWord));
    if (p < 0) {
        // The word is not in the sentence: nothing precedes the blank, and
        // the sentence follows from its character number len (from 1) on.
        return HoleBlank() + answer.mid(qMax(0, len - 1));
    }
    return answer.left(p) + HoleBlank() + answer.mid(p + len);
}

QString PrepareFillIn(DrillState &d)
{
    d.lstHoleString = d.HoleWords.split(QLatin1Char(','));
    d.HoleWord = d.lstHoleString.at(Random::global().index(int(d.lstHoleString.size())));
    if (d.HoleWord.isEmpty()) {
        d.HoleWord = d.AnswerText;
        return QString();
    }
    return HoleLine(d.AnswerText, d.HoleWord);
}

PreparedQuestion PrepareQuestion(DrillState &d, const Settings &s)
{
    PreparedQuestion out;
    const bool toEnglish = s.QuestionType == 0;
    switch (s.AnswerType) {
    case 1:
        if (toEnglish) {
            d.lstNarabi.clear();
            SplitAnswerWords(d.AnswerText, &d.lstHint, &d.lstNarabi);
            ShuffleNarabi(d);
        }
        break;
    case 2:
        out.showHole = true;
        if (toEnglish)
            SplitAnswerWords(d.AnswerText, &d.lstHint, nullptr);
        out.holeLine = PrepareFillIn(d);
        break;
    default:
        if (toEnglish)
            SplitAnswerWords(d.AnswerText, &d.lstHint, nullptr);
        break;
    }
    if (!d.Repeating)
        d.AskedCount += 1;
    out.questionNumLabel = CountLabel(d.AskedCount, d.QuestionNum);
    if (s.ShowHint == 1)
        out.hintText = HintLine(d.lstHint, s.HintSymbol);
    out.keywordStatus = KeywordStatusText(d.CurrentKeyword);
    out.countdownSeconds = CountdownSeconds(d, s);
    return out;
}

int QuestionColor(const Settings &s, int questionRate, int drillRate, bool firstQuestion)
{
    if (s.ChangeColorOn != 1)
        return s.FontQuestionColor;
    bool change;
    if (s.ChangeColorType == 1)
        change = questionRate <= s.ChangeColorPercent;
    else
        change = firstQuestion || drillRate < s.ChangeColorPercent;
    return change ? s.ChangeColor : s.FontQuestionColor;
}

int RateValue(const QString &rate)
{
    bool ok = false;
    const int v = rate.trimmed().toInt(&ok);
    return ok ? v : 0;
}

QString EnglishSentence(const DrillState &d, int questionType)
{
    return questionType == 1 ? d.QuestionText : d.AnswerText;
}

QString KeywordStatusText(const QString &keywordLine)
{
    return keywordLine == NoKeywordLine() ? QStringLiteral("解説なし") : QStringLiteral("解説あり");
}

QString CountLabel(int count, int total)
{
    return colon() + QString::number(count) + QStringLiteral(" / ") + QString::number(total);
}

QString PercentLabel(int rate)
{
    return colon() + QString::number(rate) + QStringLiteral(" / 100 ％");
}

QString TimeLabel(int remaining, int limit)
{
    return DrillTimerLabel(remaining, limit, true);
}

int CountdownSeconds(const DrillState &d, const Settings &s)
{
    if (d.SelfStudyOn == 1)
        return d.SelfStudyTime;
    if (s.TimeLimitOn == 1)
        return s.TimeLimit;
    return 0;
}

IdleLabels FinishedIdleLabels()
{
    return {QStringLiteral(" : 0 / 0"), QStringLiteral(" : 0 / 0"),
            QStringLiteral(" : 0 / 100％"), QStringLiteral(" : 0 / 0秒")};
}

IdleLabels StoppedIdleLabels()
{
    return {QStringLiteral(" ： 0 / 0"), QStringLiteral(" ： 0 / 0"),
            QStringLiteral(" ： 0 / 100％"), QStringLiteral(" ： 0 / 0秒")};
}
