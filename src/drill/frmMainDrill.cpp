// The drill commands of the main window: start, quick start, result, stop,
// the word-list commands, play, the type boxes and the collection box, and
// the presenting and judging of each question.
#include "drill/frmMainDrill.h"

#include "app/frmMain.h"
#include "companion/Companion.h"
#include "companion/UiCompanion.h"
#include "drill/Collection.h"
#include "drill/DrillFlow.h"
#include "drill/Judging.h"
#include "drill/Presentation.h"
#include "drill/QuestionSet.h"
#include "drill/frmQuestionSetup.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "records/Importance.h"
#include "records/QuestionData.h"
#include "records/RecordPaths.h"
#include "records/StudyDetails.h"
#include "records/frmResult.h"
#include "records/frmResultAtari.h"
#include "records/frmResultCheck.h"
#include "records/frmResultError.h"
#include "records/frmShowError.h"
#include "settings/RecentFiles.h"
#include "widgets/Captions.h"
#include "widgets/Gauge.h"
#include "widgets/Look.h"
#include "widgets/StatusBar.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// The date texts the records use as "now", taken afresh from the clock so
// that a judged answer never waits for the date timer's next tick.
void refreshDates(TfrmMain &w)
{
    w.dates = DateStrings::from(Clock::currentTime());
}

bool rearranging(const Settings &s)
{
    return s.AnswerType == 1 && s.QuestionType == 0;
}

void setClearEnabled(TfrmMain &w, bool on)
{
    w.cmdClear->setEnabled(on);
    w.cmdClear_1->setEnabled(on);
    w.cmdClear_2->setEnabled(on);
}

void setDeleteEnabled(TfrmMain &w, bool on)
{
    w.cmdDelete->setEnabled(on);
    w.cmdDelete_1->setEnabled(on);
    w.cmdDelete_2->setEnabled(on);
}

// The question text in a colour number of the settings (red in the low byte).
void setQuestionColor(TfrmMain &w, int colorNumber)
{
    SetPaneTextColor(w.moQuestion, ColorFromNumber(colorNumber));
}

// Presents the current question (read already): the answer form, comment,
// counter, hint line, colour, status bar, companion and countdown.
void presentQuestion(TfrmMain &w, bool first)
{
    DrillState &d = w.drill;
    const Settings &s = w.settings;

    const PreparedQuestion p = PrepareQuestion(d, s);
    w.moQuestion->append(d.QuestionText);

    if (rearranging(s))
        w.lstAnswer->addItems(d.lstTempNarabi);
    if (p.showHole) {
        w.moHole->setVisible(true);
        w.moHole->clear();
        if (!p.holeLine.isEmpty()) {
            w.moHole->append(p.holeLine);
            w.FitHolePane();
        }
    }

    w.moComment->clear();
    if (s.ShowComment == 1)
        w.moComment->append(d.CommentText);

    if (first) {
        w.cgQuestionNum->setMaxValue(qMax(1, d.QuestionNum));
        w.cgAtariNum->setMaxValue(qMax(1, d.QuestionNum));
        w.cgAtariNum->setProgress(0);
        w.cgPercent->setProgress(0);
        w.lblAtariNum->setText(CountLabel(0, d.QuestionNum));
        w.lblPercent->setText(PercentLabel(0));
    }
    w.lblQuestionNum->setText(p.questionNumLabel);
    w.cgQuestionNum->setProgress(d.AskedCount);

    w.pnlHint->setText(p.hintText);

    const QString english = EnglishSentence(d, s.QuestionType);
    int questionRate = 0;
    if (s.ChangeColorOn == 1 && s.ChangeColorType == 1)
        questionRate = RateValue(LoadQuestionData(QuestionDataFile(s), english).Rate);
    setQuestionColor(w, QuestionColor(s, questionRate, w.cgPercent->progress(), first));

    w.sbInfo->setPanelText(3, p.keywordStatus);

    if (s.VoiceOn == 1) {
        w.cmdPlay->setEnabled(true);
        w.cmdPlay_1->setEnabled(true);
        w.cmdPlay_2->setEnabled(true);
        if (s.AutoVoiceOn == 1)
            Companion::speak(s, english);
    }

    if (p.countdownSeconds > 0) {
        w.lblTime->setText(TimeLabel(p.countdownSeconds, p.countdownSeconds));
        w.cgTime->setMaxValue(p.countdownSeconds);
        w.cgTime->setProgress(p.countdownSeconds);
        d.RemainingSeconds = p.countdownSeconds;
        w.tmrTimer->start();
    }

    w.txtAnswer->setFocus();
}

// Back to the idle window after a finished drill or Stop.
void showIdle(TfrmMain &w, const IdleLabels &labels)
{
    ResetDrill(w.drill);
    w.SetDrillState(false);
    w.moQuestion->clear();
    w.moHole->clear();
    w.moHole->setVisible(false);
    w.SetQuestionPaneHeight(w.settings.moQuestionSize);
    w.txtAnswer->clear();
    w.lstAnswer->clear();
    w.moComment->clear();
    for (TGauge *g : {w.cgQuestionNum, w.cgAtariNum, w.cgPercent, w.cgTime})
        g->setProgress(0);
    w.lblQuestionNum->setText(labels.questionNum);
    w.lblAtariNum->setText(labels.atariNum);
    w.lblPercent->setText(labels.percent);
    w.lblTime->setText(labels.time);
    w.pnlHint->setText(QString());
    w.sbInfo->setPanelText(4, QString());
}

// The end of a drill whose last question has been judged: the recent-drill
// rate, the finish sound, the drill record, the summary, the study log and
// the idle window.
void finishDrill(TfrmMain &w)
{
    DrillState &d = w.drill;
    const Settings &s = w.settings;
    refreshDates(w);
    const QString rate = QString::number(w.cgPercent->progress());

    SaveReport saves;
    QString error;
    saves.note(SaveNowDetail(s, w.details, rate, &error), error);

    if (d.AtariCount == d.QuestionNum) {
        if (s.FinishOn == 1)
            platform().playSound(s.FinishSoundFile);
        Companion::react(s, Companion::Correct);
    }

    const int record = qBound(0, d.DrillCount, DrillState::MaxDrills);
    const QString startTime = d.Drills.value(record).StartTime;
    FinishDrillRecord(d, rate, s.QuestionFilePath, s.ReferenceFilePath, w.dates.Time);

    if (s.ErrorDialogOn == 1) {
        TfrmShowError dlg(&w);
        platform().execDialog(&dlg);
    } else {
        TfrmResult dlg(&w);
        platform().execDialog(&dlg);
    }

    if (s.MakeLogFile == 1) {
        refreshDates(w);
        // A log that cannot be written is reported with the rest; the drill
        // end goes on.
        saves.note(MakeStudyLog(s, w.dates, startTime, d.QuestionNum, d.AtariCount, d.HazureCount,
                                rate, &error),
                   error);
    }
    if (!saves.isEmpty())
        platform().message(&w, ErrorCaption(), saves.message(DrillEndSaveFailedHeading()),
                           MsgKind::Warning);

    showIdle(w, FinishedIdleLabels());
}

// The verdict of the answer in InputAnswer; in self-scoring mode the learner
// gives it in the self-scoring dialog (closing it without a verdict counts as
// wrong).
bool verdict(TfrmMain &w)
{
    if (VerdictModeOf(w.drill, w.settings) == VerdictMode::SelfScoring) {
        w.drill.SelfScore = 0;
        TfrmResultCheck dlg(&w);
        platform().execDialog(&dlg);
    }
    return JudgeAnswer(w.drill, w.settings, AnswersFile(w.settings));
}

void playEffectSound(const AnswerEffects &e)
{
    if (!e.sound.isEmpty())
        platform().playSound(e.sound);
}

void adjustImportance(TfrmMain &w, bool correct)
{
    const Settings &s = w.settings;
    // A file that cannot be written keeps its marks; the failure is reported
    // with the answer's other saves.
    QString error;
    w.AnswerSaves.note(AdjustImportance(ImportanceFile(s), ImportanceScratchFile(s),
                                        w.drill.CurrentLine, correct, &error),
                       error);
}

void showAtariCount(TfrmMain &w)
{
    const DrillState &d = w.drill;
    w.lblAtariNum->setText(CountLabel(d.AtariCount, d.QuestionNum));
    w.cgAtariNum->setProgress(d.AtariCount);
}

void copyQuestionCounts(DrillState &d, const QuestionData &q)
{
    d.QAskedCount = q.Asked;
    d.QAtariCount = q.Atari;
    d.QRate = q.Rate;
}

} // namespace

// --- drill start ---------------------------------------------------------------

namespace DrillWindow {

bool LoadCollection(TfrmMain &w, QWidget *parent)
{
    QString error;
    if (ScanCollection(w.settings.QuestionFilePath, w.drill.lstQuestionIndex, &error))
        return true;
    platform().message(parent, CollectionErrorCaption(), error, MsgKind::Warning);
    return false;
}

void ShowFileNames(TfrmMain &w, const DrillStartFiles &added)
{
    const QString question = Paths::fileName(w.settings.QuestionFilePath);
    const QString reference = Paths::fileName(w.settings.ReferenceFilePath);
    const QSignalBlocker b1(w.cboQuestionFile);
    const QSignalBlocker b2(w.cboReferenceFile);
    if (added.questionAdded && w.cboQuestionFile->findText(question) < 0)
        w.cboQuestionFile->addItem(question);
    if (added.referenceAdded && w.cboReferenceFile->findText(reference) < 0)
        w.cboReferenceFile->addItem(reference);
    w.cboQuestionFile->setEditText(question);
    w.cboReferenceFile->setEditText(reference);
}

void ClearPanes(TfrmMain &w)
{
    w.moQuestion->clear();
    w.moComment->clear();
    w.txtAnswer->clear();
}

bool BeginDrill(TfrmMain &w, int firstLine, bool fromSetupDialog, QWidget *parent)
{
    DrillState &d = w.drill;
    Settings &s = w.settings;
    w.tmrTimer->stop();
    d.AskedCount = 0;
    d.AtariCount = 0;
    d.HazureCount = 0;
    d.Repeating = 0;
    d.WordTaken = 0;
    d.AcceptedAsCorrect = false;
    d.lstHint.clear();
    d.lstTempNarabi.clear();
    d.lstUndo.clear();
    d.lstUndoNum.clear();

    const QString startTime = DateStrings::timeText(Clock::currentTime().time());
    BeginDrillRecord(d, s.QuestionFilePath, s.ReferenceFilePath, startTime);
    QString error;
    if (!TakeQuestion(d, s.QuestionFilePath, s.QuestionType, firstLine, &error)) {
        platform().message(parent, ErrorCaption(), error, MsgKind::Warning);
        return false;
    }

    ClearPanes(w);
    w.lstAnswer->clear();
    w.pnlHint->setText(QString());
    presentQuestion(w, true);

    w.SetDrillState(true);
    if (rearranging(s)) {
        setClearEnabled(w, true);
        if (fromSetupDialog) {
            w.cmdDelete->setEnabled(true);
            w.cmdDelete_1->setEnabled(true);
        }
    }
    if (s.VoiceOn == 1) {
        w.cmdPlay->setEnabled(true);
        w.cmdPlay_1->setEnabled(true);
        w.cmdPlay_2->setEnabled(true);
    }
    w.sbInfo->setPanelText(1, Paths::fileName(s.QuestionFilePath));
    w.sbInfo->setPanelText(2, Paths::fileName(s.ReferenceFilePath));

    if (s.AutoImeOn == 1)
        platform().setInputMethod(w.txtAnswer, s.QuestionType == 1);
    w.txtAnswer->setFocus();
    return true;
}

} // namespace DrillWindow

// --- states ------------------------------------------------------------------------

// Idle: Start and the set-up and file boxes enabled, the in-drill commands
// disabled. Drilling: the reverse; play only with the companion in use.
void TfrmMain::SetDrillState(bool running)
{
    drill.Running = running;
    for (QWidget *w : {static_cast<QWidget *>(cmdStart), static_cast<QWidget *>(cmdStart_1)})
        w->setEnabled(!running);
    cmdStart_2->setEnabled(!running);

    for (QWidget *w : {static_cast<QWidget *>(cmdResult), static_cast<QWidget *>(cmdResult_1),
                       static_cast<QWidget *>(cmdStop), static_cast<QWidget *>(cmdStop_1)})
        w->setEnabled(running);
    cmdResult_2->setEnabled(running);
    cmdStop_2->setEnabled(running);

    // Clear and Delete are enabled during a drill by the rearranging mode or
    // by taking a word; both states begin with them off.
    setClearEnabled(*this, false);
    setDeleteEnabled(*this, false);

    const bool play = running && settings.VoiceOn == 1;
    cmdPlay->setEnabled(play);
    cmdPlay_1->setEnabled(play);
    cmdPlay_2->setEnabled(play);

    cboQuestionType->setEnabled(!running);
    cboAnswerType->setEnabled(!running && cboQuestionType->currentIndex() == 0);
    txtQuestionNum->setEnabled(!running);
    udQuestionNum->setEnabled(!running);
    cmdOk->setEnabled(!running);
    cboQuestionFile->setEnabled(!running);
    cmdSelectQuestionFile->setEnabled(!running);
    cboReferenceFile->setEnabled(!running);
    cmdSelectReferenceFile->setEnabled(!running);

    cmdStart->setDefault(!running);
    cmdResult->setDefault(running);
    // Result is the default command of a drill: Enter in the answer box
    // judges (the handler does nothing while idle).
    connect(txtAnswer, &QLineEdit::returnPressed, this, &TfrmMain::cmdResultClick,
            Qt::UniqueConnection);
}

// --- commands -------------------------------------------------------------------------

void TfrmMain::cmdStartClick()
{
    if (drill.Running)
        return;
    TfrmQuestionSetup dlg(this, this);
    platform().execDialog(&dlg);
}

// Quick start with the set-up last chosen. Its first question follows the
// drill options in force, like every later one (a review starts at the
// reviewed drill's first question, no-repeat mode at entry 0 of the freshly
// shuffled list, resume at the saved position).
void TfrmMain::cmdOkClick()
{
    if (drill.Running)
        return;
    int number = 0;
    const QString problem = CheckQuickStartInput(txtQuestionNum->text(), &number);
    if (!problem.isEmpty()) {
        platform().message(this, QuickStartErrorCaption(), problem, MsgKind::Warning);
        return;
    }
    settings.QuestionType = cboQuestionType->currentIndex() == 1 ? 1 : 0;
    settings.AnswerType = settings.QuestionType == 1 ? 0 : qMax(0, cboAnswerType->currentIndex());

    const DrillFilesSnapshot before(drill, settings);
    UseReviewedDrillFiles(drill, settings);
    if (!DrillWindow::LoadCollection(*this, this)) {
        before.restore(drill, settings);
        return;
    }
    drill.QuestionNum = number;
    settings.QuestionNum = number; // what the next start offers
    const DrillStartFiles files = PrepareDrillStart(drill, settings);
    if (!files.error.isEmpty())
        platform().message(this, ErrorCaption(), files.error, MsgKind::Warning);
    DrillWindow::ShowFileNames(*this, files);
    DrillWindow::ClearPanes(*this);

    const QuestionChoice first = ChooseFirstQuestion(
        drill, ReadContinuePos(settings.setupIniPath(), Paths::fileName(settings.QuestionFilePath)),
        ImportanceFile(settings));
    if (!first.ok) {
        drill.lstQuestionIndex.clear();
        platform().message(this, first.caption.isEmpty() ? ErrorCaption() : first.caption,
                           first.message, MsgKind::Warning);
        return;
    }
    if (drill.QuestionNum != number)
        txtQuestionNum->setText(QString::number(drill.QuestionNum));
    if (!DrillWindow::BeginDrill(*this, first.line, false, this))
        drill.lstQuestionIndex.clear();
}

void TfrmMain::cmdResultClick()
{
    tmrTimer->stop();
    if (!drill.Running)
        return;
    if (UseRepeatCheck(drill, settings))
        CheckRepeatResult();
    else
        CheckResult();

    refreshDates(*this);
    // Both stores are written even when one of them fails.
    QString error;
    AnswerSaves.note(SaveDayDetail(settings, dates, details, &error), error);
    AnswerSaves.note(SaveYearDetail(settings, dates, details, &error), error);
    sbInfo->setPanelText(4, MonthRateStatusText(details));

    drill.WordTaken = 0;
    moQuestion->clear();
    txtAnswer->clear();
    lstAnswer->clear();
    moComment->clear();
    drill.lstHint.clear();
    drill.lstTempNarabi.clear();
    pnlHint->setText(QString());
    // The words taken belong to this question's list: the next question
    // starts with nothing to put back.
    drill.lstUndo.clear();
    drill.lstUndoNum.clear();
    setDeleteEnabled(*this, false);

    const int rate = DrillRate(drill);
    cgPercent->setProgress(rate);
    lblPercent->setText(PercentLabel(rate));

    const AfterResult after = AfterJudging(drill);
    if (ShouldAdvanceContinue(drill, after)) {
        AdvanceContinuePos(drill);
        AnswerSaves.note(SaveContinuePos(settings.setupIniPath(),
                                         Paths::fileName(settings.QuestionFilePath),
                                         drill.ContinuePos, &error),
                         error);
    }
    // Everything this answer could not save, in one message.
    if (!AnswerSaves.isEmpty()) {
        platform().message(this, ErrorCaption(), AnswerSaves.message(AnswerSaveFailedHeading()),
                           MsgKind::Warning);
        AnswerSaves.clear();
    }
    if (after == AfterResult::NextQuestion)
        NextQuestion();
    else
        finishDrill(*this);
}

void TfrmMain::cmdStopClick()
{
    tmrTimer->stop();
    showIdle(*this, StoppedIdleLabels());
}

void TfrmMain::lstAnswerDblClick()
{
    const int i = lstAnswer->currentRow();
    if (i < 0 || i >= lstAnswer->count())
        return;
    const QString word = lstAnswer->item(i)->text();
    drill.lstUndo.append(word);
    drill.lstUndoNum.append(QString::number(i));
    setClearEnabled(*this, true);
    setDeleteEnabled(*this, true);
    if (drill.WordTaken) {
        txtAnswer->setText(txtAnswer->text() + QLatin1Char(' ') + word);
    } else {
        txtAnswer->setText(word);
        drill.WordTaken = 1;
    }
    delete lstAnswer->takeItem(i);
    // Nothing stays selected, so a double-click beside the words takes none.
    lstAnswer->setCurrentRow(-1);
}

void TfrmMain::cmdClearClick()
{
    txtAnswer->clear();
    lstAnswer->clear();
    drill.lstUndo.clear();
    drill.lstUndoNum.clear();
    setClearEnabled(*this, false);
    setDeleteEnabled(*this, false);
    drill.WordTaken = 0;
    lstAnswer->addItems(drill.lstTempNarabi);
}

void TfrmMain::cmdDeleteClick()
{
    QString text = txtAnswer->text();
    const int p = int(text.lastIndexOf(QLatin1Char(' ')));
    if (p < 0) {
        text.clear();
        drill.WordTaken = 0;
        setDeleteEnabled(*this, false);
    } else {
        text = text.left(p);
    }
    txtAnswer->setText(text);

    if (drill.lstUndo.isEmpty() || drill.lstUndoNum.isEmpty())
        return;
    const int k = int(qMin(drill.lstUndo.size(), drill.lstUndoNum.size())) - 1;
    const int pos = qBound(0, drill.lstUndoNum.at(k).toInt(), lstAnswer->count());
    lstAnswer->insertItem(pos, drill.lstUndo.at(k));
    drill.lstUndo.removeAt(k);
    drill.lstUndoNum.removeAt(k);
}

void TfrmMain::cmdPlayClick()
{
    if (!drill.Running)
        return;
    Companion::speak(settings, EnglishSentence(drill, settings.QuestionType));
}

void TfrmMain::cboQuestionTypeChange()
{
    if (cboQuestionType->currentIndex() == 1) {
        settings.QuestionType = 1;
        settings.AnswerType = 0;
        cboAnswerType->setCurrentIndex(0);
        cboAnswerType->setEnabled(false);
    } else {
        settings.QuestionType = 0;
        cboAnswerType->setEnabled(!drill.Running);
    }
}

void TfrmMain::cboAnswerTypeChange()
{
    settings.AnswerType = qMax(0, cboAnswerType->currentIndex());
}

void TfrmMain::cmdSelectQuestionFileClick()
{
    QString folder = Paths::folderOf(settings.QuestionFilePath);
    if (folder.isEmpty())
        folder = settings.ProgramFolder + QStringLiteral("dictionary/");
    const QString path = platform().openFileName(this, QStringLiteral("問題集の選択"), folder,
                                                 QuestionFileFilter());
    if (path.isEmpty())
        return;
    QString error;
    if (!RememberRecentPath(settings, RecentList::Question, path, &error))
        platform().message(this, ErrorCaption(), error, MsgKind::Warning);
    settings.QuestionFilePath = path;
    EndReviewOption(drill);
    const QSignalBlocker block(cboQuestionFile);
    cboQuestionFile->setEditText(Paths::fileName(path));
}

void TfrmMain::cboQuestionFileChange()
{
    settings.QuestionFilePath = RecentFilePath(settings, RecentList::Question, cboQuestionFile->currentText());
    EndReviewOption(drill);
}

void TfrmMain::cmdQOpenByMemoClick()
{
    const QString path = RecentFilePath(settings, RecentList::Question, cboQuestionFile->currentText());
    if (path.isEmpty()) {
        platform().message(this, ErrorCaption(), QStringLiteral("問題集が選択されていません。"),
                           MsgKind::Warning);
        return;
    }
    if (!platform().shellOpen(path))
        platform().message(this, ErrorCaption(),
                           QStringLiteral("問題集ファイル「%1」を開くことができません。").arg(path),
                           MsgKind::Warning);
}

// --- presenting and judging ------------------------------------------------------------

void TfrmMain::NextQuestion()
{
    QuestionChoice choice;
    if (!TakeNextQuestion(drill, settings.QuestionFilePath, settings.QuestionType, &choice)) {
        if (choice.message.isEmpty()) {
            // A review has asked every question its drill recorded: the
            // drill ends with the questions it asked.
            drill.QuestionNum = drill.AskedCount;
            finishDrill(*this);
        } else {
            platform().message(this, choice.caption.isEmpty() ? ErrorCaption() : choice.caption,
                               choice.message, MsgKind::Warning);
            cmdStopClick();
        }
        return;
    }
    presentQuestion(*this, false);
}

void TfrmMain::CheckResult()
{
    DrillState &d = drill;
    const Settings &s = settings;
    BeginJudging(d, txtAnswer->text());
    refreshDates(*this);
    const QString dataFile = QuestionDataFile(s);
    const QString section = QuestionDataSection(s.QuestionType, d.QuestionText, d.AnswerText);
    QuestionData q = LoadQuestionData(dataFile, section);
    GetYearDetail(s, dates, details);
    GetDayDetail(s, dates, details);

    const bool correct = verdict(*this);
    CountQuestionAnswer(q, correct);
    CountDetailAnswer(details, correct);
    copyQuestionCounts(d, q);

    const AnswerEffects e = FirstAnswerEffects(d, s, correct);
    playEffectSound(e);
    if (!e.voiceCommand.isEmpty())
        Companion::react(s, correct ? Companion::Correct : Companion::Wrong);
    if (e.adjustImportance)
        adjustImportance(*this, correct);

    if (e.display == ResultDisplay::EasyBox) {
        platform().message(this, e.caption, e.text, MsgKind::Information);
    } else if (e.display == ResultDisplay::Dialog) {
        if (correct) {
            TfrmResultAtari dlg(this);
            platform().execDialog(&dlg);
        } else {
            TfrmResultError dlg(this);
            platform().execDialog(&dlg);
        }
    }

    if (correct) {
        CountCorrectAnswer(d);
        showAtariCount(*this);
    } else if (d.AcceptedAsCorrect) {
        AcceptQuestionAnswer(q);
        AcceptDetailAnswer(details);
        copyQuestionCounts(d, q);
        Companion::react(s, Companion::AcceptedAsCorrect);
        if (s.AutoImportantOn == 1)
            adjustImportance(*this, true);
        CountCorrectAnswer(d);
        showAtariCount(*this);
    } else {
        CountWrongAnswer(d, s);
    }

    QString error;
    AnswerSaves.note(SaveQuestionData(dataFile, section, q, &error), error);
}

void TfrmMain::CheckRepeatResult()
{
    BeginJudging(drill, txtAnswer->text());
    const bool correct = verdict(*this);
    const AnswerEffects e = RepeatAnswerEffects(drill, settings, correct);
    playEffectSound(e);
    if (e.display == ResultDisplay::EasyBox)
        platform().message(this, e.caption, e.text, MsgKind::Information);
    FinishRepeatAnswer(drill, settings, correct);
}

void TfrmMain::tmrTimerTimer()
{
    if (!drill.Running) {
        tmrTimer->stop();
        return;
    }
    const bool selfStudy = drill.SelfStudyOn == 1;
    const int limit = selfStudy ? drill.SelfStudyTime : settings.TimeLimit;
    const TimerTick tick = DrillTimerTick(drill.RemainingSeconds, selfStudy, limit);
    if (tick.submit) {
        tmrTimer->stop();
        cmdResultClick();
        return;
    }
    cgTime->setProgress(tick.progress);
    lblTime->setText(tick.label);
}
