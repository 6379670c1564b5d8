// The settings dialog over a temporary program folder: the values it shows,
// what OK writes to Setup.ini/User.ini and applies, what Cancel leaves alone,
// the companion, users, file histories, the plan page, and the plan's
// countdown in the status bar and its start-up messages.
#include <QtTest>

#include "FileSizeLimit.h"
#include "TestEnv.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"
#include "settings/frmSetup.h"
#include "widgets/Gauge.h"
#include "widgets/Look.h"
#include "widgets/StatusBar.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QByteArray bytesOf(const QString &path)
{
    QByteArray b;
    TextFile::readBytes(path, b);
    return b;
}

QStringList rowsOf(const QTreeWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *it = list->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << it->text(c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void clickRow(QTreeWidget *list, int row)
{
    QTreeWidgetItem *it = list->topLevelItem(row);
    list->setCurrentItem(it);
    emit list->itemClicked(it, 0);
}

} // namespace

class TestSetup : public QObject
{
    Q_OBJECT

private slots:
    void showsTheSettings();
    void timeBoxAndUserPageLayout();
    void enablingRules();
    void okWritesAndApplies();
    void pathBoxesShowTheFileName();
    void cancelWritesNothing();
    void refusedNumberChangesNothing();
    void untickedSoundForgetsItsFile();
    void changeColorUntickedKeepsItsChoice();
    void colours();
    void companionAvailability_data();
    void companionAvailability();
    void choosingTheCompanion();
    void companionOnConfirming();
    void registerAndSwitchUser();
    void usersThatCannotBeFolders();
    void fileResetSurvivesCancel();
    void planEditing();
    void planRefusals();
    void planCancelDiscards();
    void countdown();
    void todayAcrossMidnight();
    void todayAnnouncedOnceWhenSetupCannotBeWritten();
    void pastGoalsDroppedOnePerTick();
    void startUpSummary();
};

void TestSetup::showsTheSettings()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeUserIni("User", "UserNum", "2");
    env.writeUserIni("User", "2", "花子");
    env.writeUserIni("花子", "Num", "7");
    env.writeSetup("Setup", "ShowResult", "1");
    env.writeSetup("Setup", "ShowErrorOnly", "1");
    env.writeSetup("Setup", "IgnoreCase", "1");
    env.writeSetup("Setup", "ShowHint", "1");
    env.writeSetup("Setup", "HintSymbol", "*");
    env.writeSetup("Setup", "ChangeColorOn", "1");
    env.writeSetup("Setup", "ChangeColorType", "2");
    env.writeSetup("Setup", "ChangeColorPercent", "30");
    env.writeSetup("Setup", "ShowDate", "1");
    env.writeSetup("Setup", "DateType", "2");
    env.writeSetup("Setup", "moCommentSize", "70");
    env.writeSetup("Font", "FontQuestion", "DejaVu Sans");
    env.writeSetup("Font", "FontQuestionSize", "20");
    env.writeSetup("Color", "FontQuestionColor", "255");
    env.writeSetup("Color", "Time", "65280");
    env.writeSetup("File Path", "defDictionaryFilePath", "/data/辞書.txt");
    env.showMain();

    env.runSetup([&](TfrmSetup *d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("基本設定"));
        QCOMPARE(d->currentPage(), 0);
        QCOMPARE(d->tabPages.size(), 9);
        QCOMPARE(d->tabPages.at(6)->text(), QStringLiteral("スケジュール"));
        QVERIFY(d->chkShowResult->isChecked() && d->chkShowErrorOnly->isChecked());
        QVERIFY(d->chkIgnoreCase->isChecked());
        QVERIFY(!d->chkNotPeriod->isChecked());
        QVERIFY(d->chkAutoImeOn->isChecked()); // default 1
        QCOMPARE(d->cboHint->currentText(), QStringLiteral("*"));
        QCOMPARE(d->txtdefQuestionFilePath->text(), env.path("dictionary/Question.txt"));
        QCOMPARE(d->txtdefDictionaryFilePath->toolTip(), QStringLiteral("/data/辞書.txt"));
        QCOMPARE(rowsOf(d->lstUser), QStringList({"taro|2", "花子|7"})); // this start counted
        QCOMPARE(d->cboUserName->currentText(), QStringLiteral("taro"));
        QVERIFY(!d->cboUserName->isEnabled());
        QVERIFY(d->rbByStudy->isChecked());
        QCOMPARE(d->txtChangeColorPercent->text(), QStringLiteral("30"));
        QCOMPARE(NumberFromColor(d->pnlTimeColor->color()), 65280);
        QCOMPARE(NumberFromColor(d->pnlQuestionNumColor->color()), 8421376);
        // Faces: an installed face is selected, one that is not shows the
        // family used in its place.
        QCOMPARE(d->cboFontQuestion->currentText(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(d->cboFontQuestionSize->currentText(), QStringLiteral("20"));
        QCOMPARE(d->cboFontQuestion->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(d->cboFontHole->currentText(), ScreenFamily(d->cboFontHole->placeholderText()));
        QVERIFY(d->cboFontHole->currentText() != d->cboFontHole->placeholderText());
        QCOMPARE(d->cboFontHole->count(), 2);
        QVERIFY(d->rgDateTypeItems.at(2)->isChecked());
        QCOMPARE(d->txtmoCommentSize->text(), QStringLiteral("70"));
        QCOMPARE(d->txtmoHoleSize->text(), QStringLiteral("27"));
        QVERIFY(d->chkSavePosition->isChecked()); // shown ticked before it was ever written
        d->cmdCancel->click();
    });
}

// The disabled seconds box shows the seconds in use; the user page's
// registration group keeps its own height instead of filling the page.
void TestSetup::timeBoxAndUserPageLayout()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    w->settings.TimeLimit = 25; // chosen earlier in this run, the limit now off
    env.runSetup([&](TfrmSetup *d) {
        QVERIFY(!d->txtTime->isEnabled());
        QCOMPARE(d->txtTime->text(), QStringLiteral("25"));
        d->chkShowUser->click();
        d->tabPages.at(2)->click();
        QApplication::processEvents();
        QVERIFY(d->grpUser->isVisible());
        QCOMPARE(d->grpUser->height(), d->grpUser->sizeHint().height());
        QVERIFY(d->grpUser->geometry().bottom() < d->pcSetup->height() - 20);
    });
}

void TestSetup::enablingRules()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        // Time limit: off at start, ticking fills in the seconds.
        QVERIFY(!d->txtTime->isEnabled() && !d->udTime->isEnabled());
        d->chkTimerOn->click();
        QVERIFY(d->txtTime->isEnabled());
        QCOMPARE(d->txtTime->text(), QStringLiteral("5"));

        d->chkShowErrorOnly->setChecked(true);
        d->chkShowResult->click();
        QVERIFY(!d->chkShowErrorOnly->isChecked() && !d->chkShowErrorOnly->isEnabled());
        QVERIFY(!d->chkEasyResultHazure->isEnabled());
        d->chkShowResult->click();
        QVERIFY(d->chkEasyResultAtari->isEnabled());

        QVERIFY(!d->chkAutoImportantOn->isEnabled());
        d->chkImportantOn->click();
        QVERIFY(d->chkAutoImportantOn->isEnabled());

        QVERIFY(!d->cboHint->isEnabled());
        d->chkShowHint->click();
        QVERIFY(d->cboHint->isEnabled());

        QVERIFY(!d->grpChangeColor->isEnabled());
        QVERIFY(!d->rbByQuestion->isChecked() && !d->rbByStudy->isChecked());
        d->chkChangeColorOn->click();
        QVERIFY(d->grpChangeColor->isEnabled() && d->rbByQuestion->isChecked());
        QCOMPARE(d->txtChangeColorPercent->text(), QStringLiteral("50"));

        QVERIFY(!d->rgDateType->isEnabled() && d->dateTypeIndex() == -1);
        d->chkShowDate->click();
        QCOMPARE(d->dateTypeIndex(), 0);
        d->chkShowDate->click();
        QCOMPARE(d->dateTypeIndex(), -1);

        QVERIFY(d->grpUser->isHidden());
        d->chkShowUser->click();
        QVERIFY(!d->grpUser->isHidden() && d->cboUserName->isEnabled());

        QVERIFY(d->grpPlan->isHidden());
        d->chkPlanOn->click();
        QVERIFY(!d->grpPlan->isHidden());
        d->cmdCancel->click();
    });
}

// A path longer than its box shows its end, the file's name; the tooltip
// holds the whole path.
void TestSetup::pathBoxesShowTheFileName()
{
    TestEnv env(QStringLiteral("英語の勉強/とても長い名前のフォルダ/もう一つの長い名前のフォルダ"));
    env.presetUser(QStringLiteral("taro"));
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->selectPage(1);
        d->grab();   // laid out and painted as the learner sees it
        for (QLineEdit *box : {d->txtdefQuestionFilePath, d->txtdefReferenceFilePath, d->txtdefDictionaryFilePath}) {
            const QString path = box->text();
            const QRect inside = box->contentsRect();
            QVERIFY2(box->fontMetrics().horizontalAdvance(path) > inside.width(), qPrintable(path));
            const int nameStart = int(path.lastIndexOf(QLatin1Char('/'))) + 1;
            QVERIFY2(box->cursorPositionAt(QPoint(inside.left() + 4, inside.center().y())) < nameStart,
                     qPrintable(box->objectName()));
            QCOMPARE(box->cursorPositionAt(QPoint(inside.right() - 4, inside.center().y())), int(path.size()));
            QCOMPARE(box->toolTip(), path);
        }
        d->cmdCancel->click();
    });
}

void TestSetup::okWritesAndApplies()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    const QString question = env.path("q/Exam.txt");
    env.platform.fileAnswers.enqueue(question);
    env.runSetup([&](TfrmSetup *d) {
        d->chkTimerOn->click();
        d->txtTime->setText(QStringLiteral("12"));
        d->chkIgnoreCase->click();
        d->chkShowComment->click();
        d->chkShowHint->click();
        d->cboHint->setEditText(QStringLiteral("+"));
        d->cmdSelectDefQuestionFile->click();
        QCOMPARE(d->txtdefQuestionFilePath->toolTip(), question);
        d->cboFontQuestion->setCurrentIndex(1);
        d->cboFontQuestionSize->setEditText(QStringLiteral("22"));
        d->chkShowDate->click();
        d->rgDateTypeItems.at(1)->click();
        d->txtmoQuestionSize->setText(QStringLiteral("120"));
        d->chkNotFlat->click();
        d->chkShowUser->click();
        d->cmdOk->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    const Settings &s = w->settings;
    QCOMPARE(s.TimeLimitOn, 1);
    QCOMPARE(s.TimeLimit, 12);
    QCOMPARE(w->drill.RemainingSeconds, 12);
    QCOMPARE(env.readSetup("Setup", "IgnoreCase"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Setup", "ShowComment"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Setup", "HintSymbol"), QStringLiteral("+"));
    QCOMPARE(env.readSetup("File Path", "defQuestionFilePath"), question);
    QCOMPARE(env.readSetup("Font", "FontQuestion"), QStringLiteral("DejaVu Sans"));
    QCOMPARE(env.readSetup("Font", "FontQuestionSize"), QStringLiteral("22"));
    // A face that is not installed is kept as it was.
    QCOMPARE(env.readSetup("Font", "FontHole"), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(env.readSetup("Setup", "ShowDate"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Setup", "DateType"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Setup", "moQuestionSize"), QStringLiteral("120"));
    QCOMPARE(env.readSetup("Setup", "NotFlat"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Setup", "SavePosition"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("0"));
    QCOMPARE(env.readUserIni("Setup", "ShowUser"), QStringLiteral("1"));
    QCOMPARE(s.ShowUser, 1);
    // The time limit is never stored.
    QVERIFY(!IniFile(env.userFolder() + "Setup.ini").hasKey("Setup", "TimeLimit"));
    QVERIFY(IniFile(env.userFolder() + "Setup.ini").sections().contains("Plan"));
    // Applied at once.
    QVERIFY(w->pnlComment->isVisible());
    QVERIFY(w->pnlHint->isVisible());
    QCOMPARE(w->pnlQuestion->height(), 120);
    QVERIFY(!w->cmdStart_1->autoRaise());
    QCOMPARE(w->moQuestion->font().pointSize(), 22);
    env.tickDate();
    QVERIFY(w->windowTitle().contains(w->dates.Year));
}

void TestSetup::cancelWritesNothing()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "ShowResult", "1");
    TfrmMain *w = env.showMain();
    const QByteArray setupBefore = bytesOf(env.userFolder() + "Setup.ini");
    const QByteArray userBefore = bytesOf(env.path("User.ini"));
    env.runSetup([&](TfrmSetup *d) {
        d->chkShowResult->click();
        d->chkShowComment->click();
        d->chkShowUser->click();
        d->chkPlanOn->click();
        d->txtItem->setText(QStringLiteral("英検"));
        d->cmdAdd->click();
        d->cmdCancel->click();
    });
    QCOMPARE(bytesOf(env.userFolder() + "Setup.ini"), setupBefore);
    QCOMPARE(bytesOf(env.path("User.ini")), userBefore);
    QCOMPARE(w->settings.ShowResult, 1);
    QCOMPARE(w->settings.ShowComment, 0);
    QVERIFY(!w->pnlComment->isVisible());
    QVERIFY(env.platform.callsOf("launch").isEmpty() && env.platform.callsOf("close").isEmpty());
}

void TestSetup::refusedNumberChangesNothing()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    const QByteArray before = bytesOf(env.userFolder() + "Setup.ini");
    env.runSetup([&](TfrmSetup *d) {
        d->chkIgnoreCase->click();
        d->cboFontCommentSize->setEditText(QStringLiteral("大"));
        d->cmdOk->click();
        QVERIFY(d->isVisible());
        QCOMPARE(env.platform.messages(),
                 QStringList({"コメント表示用フォントのサイズには、1～200の整数を入力してください"}));
        QCOMPARE(d->currentPage(), 5);
        d->txtmoHoleSize->setText(QStringLiteral("0"));
        d->cboFontCommentSize->setEditText(QStringLiteral("16"));
        d->cmdOk->click();
        QVERIFY(d->isVisible());
        QCOMPARE(env.platform.messages().last(), QStringLiteral("穴埋め問題表示欄の高さには、1～10000の整数を入力してください"));
        d->cmdCancel->click();
    });
    QCOMPARE(w->settings.IgnoreCase, 0);
    QCOMPARE(w->settings.FontCommentSize, 14);
    QCOMPARE(bytesOf(env.userFolder() + "Setup.ini"), before);
}

void TestSetup::untickedSoundForgetsItsFile()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        QCOMPARE(d->txtAtariSoundFile->text(), env.path("hit.wav"));
        QVERIFY(d->cmdTryAtariSoundFile->isEnabled());
        d->cmdTryAtariSoundFile->click();
        QCOMPARE(env.platform.sounds(), QStringList({env.path("hit.wav")}));
        d->chkAtariOn->click();
        QVERIFY(d->txtAtariSoundFile->text().isEmpty() && !d->cmdSelectAtariSoundFile->isEnabled());
        // Finish sound: ticked without a file, the try button waits for one.
        d->chkFinishOn->click();
        QVERIFY(d->cmdSelectFinishSoundFile->isEnabled() && !d->cmdTryFinishSoundFile->isEnabled());
        d->cmdTryFinishSoundFileClick();
        QCOMPARE(env.platform.callsOf("message").last().caption, QStringLiteral("エラー"));
        QCOMPARE(env.platform.messages().last(), QStringLiteral("WAVファイルが選択されていません"));
        env.platform.fileAnswers.enqueue(env.path("finish.wav"));
        d->cmdSelectFinishSoundFile->click();
        QVERIFY(d->cmdTryFinishSoundFile->isEnabled());
        QCOMPARE(env.platform.callsOf("open").last().text, QStringLiteral("サウンドファイル (*.wav)|*.wav"));
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup("Setup", "AtariOn"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("File Path", "AtariSoundFile", "x"), QString());
    QCOMPARE(env.readSetup("Setup", "FinishOn"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("File Path", "FinishSoundFile"), env.path("finish.wav"));
    QCOMPARE(w->settings.AtariSoundFile, QString());
    env.runSetup([&](TfrmSetup *d) {
        d->chkAtariOn->click();
        QVERIFY(d->txtAtariSoundFile->text().isEmpty());
        QVERIFY(!d->cmdTryAtariSoundFile->isEnabled());
        d->cmdCancel->click();
    });
}

void TestSetup::changeColorUntickedKeepsItsChoice()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "ChangeColorOn", "1");
    env.writeSetup("Setup", "ChangeColorType", "2");
    env.writeSetup("Setup", "ChangeColorPercent", "40");
    env.writeSetup("Color", "ChangeColor", "16711680");
    TfrmMain *w = env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->chkChangeColorOn->click();
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup("Setup", "ChangeColorOn"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("Setup", "ChangeColorType"), QStringLiteral("2"));
    QCOMPARE(env.readSetup("Setup", "ChangeColorPercent"), QStringLiteral("40"));
    QCOMPARE(env.readSetup("Color", "ChangeColor"), QStringLiteral("16711680"));
    QCOMPARE(w->settings.ChangeColorType, 2);
}

void TestSetup::colours()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    TfrmMain *w = env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        env.platform.colorAnswers.enqueue(QColor(0, 0, 255));
        d->cmdFontCommentColor->click();
        QCOMPARE(d->cboFontComment->palette().color(QPalette::Text), QColor(0, 0, 255));
        env.platform.colorAnswers.enqueue(QColor(255, 128, 0));
        QTest::mouseClick(d->pnlAtariNumColor, Qt::LeftButton);
        // A cancelled colour dialog changes nothing.
        d->cmdFontAnswerColor->click();
        d->chkChangeColorOn->click();
        env.platform.colorAnswers.enqueue(QColor(0, 128, 0));
        QTest::mouseClick(d->pnlChangeColor, Qt::LeftButton);
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup("Color", "FontCommentColor"), QStringLiteral("16711680"));
    QCOMPARE(env.readSetup("Color", "AtariNum"), QString::number(0x0080FF));
    QCOMPARE(env.readSetup("Color", "FontAnswerColor"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("Color", "ChangeColor"), QString::number(0x008000));
    QCOMPARE(w->cgAtariNum->foreColor(), QColor(255, 128, 0));
    QCOMPARE(w->moComment->palette().color(QPalette::Text), QColor(0, 0, 255));
}

void TestSetup::companionAvailability_data()
{
    QTest::addColumn<QString>("file");       // created in sorbell/
    QTest::addColumn<QString>("pathName");   // SorbellPath's file name
    QTest::addColumn<bool>("available");
    QTest::newRow("companion") << "qvt.exe" << "qvt.exe" << true;
    QTest::newRow("letter case differs") << "Qvt.exe" << "Qvt.exe" << false;
    QTest::newRow("file gone") << "" << "qvt.exe" << false;
}

void TestSetup::companionAvailability()
{
    QFETCH(QString, file);
    QFETCH(QString, pathName);
    QFETCH(bool, available);
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    if (!file.isEmpty())
        env.makeCompanion(file);
    env.writeSetup("File Path", "SorbellPath", env.path("sorbell/" + pathName));
    env.writeSetup("Setup", "VoiceOn", "1");
    env.writeSetup("Setup", "AutoVoiceOn", "1");
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        QCOMPARE(d->SorbellAvailable, available);
        QCOMPARE(d->pnlInfo->isHidden(), available);
        QCOMPARE(d->chkVoiceOn->isEnabled(), available);
        QCOMPARE(d->chkVoiceOn->isChecked(), available);
        QCOMPARE(d->chkAutoVoiceOn->isChecked(), available);
        QCOMPARE(d->txtSorbellPath->text(), env.path("sorbell/" + pathName));
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup("Setup", "VoiceOn"), available ? QStringLiteral("1") : QStringLiteral("0"));
}

void TestSetup::choosingTheCompanion()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    const QString good = env.makeCompanion();
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->rbCompanionVoice->click(); // the built-in voice is chosen until then
        QVERIFY(!d->pnlInfo->isHidden() && !d->chkVoiceOn->isEnabled());
        env.platform.fileAnswers.enqueue(good);
        d->cmdSelectSorbellPath->click();
        QCOMPARE(env.platform.callsOf("open").last().text, QStringLiteral("Sorbell (*.exe)|*.exe"));
        QVERIFY(d->pnlInfo->isHidden() && d->chkVoiceOn->isEnabled());
        QCOMPARE(d->txtSorbellPath->toolTip(), good);
        d->chkVoiceOn->click();
        QVERIFY(d->chkAutoVoiceOn->isEnabled());
        d->chkAutoVoiceOn->click();

        env.platform.fileAnswers.enqueue(env.path("sorbell/QVT.EXE"));
        d->cmdSelectSorbellPath->click();
        const PlatformCall m = env.platform.callsOf("message").last();
        QCOMPARE(m.text, QStringLiteral("指定されたファイルは、Sorbellではありません"));
        QCOMPARE(m.caption, QStringLiteral("エラー"));
        QCOMPARE(m.detail, int(MsgKind::Warning));
        QVERIFY(d->txtSorbellPath->text().isEmpty() && d->txtSorbellPath->toolTip().isEmpty());
        QVERIFY(!d->chkVoiceOn->isChecked() && !d->chkVoiceOn->isEnabled());
        QVERIFY(!d->chkAutoVoiceOn->isChecked());
        QVERIFY(!d->pnlInfo->isHidden());
        // Cancelling the file dialog changes nothing.
        d->cmdSelectSorbellPath->click();
        QVERIFY(!d->pnlInfo->isHidden());
        d->cmdCancel->click();
    });
}

void TestSetup::companionOnConfirming()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    const QString exe = env.presetCompanion();
    TfrmMain *w = env.showMain();
    env.platform.clear();
    env.runSetup([&](TfrmSetup *d) {
        d->chkVoiceOn->click();
        d->cmdOk->click();
    });
    QCOMPARE(env.platform.callsOf("launch").size(), 1);
    QCOMPARE(env.platform.callsOf("launch").at(0).text, exe);
    QVERIFY(env.platform.callsOf("close").isEmpty());
    const QRect frame = w->frameGeometry();
    QCOMPARE(env.readIni("sorbell/Setup.ini", "Setup", "left"), QString::number(frame.x() + frame.width()));
    QCOMPARE(env.readIni("sorbell/Setup.ini", "Setup", "top"), QString::number(frame.y() + frame.height()));

    env.platform.clear();
    env.runSetup([&](TfrmSetup *d) {
        d->chkVoiceOn->click();
        d->cmdOk->click();
    });
    QVERIFY(env.platform.callsOf("launch").isEmpty());
    QCOMPARE(env.platform.callsOf("close").size(), 1);
    QCOMPARE(env.platform.callsOf("close").at(0).caption, QStringLiteral("Qvt"));
}

void TestSetup::registerAndSwitchUser()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "IgnoreCase", "1");
    TfrmMain *w = env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->chkShowUser->click();
        d->txtUserName->setText(QStringLiteral("次郎"));
        d->cmdAddUserName->click();
        QCOMPARE(rowsOf(d->lstUser), QStringList({"taro|2", "次郎|0"}));
        QVERIFY(d->txtUserName->text().isEmpty());
        QCOMPARE(d->cboUserName->count(), 2);
        // A name that cannot become a folder is refused.
        d->txtUserName->setText(QStringLiteral("a/b"));
        d->cmdAddUserName->click();
        QCOMPARE(env.platform.callsOf("message").size(), 1);
        QCOMPARE(d->lstUser->topLevelItemCount(), 2);
        d->cmdCancel->click();
    });
    // Registration stays although the dialog was cancelled.
    QCOMPARE(env.readUserIni("User", "UserNum"), QStringLiteral("2"));
    QCOMPARE(env.readUserIni("User", "2"), QStringLiteral("次郎"));
    QCOMPARE(env.readUserIni("次郎", "Num"), QStringLiteral("0"));
    QVERIFY(QFileInfo(env.path("次郎")).isDir());
    QCOMPARE(w->settings.UserName, QStringLiteral("taro"));

    env.runSetup([&](TfrmSetup *d) {
        d->chkShowUser->click();
        d->cboUserName->setCurrentIndex(1);
        d->cmdOk->click();
    });
    QCOMPARE(w->settings.UserName, QStringLiteral("次郎"));
    // The settings in memory go to the new user's file; counts stay.
    QCOMPARE(env.readIni("次郎/Setup.ini", "Setup", "IgnoreCase"), QStringLiteral("1"));
    QCOMPARE(env.readUserIni("次郎", "Num"), QStringLiteral("0"));
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("2"));
    QCOMPARE(env.readUserIni("Setup", "ShowUser"), QStringLiteral("1"));
}

void TestSetup::usersThatCannotBeFolders()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    // A hand-edited User.ini lists a name that would climb out of the program folder.
    env.writeUserIni("User", "UserNum", "2");
    env.writeUserIni("User", "2", "../x");
    TfrmMain *w = env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->chkShowUser->click();
        // A registered name again: listed once, its count kept.
        d->txtUserName->setText(QStringLiteral("taro"));
        d->cmdAddUserName->click();
        QCOMPARE(rowsOf(d->lstUser), QStringList({"taro|2", "../x|0"}));
        QCOMPARE(d->cboUserName->count(), 2);
        QVERIFY(env.platform.messages().isEmpty());
        // A file of the program folder holds the name: no folder, no entry.
        d->txtUserName->setText(QStringLiteral("User.ini"));
        d->cmdAddUserName->click();
        QCOMPARE(env.platform.messages().size(), 1);
        QVERIFY(env.platform.messages().at(0).contains(env.path("User.ini")));
        QCOMPARE(d->lstUser->topLevelItemCount(), 2);
        // Choosing the climbing name is refused before anything changes.
        d->cboUserName->setCurrentIndex(1);
        d->chkIgnoreCase->click();
        d->cmdOk->click();
        QVERIFY(d->isVisible());
        QCOMPARE(env.platform.messages().size(), 2);
        QVERIFY(env.platform.messages().at(1).contains(QStringLiteral("使用できません")));
        d->cmdCancel->click();
    });
    QCOMPARE(w->settings.UserName, QStringLiteral("taro"));
    QCOMPARE(w->settings.IgnoreCase, 0);
    QCOMPARE(env.readUserIni("taro", "Num"), QStringLiteral("2"));
    QCOMPARE(env.readUserIni("User", "UserNum"), QStringLiteral("2"));
    QVERIFY(!QFileInfo::exists(env.path("../x/Setup.ini")));
}

void TestSetup::fileResetSurvivesCancel()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Question", "DicCount", "2");
    env.writeSetup("Question", "1", "a.txt");
    env.writeSetup("Question", "2", "b.txt");
    env.writeSetup("Question Path", "a.txt", "/x/a.txt");
    env.writeSetup("Reference", "RefCount", "1");
    env.writeSetup("Reference", "1", "r.txt");
    TfrmMain *w = env.showMain();
    QVERIFY(w->cboQuestionFile->count() >= 2);
    env.runSetup([&](TfrmSetup *d) {
        d->cmdFileReset->click();
        d->cmdCancel->click();
    });
    QCOMPARE(env.readSetup("Question", "DicCount"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("Question", "1", "x"), QString());
    QCOMPARE(env.readSetup("Question", "2", "x"), QString());
    QCOMPARE(env.readSetup("Reference", "RefCount"), QStringLiteral("0"));
    QCOMPARE(env.readSetup("Question Path", "a.txt"), QStringLiteral("/x/a.txt"));
    QCOMPARE(w->cboQuestionFile->count(), 0);
    QCOMPARE(w->cboReferenceFile->count(), 0);
    QCOMPARE(w->cboQuestionFile->currentText(), QStringLiteral("Question.txt"));
}

void TestSetup::planEditing()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "PlanOn", "1");
    env.writeSetup("Plan", "PlanNum", "1");
    env.writeSetup("Plan", "0", "英検,2001/3/12");
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->selectPage(6);
        QVERIFY(!d->grpPlan->isHidden());
        QVERIFY(d->cmdAdd->isDefault());
        QCOMPARE(rowsOf(d->lstItem), QStringList({"英検|2001/3/12|3"}));
        // Editors start on today.
        QCOMPARE(d->txtYear->text() + "/" + d->txtMonth->text() + "/" + d->txtDay->text(),
                 QStringLiteral("2001/3/9"));
        QVERIFY(!d->cmdChange->isEnabled() && !d->cmdDelete->isEnabled());

        d->txtItem->setText(QStringLiteral("TOEIC"));
        d->udMonth->setValue(12);
        d->udDay->setValue(31);
        d->cmdAdd->click();
        d->txtItem->setText(QStringLiteral("模試"));
        d->udYear->setValue(2002);
        d->udMonth->setValue(1);
        d->udDay->setValue(1);
        d->cmdAdd->click();
        QVERIFY(d->txtItem->text().isEmpty());
        QCOMPARE(rowsOf(d->lstItem),
                 QStringList({"英検|2001/3/12|3", "TOEIC|2001/12/31|297", "模試|2002/1/1|298"}));

        clickRow(d->lstItem, 2);
        QCOMPARE(d->txtItem->text(), QStringLiteral("模試"));
        QCOMPARE(d->txtYear->text(), QStringLiteral("2002"));
        QVERIFY(d->cmdChange->isEnabled() && d->cmdDelete->isEnabled());
        d->spnMoveItemUp->click();
        d->spnMoveItemUp->click();
        d->spnMoveItemUp->click(); // at the top: nothing
        QCOMPARE(d->SelectedItem, 0);
        QCOMPARE(rowsOf(d->lstItem),
                 QStringList({"模試|2002/1/1|298", "英検|2001/3/12|3", "TOEIC|2001/12/31|297"}));

        clickRow(d->lstItem, 1);
        d->txtItem->setText(QStringLiteral("英検二次"));
        d->udMonth->setValue(4);
        d->udDay->setValue(1);
        d->cmdChange->click();
        QCOMPARE(rowsOf(d->lstItem).at(1), QStringLiteral("英検二次|2001/4/1|23"));
        d->spnMoveItemDown->click();
        d->spnMoveItemDown->click(); // at the bottom: nothing

        clickRow(d->lstItem, 0);
        d->cmdDelete->click();
        QVERIFY(!d->cmdChange->isEnabled() && !d->cmdDelete->isEnabled() && !d->spnMoveItem->isEnabled());
        QCOMPARE(rowsOf(d->lstItem), QStringList({"TOEIC|2001/12/31|297", "英検二次|2001/4/1|23"}));
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("2"));
    QCOMPARE(env.readSetup("Plan", "0"), QStringLiteral("TOEIC,2001/12/31"));
    QCOMPARE(env.readSetup("Plan", "1"), QStringLiteral("英検二次,2001/4/1"));
}

void TestSetup::planRefusals()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        d->chkPlanOn->click();
        d->cmdAdd->click();
        QCOMPARE(env.platform.messages(), QStringList({"目的が記入されていません"}));
        QCOMPARE(env.platform.callsOf("message").last().caption, QStringLiteral("エラー"));
        // The purpose box takes at most 20 bytes and no comma.
        for (const QChar c : QStringLiteral("英語検定試験準備期間中"))
            d->txtItem->insert(QString(c));
        QCOMPARE(d->txtItem->text(), QStringLiteral("英語検定試験準備期間"));
        d->txtItem->clear();
        QTest::keyClicks(d->txtItem, QStringLiteral("A,B"));
        QCOMPARE(d->txtItem->text(), QStringLiteral("AB"));
        // A day that does not exist.
        d->udMonth->setValue(2);
        d->txtDay->setText(QStringLiteral("30"));
        d->cmdAdd->click();
        QCOMPARE(env.platform.messages().last(), QStringLiteral("日程の日付が正しくありません"));
        QCOMPARE(d->lstItem->topLevelItemCount(), 0);
        d->udDay->setValue(1);
        for (int i = 0; i < 5; ++i) {
            d->txtItem->setText(QString::number(i));
            d->cmdAdd->click();
        }
        QCOMPARE(d->lstItem->topLevelItemCount(), 5);
        d->txtItem->setText(QStringLiteral("six"));
        d->cmdAdd->click();
        QCOMPARE(env.platform.messages().last(), QStringLiteral("登録できるのは、最大５つまでです"));
        QCOMPARE(d->lstItem->topLevelItemCount(), 5);
        clickRow(d->lstItem, 4);
        d->cmdDelete->click();
        d->txtItem->setText(QStringLiteral("six"));
        d->cmdAdd->click();
        QCOMPARE(rowsOf(d->lstItem).last(), QStringLiteral("six|2001/2/1|-36"));
        d->cmdCancel->click();
    });
}

void TestSetup::planCancelDiscards()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Plan", "PlanNum", "1");
    env.writeSetup("Plan", "0", "英検,2001/3/12");
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        clickRow(d->lstItem, 0);
        d->cmdDelete->click();
        d->cmdCancel->click();
    });
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("1"));
    // PlanOn unticked keeps the goals: OK writes them all the same.
    env.runSetup([&](TfrmSetup *d) {
        QVERIFY(d->grpPlan->isHidden());
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup("Plan", "0"), QStringLiteral("英検,2001/3/12"));
}

void TestSetup::countdown()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "PlanOn", "1");
    env.writeSetup("Plan", "PlanNum", "2");
    env.writeSetup("Plan", "0", "英検,2001/3/10");
    env.writeSetup("Plan", "1", "模試,2001/3/9");
    TfrmMain *w = env.showMain();
    env.tickDate();
    // Only the first listed goal is looked at.
    QCOMPARE(w->sbInfo->panelText(5), QStringLiteral("英検まで、あと 1日"));
    QVERIFY(env.platform.messages().isEmpty());
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("2"));

    // Plan off: the panel stays empty with goals stored.
    env.runSetup([&](TfrmSetup *d) {
        d->chkPlanOn->click();
        d->cmdOk->click();
    });
    env.tickDate();
    QCOMPARE(w->sbInfo->panelText(5), QString());
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("2"));
}

void TestSetup::todayAcrossMidnight()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.clock.set(QDateTime(QDate(2001, 12, 31), QTime(23, 59, 59)));
    env.writeSetup("Setup", "PlanOn", "1");
    env.writeSetup("Plan", "PlanNum", "2");
    env.writeSetup("Plan", "0", "センター試験,2002/1/1");
    env.writeSetup("Plan", "1", "英検,2002/2/3");
    TfrmMain *w = env.showMain();
    env.tickDate();
    QCOMPARE(w->sbInfo->panelText(5), QStringLiteral("センター試験まで、あと 1日"));

    env.clock.advanceSeconds(2);
    bool timerStoppedDuringMessage = false;
    env.platform.messageHandler = [&](const PlatformCall &) { timerStoppedDuringMessage = !w->tmrDate->isActive(); };
    env.tickDate();
    QCOMPARE(env.platform.messages(), QStringList({"今日は、センター試験の日です\nがんばってね(^^)/"}));
    const PlatformCall m = env.platform.callsOf("message").at(0);
    QCOMPARE(m.caption, QStringLiteral("当日です"));
    QCOMPARE(m.detail, int(MsgKind::Information));
    QVERIFY(timerStoppedDuringMessage);
    QVERIFY(w->tmrDate->isActive());
    QCOMPARE(w->sbInfo->panelText(5), QString());
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("1"));
    QCOMPARE(env.readSetup("Plan", "0"), QStringLiteral("英検,2002/2/3"));

    // The next tick counts down the next goal; the message is not repeated.
    env.tickDate();
    QCOMPARE(env.platform.messages().size(), 1);
    QCOMPARE(w->sbInfo->panelText(5), QStringLiteral("英検まで、あと 33日"));
}

void TestSetup::todayAnnouncedOnceWhenSetupCannotBeWritten()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "PlanOn", "1");
    env.writeSetup("Plan", "PlanNum", "2");
    env.writeSetup("Plan", "0", "英検,2001/3/9");
    env.writeSetup("Plan", "1", "模試,2001/3/1");
    TfrmMain *w = env.showMain();
    {
        FileSizeLimit full(16); // Setup.ini cannot be rewritten meanwhile
        env.tickDate(6);
    }
    const QStringList msgs = env.platform.messages();
    QCOMPARE(msgs.size(), 2);
    QCOMPARE(msgs.at(0), QStringLiteral("今日は、英検の日です\nがんばってね(^^)/"));
    QVERIFY2(msgs.at(1).contains(QStringLiteral("英検")) && msgs.at(1).contains(env.userFolder() + "Setup.ini"),
             qPrintable(msgs.at(1)));
    QVERIFY(w->tmrDate->isActive());
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("2"));
    // Once the file can be written the announced goal goes without a second
    // message, and the passed one after it.
    env.tickDate(2);
    QCOMPARE(env.platform.messages().size(), 2);
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("0"));
}

void TestSetup::pastGoalsDroppedOnePerTick()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "PlanOn", "1");
    env.writeSetup("Plan", "PlanNum", "3");
    env.writeSetup("Plan", "0", "A,2001/2/1");
    env.writeSetup("Plan", "1", "B,2001/3/8");
    env.writeSetup("Plan", "2", "C,2001/4/1");
    TfrmMain *w = env.showMain();
    env.tickDate();
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("2"));
    QCOMPARE(env.readSetup("Plan", "0"), QStringLiteral("B,2001/3/8"));
    env.tickDate();
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("1"));
    env.tickDate();
    QCOMPARE(w->sbInfo->panelText(5), QStringLiteral("Cまで、あと 23日"));
    QVERIFY(env.platform.messages().isEmpty());
}

void TestSetup::startUpSummary()
{
    TestEnv env;
    env.presetUser(QStringLiteral("taro"));
    env.writeSetup("Setup", "ShowPlanOn", "1");
    env.writeSetup("Plan", "PlanNum", "3");
    env.writeSetup("Plan", "0", "英検,2001/3/9");
    env.writeSetup("Plan", "1", "TOEIC,2001/3/19");
    env.writeSetup("Plan", "2", "模試,2001/3/1");
    env.showMain();
    const QList<PlatformCall> msgs = env.platform.callsOf("message");
    QCOMPARE(msgs.size(), 4);
    QCOMPARE(msgs.at(0).caption, QStringLiteral("当日"));
    QCOMPARE(msgs.at(0).text, QStringLiteral("今日は、英検の日です。がんばってね(^^)/\n"));
    QCOMPARE(msgs.at(1).caption, QStringLiteral("スケジュール"));
    QCOMPARE(msgs.at(1).text, QStringLiteral("TOEICまで、あと 10日"));
    QCOMPARE(msgs.at(2).text, QStringLiteral("模試まで、あと -8日"));
    QCOMPARE(msgs.at(3).caption, QStringLiteral("スケジュール"));
    QCOMPARE(msgs.at(3).text.count(QLatin1Char('\n')), 3);
    for (const PlatformCall &c : msgs)
        QCOMPARE(c.detail, int(MsgKind::Information));
    // The goal of today is dropped.
    QCOMPARE(env.readSetup("Plan", "PlanNum"), QStringLiteral("2"));
    QCOMPARE(env.readSetup("Plan", "0"), QStringLiteral("TOEIC,2001/3/19"));
}

QTEST_MAIN(TestSetup)
#include "tst_setup.moc"
