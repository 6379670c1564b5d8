// The main window as a desktop program: the built-in voice, Qt's texts in
// Japanese, a dark theme, the keyboard and the names screen readers say.
#include <QtTest>

#include "DarkPalette.h"
#include "TestEnv.h"
#include "app/Startup.h"
#include "drill_support.h"
#include "platform/QtPlatform.h"
#include "settings/frmSetup.h"
#include "widgets/Accessibility.h"
#include "widgets/Look.h"
#include "widgets/ToolBar.h"
#include "widgets/UpDown.h"

#include <QDialogButtonBox>
#include <QMenuBar>
#include <QStyleOptionComboBox>
#include <QTextBrowser>
#include <QWheelEvent>

using namespace drilltest;

namespace {

const QPair<QString, QString> kShowNoResult{QStringLiteral("ShowResult"), QStringLiteral("0")};

// Every action of the menu bar, the menus' own included.
QList<QAction *> menuBarActions(QMenuBar *bar)
{
    QList<QAction *> out;
    std::function<void(const QList<QAction *> &)> walk = [&](const QList<QAction *> &actions) {
        for (QAction *a : actions) {
            out << a;
            if (a->menu())
                walk(a->menu()->actions());
        }
    };
    walk(bar->actions());
    return out;
}

// The interactive controls of `root` that a screen reader could not name.
QStringList unnamedControls(QWidget *root)
{
    QStringList out;
    QList<QWidget *> all = root->findChildren<QWidget *>();
    all.prepend(root);
    for (QWidget *w : all)
        if (IsInteractiveControl(w) && AccessibleNameOf(w).isEmpty())
            out << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
    return out;
}

// How far the text drawn in `area` of `w` stands out: the strongest contrast
// between the area's commonest colour (its background) and any other pixel.
double drawnTextContrast(QWidget *w, const QRect &area)
{
    const QImage image = w->grab(area).toImage();
    QHash<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++count[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > count.value(background))
            background = it.key();
    double best = 1.0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        best = qMax(best, ContrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

bool isJapanese(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x3000)
            return true;
    return false;
}


} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    // --- the built-in voice ------------------------------------------------------
    void builtInVoiceReadsTheEnglishSentence_data();
    void builtInVoiceReadsTheEnglishSentence();
    void builtInVoiceLeavesTheCompanionAlone();
    void voicePage_data();
    void voicePage();
    void voicePageOpensTheInstalledHelp();
    void realVoiceIsThere();

    // --- Qt's own texts in Japanese ---------------------------------------------------
    void standardButtonsInJapanese_data();
    void standardButtonsInJapanese();

    // --- keyboard ----------------------------------------------------------------------
    void wordListTakesWordsByKey_data();
    void wordListTakesWordsByKey();
    void numberBoxSteps_data();
    void numberBoxSteps();
    void toolbarCommandsHaveMenuItems();
    void menuItemsRunToolbarCommands_data();
    void menuItemsRunToolbarCommands();
    void escapeClosesHelp();

    // --- screen readers ------------------------------------------------------------------
    void mainWindowControlsAreNamed();
    void dialogControlsAreNamed_data();
    void dialogControlsAreNamed();

    // --- theme and layout ------------------------------------------------------------------
    void darkThemePanesReadable_data();
    void darkThemePanesReadable();
    void fontBoxesShowTheFamilyUsed();
    void settingsTextReadable_data();
    void settingsTextReadable();
};

// --- the built-in voice ----------------------------------------------------------------------

void TestDesktop::builtInVoiceReadsTheEnglishSentence_data()
{
    QTest::addColumn<int>("questionType");
    QTest::addColumn<QString>("autoVoice");
    QTest::newRow("Japanese to English, at once") << 0 << QStringLiteral("1");
    QTest::newRow("English to Japanese, at once") << 1 << QStringLiteral("1");
    QTest::newRow("only on 再生") << 0 << QStringLiteral("0");
}

void TestDesktop::builtInVoiceReadsTheEnglishSentence()
{
    QFETCH(int, questionType);
    QFETCH(QString, autoVoice);
    TestEnv env;
    TfrmMain *w = startMain(env, {kShowNoResult, {QStringLiteral("VoiceOn"), QStringLiteral("1")},
                                  {QStringLiteral("AutoVoiceOn"), autoVoice}});
    startDrill(env, 2, 0, questionType);
    const QString english = questionType == 0 ? w->drill.AnswerText : w->drill.QuestionText;
    const QStringList atOnce = autoVoice == QStringLiteral("1") ? QStringList{english} : QStringList{};
    QCOMPARE(env.platform.spoken(), atOnce);
    env.find<QPushButton>(QStringLiteral("cmdPlay"))->click();
    w->cmdPlay_2->trigger();
    const QStringList expected = atOnce + QStringList{english, english};
    QCOMPARE(env.platform.spoken(), expected);
    // Nothing went to the companion.
    QVERIFY(env.platform.clipboardHistory().isEmpty());
}

// With the built-in voice the companion is never launched, sent a reaction
// or closed, at start-up, while judging or at shutdown.
void TestDesktop::builtInVoiceLeavesTheCompanionAlone()
{
    TestEnv env;
    env.presetUser();
    env.copySampleData();
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("VoiceOn"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("UseBuiltInVoice"), QStringLiteral("1"));
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowResult"), QStringLiteral("0"));
    env.presetCompanion();   // a companion that could be started
    env.showMain();
    startDrill(env, 1);
    answer(env, QStringLiteral("wrong"));
    env.closeMain();
    QVERIFY(env.platform.callsOf(QStringLiteral("launch")).isEmpty());
    QVERIFY(env.platform.callsOf(QStringLiteral("close")).isEmpty());
    QVERIFY(env.platform.clipboardHistory().isEmpty());
    QCOMPARE(env.readSetup(QStringLiteral("Setup"), QStringLiteral("UseBuiltInVoice")), QStringLiteral("1"));
}

void TestDesktop::voicePage_data()
{
    QTest::addColumn<QString>("stored");   // UseBuiltInVoice in Setup.ini ("" = absent)
    QTest::addColumn<bool>("companionSet"); // SorbellPath names an existing qvt.exe
    QTest::addColumn<bool>("voice");        // the desktop has a voice
    QTest::addColumn<bool>("builtInChosen");
    QTest::addColumn<bool>("noVoiceShown");
    QTest::addColumn<bool>("companionMissingShown");
    QTest::addColumn<bool>("voiceOnEnabled");

    QTest::newRow("new learner: built-in") << "" << false << true << true << false << false << true;
    QTest::newRow("new learner, no voice") << "" << false << false << true << true << false << false;
    QTest::newRow("companion set before: kept") << "" << true << true << false << false << false << true;
    QTest::newRow("companion chosen, missing") << "0" << false << true << false << false << true << false;
    QTest::newRow("built-in chosen over companion") << "1" << true << false << true << true << false << false;
}

void TestDesktop::voicePage()
{
    QFETCH(QString, stored);
    QFETCH(bool, companionSet);
    QFETCH(bool, voice);
    QFETCH(bool, builtInChosen);
    QFETCH(bool, noVoiceShown);
    QFETCH(bool, companionMissingShown);
    QFETCH(bool, voiceOnEnabled);
    TestEnv env;
    env.presetUser();
    env.platform.voice.voiceAvailable = voice;
    if (!stored.isEmpty())
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("UseBuiltInVoice"), stored);
    env.writeSetup(QStringLiteral("Setup"), QStringLiteral("VoiceOn"), QStringLiteral("1"));
    if (companionSet)
        env.presetCompanion();
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        QCOMPARE(d->rbBuiltInVoice->isChecked(), builtInChosen);
        QCOMPARE(d->rbCompanionVoice->isChecked(), !builtInChosen);
        QCOMPARE(!d->pnlNoVoice->isHidden(), noVoiceShown);
        QCOMPARE(!d->pnlInfo->isHidden(), companionMissingShown);
        QCOMPARE(d->chkVoiceOn->isEnabled(), voiceOnEnabled);
        QCOMPARE(d->chkVoiceOn->isChecked(), voiceOnEnabled);
        if (noVoiceShown)
            QVERIFY(d->pnlNoVoice->text().startsWith(QStringLiteral("この環境には英語を読み上げる音声がない")));
        // Switching to the other voice follows its availability.
        (builtInChosen ? d->rbCompanionVoice : d->rbBuiltInVoice)->click();
        const bool otherAvailable = builtInChosen ? companionSet : voice;
        QCOMPARE(d->chkVoiceOn->isEnabled(), otherAvailable);
        QCOMPARE(!d->pnlInfo->isHidden(), builtInChosen && !companionSet);
        QCOMPARE(!d->pnlNoVoice->isHidden(), !builtInChosen && !voice);
        if (otherAvailable && !d->chkVoiceOn->isChecked())
            d->chkVoiceOn->click();
        d->cmdOk->click();
    });
    const bool otherAvailable = builtInChosen ? companionSet : voice;
    QCOMPARE(env.readSetup(QStringLiteral("Setup"), QStringLiteral("UseBuiltInVoice")),
             builtInChosen ? QStringLiteral("0") : QStringLiteral("1"));
    QCOMPARE(env.readSetup(QStringLiteral("Setup"), QStringLiteral("VoiceOn")),
             otherAvailable ? QStringLiteral("1") : QStringLiteral("0"));
}

// The voice page's link opens the help installed with the program at its
// part on reading aloud, not a web address.
void TestDesktop::voicePageOpensTheInstalledHelp()
{
    TestEnv env;
    env.presetUser();
    env.copySampleData();
    QVERIFY(env.copyFile(QStringLiteral(ULVENDO_SOURCE_DATA_DIR "/Ulvendo.hlp"), QStringLiteral("Ulvendo.hlp")));
    env.showMain();
    env.runSetup([&](TfrmSetup *d) {
        QVERIFY(d->lblHomepage->text().contains(QStringLiteral("ヘルプ")));
        emit d->lblHomepage->linkActivated(QStringLiteral("voice"));
        d->cmdCancel->click();
    });
    const QList<PlatformCall> help = env.platform.callsOf(QStringLiteral("help"));
    QCOMPARE(help.size(), 1);
    QCOMPARE(help.first().caption, QStringLiteral("voice"));
    QCOMPARE(help.first().text, env.path(QStringLiteral("Ulvendo.hlp")));
    QVERIFY(env.platform.callsOf(QStringLiteral("shell")).isEmpty());
    // The help file has that part.
    QFile file(help.first().text);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("<a name=\"voice\">"));
}

// The real built-in voice: the offline English voice the scripts install.
void TestDesktop::realVoiceIsThere()
{
    QtPlatform real;
    QVERIFY(real.speaker().available());
    real.speaker().say(QStringLiteral("I have a pen.")); // returns at once
}

// --- Qt's own texts ---------------------------------------------------------------------------

void TestDesktop::standardButtonsInJapanese_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("OK") << int(QDialogButtonBox::Ok) << QStringLiteral("OK");
    QTest::newRow("Cancel") << int(QDialogButtonBox::Cancel) << QStringLiteral("キャンセル");
    QTest::newRow("Save") << int(QDialogButtonBox::Save) << QStringLiteral("保存");
    QTest::newRow("Open") << int(QDialogButtonBox::Open) << QStringLiteral("開く");
    QTest::newRow("Close") << int(QDialogButtonBox::Close) << QStringLiteral("閉じる");
}

void TestDesktop::standardButtonsInJapanese()
{
    QFETCH(int, button);
    QFETCH(QString, text);
    static const bool installed = Startup::installJapaneseTranslations(*QCoreApplication::instance());
    QVERIFY(installed);
    QDialogButtonBox box{QDialogButtonBox::StandardButton(button)};
    QCOMPARE(box.button(QDialogButtonBox::StandardButton(button))->text().remove(QLatin1Char('&')), text);
}

// --- keyboard -----------------------------------------------------------------------------------

void TestDesktop::wordListTakesWordsByKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestDesktop::wordListTakesWordsByKey()
{
    QFETCH(int, key);
    TestEnv env;
    TfrmMain *w = startMain(env, {kShowNoResult});
    startDrill(env, 1, 1, 0, [](TfrmQuestionSetup *d) { // "I have a pen." first
        d->chkOption->click();
        d->rbNotRandom->click();
    });
    QListWidget *list = w->lstAnswer;
    const QStringList shuffled = w->drill.lstTempNarabi;
    QCOMPARE(list->count(), 4);
    list->setFocus();
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key(key));
    QCOMPARE(w->txtAnswer->text(), shuffled.at(2));
    // The next word is ready for the next key.
    QTest::keyClick(list, Qt::Key(key));
    QCOMPARE(w->txtAnswer->text(), shuffled.at(2) + QLatin1Char(' ') + shuffled.at(3));
    // Two words are left, the last one current; Up moves to the first.
    QCOMPARE(list->currentRow(), 1);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key(key));
    QCOMPARE(w->txtAnswer->text(), shuffled.at(2) + QLatin1Char(' ') + shuffled.at(3) + QLatin1Char(' ')
                                       + shuffled.at(0));
    QCOMPARE(w->drill.lstUndoNum, QStringList({QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("0")}));
    QVERIFY(w->cmdDelete_2->isEnabled());
}

void TestDesktop::numberBoxSteps_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("input"); // "up", "down", "wheel N"
    QTest::addColumn<QString>("expected");
    QTest::newRow("Up") << "5" << "up" << "6";
    QTest::newRow("Down") << "5" << "down" << "4";
    QTest::newRow("Down at the minimum") << "1" << "down" << "1";
    QTest::newRow("Up at the maximum") << "1000" << "up" << "1000";
    QTest::newRow("wheel one notch up") << "5" << "wheel 120" << "6";
    QTest::newRow("wheel two notches down") << "5" << "wheel -240" << "3";
    QTest::newRow("half a notch does nothing") << "5" << "wheel 60" << "5";
}

void TestDesktop::numberBoxSteps()
{
    QFETCH(QString, start);
    QFETCH(QString, input);
    TestEnv env;
    TfrmMain *w = startMain(env);
    w->cmdQuestionSetupToolBar->trigger();
    QLineEdit *box = w->txtQuestionNum;
    box->setText(start);
    if (input == QLatin1String("up") || input == QLatin1String("down")) {
        QTest::keyClick(box, input == QLatin1String("up") ? Qt::Key_Up : Qt::Key_Down);
    } else {
        const int delta = input.section(QLatin1Char(' '), 1).toInt();
        const QPointF at(box->rect().center());
        QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
    QTEST(box->text(), "expected");
}

// Every button of a toolbar has a twin in the menu bar: the toolbar copy
// "X_1" of a command "X" (or "X_2", "X_3"), a toolbar-only button "X" a menu
// item "X_2".
void TestDesktop::toolbarCommandsHaveMenuItems()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    QStringList inMenus;
    for (QAction *a : menuBarActions(w->menuBar()))
        inMenus << a->objectName();
    QStringList missing;
    for (TToolBar *bar : {w->tbStandardToolBar, w->tbFileToolBar, w->tbQuestionSetupToolBar}) {
        for (QToolButton *b : bar->findChildren<QToolButton *>()) {
            if (b->objectName().endsWith(QStringLiteral("_close")) || b->objectName().startsWith(QStringLiteral("qt_")))
                continue; // the bar's own close box (the View menu hides the bar) and Qt's overflow button
            QString command = b->objectName();
            if (command == QLatin1String("cmdPrint"))
                command = QStringLiteral("cmdPrintQuestionFile");
            if (command.endsWith(QStringLiteral("_1")))
                command.chop(2);
            const bool found = inMenus.contains(command) || inMenus.contains(command + QStringLiteral("_2"))
                               || inMenus.contains(command + QStringLiteral("_3"));
            if (!found)
                missing << b->objectName();
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
}

void TestDesktop::menuItemsRunToolbarCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("call"); // what the platform was asked
    QTest::newRow("choose collection") << "cmdSelectQuestionFile_2" << "open";
    QTest::newRow("collection in the editor") << "cmdQOpenByMemo_2" << "shell";
    QTest::newRow("choose reference") << "cmdSelectReferenceFile_2" << "open";
    QTest::newRow("reference in the editor") << "cmdROpenByMemo_2" << "shell";
    QTest::newRow("new text file") << "cmdNewText_2" << "dialog";
    QTest::newRow("quick start") << "cmdOk_2" << "drill";
}

void TestDesktop::menuItemsRunToolbarCommands()
{
    QFETCH(QString, item);
    QFETCH(QString, call);
    TestEnv env;
    TfrmMain *w = startMain(env, {kShowNoResult});
    QAction *a = env.find<QAction>(item);
    QVERIFY(a);
    a->trigger();
    if (call == QLatin1String("drill"))
        QVERIFY(w->drill.Running);
    else
        QCOMPARE(env.platform.callsOf(call).size(), 1);
    // During a drill the toolbar's choosing commands are off, and so are
    // their menu items.
    if (!w->drill.Running)
        startDrill(env, 1);
    env.platform.clear();
    if (item.startsWith(QStringLiteral("cmdSelect")) || item == QLatin1String("cmdOk_2")) {
        emit w->mnuFile->aboutToShow();
        emit w->mnuDrill->aboutToShow();
        QVERIFY(!a->isEnabled());
        a->trigger();
        QVERIFY(env.platform.calls.isEmpty());
    }
}

// Esc closes the reference window and the help viewer.
void TestDesktop::escapeClosesHelp()
{
    TestEnv env;
    startMain(env);
    QVERIFY(env.copyFile(QStringLiteral(ULVENDO_SOURCE_DATA_DIR "/Ulvendo.hlp"), QStringLiteral("Ulvendo.hlp")));
    bool referenceClosed = false;
    env.platform.dialogHandler = [&](QDialog *d) {
        QTest::keyClick(d, Qt::Key_Escape);
        referenceClosed = !d->isVisible();
        d->reject();
    };
    env.platform.inputAnswers.enqueue(QStringLiteral("have"));
    env.find<QAction>(QStringLiteral("cmdOpenReference_2"))->trigger();
    QVERIFY(referenceClosed);

    // The viewer stays with its platform until the program ends.
    static QtPlatform *real = new QtPlatform;
    real->showHelp(env.path(QStringLiteral("Ulvendo.hlp")), QStringLiteral("voice"));
    QTextBrowser *viewer = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("helpViewer"))
            viewer = qobject_cast<QTextBrowser *>(top);
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->toPlainText().contains(QStringLiteral("内蔵の音声")));
    viewer->activateWindow();
    QTest::keyClick(viewer, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
}

// --- screen readers -------------------------------------------------------------------------------

void TestDesktop::mainWindowControlsAreNamed()
{
    TestEnv env;
    TfrmMain *w = startMain(env);
    QVERIFY2(unnamedControls(w).isEmpty(), qPrintable(unnamedControls(w).join(QStringLiteral(", "))));
    // Icon buttons say their command, in Japanese.
    QCOMPARE(AccessibleNameOf(w->cmdStart_1), QStringLiteral("始める"));
    QCOMPARE(AccessibleNameOf(w->cmdHomepage_1), QStringLiteral("ホームページへ"));
    QCOMPARE(AccessibleNameOf(w->txtAnswer), QStringLiteral("解答"));
    QCOMPARE(AccessibleNameOf(w->udQuestionNum->upButton()), QStringLiteral("出題数を増やす"));
    QStringList notJapanese;
    for (QWidget *c : w->findChildren<QWidget *>())
        if (IsInteractiveControl(c) && !isJapanese(AccessibleNameOf(c)))
            notJapanese << c->objectName() + QLatin1Char('=') + AccessibleNameOf(c);
    QVERIFY2(notJapanese.isEmpty(), qPrintable(notJapanese.join(QStringLiteral(", "))));
}

void TestDesktop::dialogControlsAreNamed_data()
{
    QTest::addColumn<QString>("command");
    for (const char *c : {"cmdSetup", "cmdStart_2", "cmdShowError", "cmdShowPercent", "cmdShowGraph",
                          "cmdShowHistory", "cmdMakeQuestion", "cmdEditQuestionFile", "cmdPrintQuestionFile",
                          "cmdMakeReference", "cmdVersion", "cmdNewText_2", "cmdOpenReference_2"})
        QTest::newRow(c) << QString::fromLatin1(c);
}

// Every dialog a command opens names its controls.
void TestDesktop::dialogControlsAreNamed()
{
    QFETCH(QString, command);
    TestEnv env;
    startMain(env);
    env.platform.inputAnswers.enqueue(QStringLiteral("have")); // what the reference and dictionary look up
    QStringList unnamed;
    bool shown = false;
    env.platform.dialogHandler = [&](QDialog *d) {
        if (!shown) {
            shown = true;
            unnamed = unnamedControls(d);
        }
        d->reject();
    };
    env.find<QAction>(command)->trigger();
    QVERIFY(shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

// --- theme and layout ----------------------------------------------------------------------------------

void TestDesktop::darkThemePanesReadable_data()
{
    QTest::addColumn<QString>("questionColor"); // FontQuestionColor ("" = default black)
    QTest::addColumn<double>("minimum");        // contrast the panes keep
    QTest::newRow("default colours") << "" << 4.5;
    QTest::newRow("stored navy") << "8388608" << 3.0;
    QTest::newRow("stored light yellow") << "13434879" << 3.0;
}

void TestDesktop::darkThemePanesReadable()
{
    QFETCH(QString, questionColor);
    QFETCH(double, minimum);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    {
        TestEnv env;
        env.presetUser();
        env.copySampleData();
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowComment"), QStringLiteral("1"));
        env.writeSetup(QStringLiteral("Setup"), QStringLiteral("ShowResult"), QStringLiteral("0"));
        if (!questionColor.isEmpty())
            env.writeSetup(QStringLiteral("Color"), QStringLiteral("FontQuestionColor"), questionColor);
        TfrmMain *w = env.showMain();
        startDrill(env, 2, 2);
        for (QWidget *pane : std::initializer_list<QWidget *>{w->moQuestion, w->moHole, w->moComment, w->txtAnswer,
                                                              w->lstAnswer}) {
            const QPalette p = pane->palette();
            const double ratio = ContrastRatio(p.color(QPalette::Text), p.color(QPalette::Base));
            QVERIFY2(ratio >= minimum, qPrintable(QStringLiteral("%1: %2").arg(pane->objectName()).arg(ratio)));
        }
        if (!questionColor.isEmpty())
            QCOMPARE(w->moQuestion->palette().color(QPalette::Text), ColorFromNumber(questionColor.toInt()));
        // A wrong answer turns the question to the change colour: still readable.
        answer(env, QStringLiteral("no"));
        const QPalette q = w->moQuestion->palette();
        QVERIFY(ContrastRatio(q.color(QPalette::Text), q.color(QPalette::Base)) >= 3.0);
    }
    QApplication::setPalette(before);
}

// A face of the settings that is not installed (the default "ＭＳ Ｐゴシック")
// shows the family the panes really use; left so, OK keeps the stored face.
void TestDesktop::fontBoxesShowTheFamilyUsed()
{
    TestEnv env;
    env.presetUser();
    TfrmMain *w = env.showMain();
    const QString used = QFontInfo(w->moQuestion->font()).family();
    env.platform.families = QStringList{QStringLiteral("DejaVu Sans"), ScreenFamily(QStringLiteral("ＭＳ Ｐゴシック"))};
    env.runSetup([&](TfrmSetup *d) {
        QCOMPARE(d->cboFontQuestion->currentText(), ScreenFamily(QStringLiteral("ＭＳ Ｐゴシック")));
        QCOMPARE(d->cboFontQuestion->currentText(), used);
        d->cboFontHole->setCurrentIndex(d->cboFontHole->findText(QStringLiteral("DejaVu Sans")));
        d->cmdOk->click();
    });
    QCOMPARE(env.readSetup(QStringLiteral("Font"), QStringLiteral("FontQuestion")), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(env.readSetup(QStringLiteral("Font"), QStringLiteral("FontHole")), QStringLiteral("DejaVu Sans"));
}

// The page tabs and the font boxes (each face shown in its own colour) of the
// settings can be read in a light and in a dark theme.
void TestDesktop::settingsTextReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light theme") << false;
    QTest::newRow("dark theme") << true;
}

void TestDesktop::settingsTextReadable()
{
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    if (dark)
        QApplication::setPalette(DarkPalette());
    {
        TestEnv env;
        env.presetUser();
        env.showMain();
        env.runSetup([&](TfrmSetup *d) {
            d->selectPage(5);
            QStringList unreadable;
            for (QToolButton *tab : d->tabPages) {
                const double ratio = drawnTextContrast(tab, tab->rect().adjusted(3, 4, -3, -1));
                if (ratio < 4.5)
                    unreadable << QStringLiteral("%1 %2").arg(tab->text()).arg(ratio, 0, 'f', 1);
            }
            for (QComboBox *box : {d->cboFontQuestion, d->cboFontHole, d->cboFontAnswer, d->cboFontComment,
                                   d->cboFontReference}) {
                QStyleOptionComboBox option;
                option.initFrom(box);
                option.editable = box->isEditable();
                const QRect field =
                    box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
                const double ratio = drawnTextContrast(box, field);
                if (ratio < 4.5)
                    unreadable << QStringLiteral("%1 %2").arg(box->objectName()).arg(ratio, 0, 'f', 1);
            }
            d->cmdCancel->click();
            QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
        });
    }
    QApplication::setPalette(before);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
