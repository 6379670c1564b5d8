// The correct-rate, graph and history views opened from the main window:
// what they show from the record files and the drill history, the lines of
// the graph, the wrong-answer hint and the export to a chosen file.
#include "dialogs_fixture.h"

#include "records/StatsViews.h"
#include "records/frmShowGraph.h"
#include "records/frmShowHistory.h"
#include "records/frmShowPercent.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
// Lines as they land on disk: CP932, every line ended by CR LF.
QByteArray cp932Lines(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += TextFile::encode(l) + "\r\n";
    return out;
}
} // namespace

class TestStatsViewsUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogFixture> fx;

    QString user(const QString &name) const { return fx->main->settings.userFolder() + name; }

    // Runs a main-window command; `inside` acts in the dialog it opens, which
    // is then closed.
    void runCommand(const std::function<void()> &command, const std::function<void(QDialog *)> &inside)
    {
        fx->platform.dialogHandler = [inside](QDialog *dlg) {
            inside(dlg);
            dlg->reject();
        };
        command();
        fx->platform.dialogHandler = nullptr;
    }
    static QStringList rows(QTreeWidget *list)
    {
        QStringList out;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c)
                cells << list->topLevelItem(i)->text(c);
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    static QStringList headers(QTreeWidget *list)
    {
        QStringList out;
        for (int c = 0; c < list->columnCount(); ++c)
            out << list->headerItem()->text(c);
        return out;
    }
    static QStringList items(QComboBox *cbo)
    {
        QStringList out;
        for (int i = 0; i < cbo->count(); ++i)
            out << cbo->itemText(i);
        return out;
    }
    // Two finished drills of sample.txt: 5 of 5, then 3 of 5 with two wrong.
    void twoDrills()
    {
        DrillState &d = fx->main->drill;
        DrillRecord &a = d.Drills[0];
        a.PlannedCount = 5;
        a.AtariCount = 5;
        a.CorrectRate = QStringLiteral("100");
        a.QuestionFile = fx->collection;
        a.StartTime = QStringLiteral("14：0：05");
        a.EndTime = QStringLiteral("14：3：41");
        DrillRecord &b = d.Drills[1];
        b.PlannedCount = 5;
        b.AtariCount = 3;
        b.HazureCount = 2;
        b.WrongLines = {6, 12};
        b.CorrectRate = QStringLiteral("60");
        b.QuestionFile = fx->collection;
        b.StartTime = QStringLiteral("14：5：00");
        b.EndTime = QStringLiteral("14：9：12");
        d.DrillCount = 2;
    }

private slots:
    void init()
    {
        fx = std::make_unique<DialogFixture>();
        fx->env.writeSetup(QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("2"));
        fx->env.writeSetup(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("Other.txt"));
        fx->env.writeSetup(QStringLiteral("Question"), QStringLiteral("2"), QStringLiteral("sample.txt"));
    }
    void cleanup() { fx.reset(); }

    void commandsOpenTheirViews_data();
    void commandsOpenTheirViews();
    void percentViewListsTheMonth();
    void percentViewOpensGraph();
    void collectionNotInRecentList();
    void graphDrawsLinesInTurn();
    void historyListsDrillsAndHints();
    void historyExport_data();
    void historyExport();
    void historyExportCancelledOrRefused();
};

void TestStatsViewsUi::commandsOpenTheirViews_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::newRow("percent menu") << "cmdShowPercent" << "frmShowPercent" << "正解率の表示" << QSize(457, 416);
    QTest::newRow("percent toolbar") << "cmdShowPercent_1" << "frmShowPercent" << "正解率の表示" << QSize(457, 416);
    QTest::newRow("graph menu") << "cmdShowGraph" << "frmShowGraph" << "グラフの表示" << QSize(377, 366);
    QTest::newRow("graph toolbar") << "cmdShowGraph_1" << "frmShowGraph" << "グラフの表示" << QSize(377, 366);
    QTest::newRow("history menu") << "cmdShowHistory" << "frmShowHistory" << "学習履歴の表示" << QSize(666, 296);
    QTest::newRow("history toolbar") << "cmdShowHistory_1" << "frmShowHistory" << "学習履歴の表示" << QSize(666, 296);
}

void TestStatsViewsUi::commandsOpenTheirViews()
{
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QString opened, title;
    QSize shown;
    runCommand(
        [&] {
            if (auto *a = fx->env.find<QAction>(command))
                a->trigger();
            else if (auto *b = fx->env.find<QToolButton>(command))
                b->click();
            else
                QFAIL("no such command");
        },
        [&](QDialog *dlg) {
            opened = dlg->objectName();
            title = dlg->windowTitle();
            shown = dlg->size();
        });
    QCOMPARE(opened, dialog);
    QCOMPARE(title, caption);
    QCOMPARE(shown, size);
}

void TestStatsViewsUi::percentViewListsTheMonth()
{
    QVERIFY(TextFile::writeLines(user(QStringLiteral("sample_20013.dat")),
                                 {"[Information]", "PrevDay=9", "DayNum=2", "[1]", "Date=3/3",
                                  "3/3=3,1,33", "[2]", "Date=3/9", "3/9=4,3,75"}));
    runCommand([&] { fx->main->cmdShowPercentClick(); }, [&](QDialog *dlg) {
        auto *view = qobject_cast<TfrmShowPercent *>(dlg);
        QVERIFY(view);
        QCOMPARE(child<QLabel>(dlg, "Panel1")->text(), QStringLiteral("ここでは、正解率を表示します"));
        QCOMPARE(items(view->cboQuestionFile), (QStringList{"Other.txt", "sample.txt"}));
        QCOMPARE(view->cboQuestionFile->currentText(), QStringLiteral("sample.txt"));
        QCOMPARE(items(view->cboYear), (QStringList{"1999", "2000", "2001"}));
        QCOMPARE(view->cboYear->currentText(), QStringLiteral("2001"));
        QCOMPARE(view->cboMonth->count(), 12);
        QCOMPARE(view->cboMonth->currentText(), QStringLiteral("3"));
        QCOMPARE(headers(view->lstData), (QStringList{"日付", "出題数", "正解数", "正解率"}));
        QCOMPARE(view->pnlAllPercent->text(), QString());
        QVERIFY(view->cmdView->isDefault());

        QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(rows(view->lstData), (QStringList{"3/3|3|1|33 ％", "3/9|4|3|75 ％"}));
        QCOMPARE(view->pnlAllPercent->text(), QStringLiteral("3月の正解率は、57 ％です"));

        // A month without studies empties the list and keeps the total line.
        view->cboMonth->setCurrentIndex(3);
        QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(view->lstData->topLevelItemCount(), 0);
        QCOMPARE(view->pnlAllPercent->text(), QStringLiteral("3月の正解率は、57 ％です"));

        // Another collection reads its own day file.
        view->cboQuestionFile->setCurrentIndex(0);
        view->cboMonth->setCurrentIndex(2);
        QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(view->lstData->topLevelItemCount(), 0);
    });
}

void TestStatsViewsUi::percentViewOpensGraph()
{
    QStringList opened;
    fx->platform.dialogHandlers.enqueue([&](QDialog *dlg) {
        opened << dlg->objectName();
        click(dlg, "Button3");
        dlg->reject();
    });
    fx->platform.dialogHandlers.enqueue([&](QDialog *dlg) {
        opened << dlg->objectName();
        click(dlg, "cmdClose");
    });
    fx->main->cmdShowPercentClick();
    QCOMPARE(opened, (QStringList{"frmShowPercent", "frmShowGraph"}));
}

void TestStatsViewsUi::collectionNotInRecentList()
{
    fx->main->settings.QuestionFilePath = fx->folder + QStringLiteral("New.txt");
    runCommand([&] { fx->main->cmdShowGraphClick(); }, [&](QDialog *dlg) {
        auto *cbo = child<QComboBox>(dlg, "cboQuestionFile");
        QCOMPARE(items(cbo), (QStringList{"New.txt", "Other.txt", "sample.txt"}));
        QCOMPARE(cbo->currentText(), QStringLiteral("New.txt"));
    });
}

void TestStatsViewsUi::graphDrawsLinesInTurn()
{
    QVERIFY(TextFile::writeLines(user(QStringLiteral("2001.dat")),
                                 {"[sample]", "Check=1", "1=20,9,45", "2=2,1,50", "3=4,4,100"}));
    QVERIFY(TextFile::writeLines(user(QStringLiteral("Temp.dat")),
                                 {"[sample]", "Check=1", "Count=2", "1=80", "2=5"}));
    runCommand([&] { fx->main->cmdShowGraphClick(); }, [&](QDialog *dlg) {
        auto *view = qobject_cast<TfrmShowGraph *>(dlg);
        QVERIFY(view);
        QCOMPARE(view->rgType->title(), QStringLiteral("表示する正解率は？"));
        QCOMPARE(view->rbMonthly->text(), QStringLiteral("毎月の正解率"));
        QCOMPARE(view->rbRecent->text(), QStringLiteral("毎回の正解率"));
        QCOMPARE(view->TypeIndex(), 0);
        QCOMPARE(view->imgGraph->size(), QSize(329, 201));
        const QImage monthly = GraphBackground(GraphType::Monthly);
        QCOMPARE(view->imgGraph->Picture(), monthly);
        auto pixel = [&](int x, int y) { return view->imgGraph->Picture().pixelColor(x, y); };

        // First line black through (62, 97), (80, 87), (100, 12); the
        // months without data lie on the axis.
        QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(pixel(62, 97), QColor(Qt::black));
        QCOMPARE(pixel(80, 87), QColor(Qt::black));
        QCOMPARE(pixel(100, 12), QColor(Qt::black));
        QCOMPARE(pixel(72, 160), QColor(Qt::white)); // under the line, off the axis
        // The same data again: blue over black.
        QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(pixel(62, 97), QColor(0, 0, 255));
        QCOMPARE(view->PenCounter(), 2);

        // The recent drills: background of its type; the pen goes on (red).
        QTest::mouseClick(view->rbRecent, Qt::LeftButton);
        QCOMPARE(view->TypeIndex(), 1);
        const QImage recent = GraphBackground(GraphType::Recent);
        QVERIFY(recent != monthly);
        QCOMPARE(view->imgGraph->Picture(), recent);
        QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(pixel(62, 42), QColor(255, 0, 0));   // slot 1: 80
        QCOMPARE(pixel(80, 158), QColor(255, 0, 0));  // slot 2: 5
        QCOMPARE(view->PenCounter(), 3);

        QTest::mouseClick(view->cmdClear, Qt::LeftButton);
        QCOMPARE(view->imgGraph->Picture(), recent);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(view->cmdView, Qt::LeftButton);
        QCOMPARE(view->PenCounter(), 0); // the seventh line will be black
    });
}

void TestStatsViewsUi::historyListsDrillsAndHints()
{
    twoDrills();
    const QString wrongList = QStringLiteral("★間違えた問題リスト★\n"
                                             "1、She can swim very well.\n\t彼女はとても上手に泳げます。\n\tcan は能力を表します。\n\n"
                                             "2、It is fine today.\n\t今日は晴れです。\n\t天気の言い方\n\n");
    runCommand([&] { fx->main->cmdShowHistoryClick(); }, [&](QDialog *dlg) {
        auto *view = qobject_cast<TfrmShowHistory *>(dlg);
        QVERIFY(view);
        QCOMPARE(headers(view->lstHistory),
                 (QStringList{"No.", "開始時間", "終了時間", "使用問題集", "出題数", "正解数", "不正解数", "正解率"}));
        const QStringList shown = rows(view->lstHistory);
        QCOMPARE(shown.size(), 10);
        QCOMPARE(shown.at(0), QStringLiteral("1|14：0：05|14：3：41|sample.txt|5|5|0|100％"));
        QCOMPARE(shown.at(1), QStringLiteral("2|14：5：00|14：9：12|sample.txt|5|3|2|60％"));
        QCOMPARE(shown.at(9), QStringLiteral("10||||0|0|0|％"));
        QVERIFY(view->Button1->isDefault());

        // Without the hint ticked a selection shows nothing.
        view->lstHistory->setCurrentItem(view->lstHistory->topLevelItem(1));
        QCOMPARE(view->lstHistory->toolTip(), QString());
        QTest::mouseClick(view->chkHint, Qt::LeftButton);
        QVERIFY(view->chkHint->isChecked());
        view->lstHistory->setCurrentItem(view->lstHistory->topLevelItem(0)); // no wrong answers
        QCOMPARE(view->lstHistory->toolTip(), QString());
        view->lstHistory->setCurrentItem(view->lstHistory->topLevelItem(1));
        QCOMPARE(view->lstHistory->toolTip(), wrongList);
        QTest::mouseClick(view->chkHint, Qt::LeftButton); // unticking empties the hint
        QCOMPARE(view->lstHistory->toolTip(), QString());

        // Double-click: the list in a plain message, only for drills with wrong answers.
        fx->platform.clear();
        const QRect second = view->lstHistory->visualItemRect(view->lstHistory->topLevelItem(1));
        QTest::mouseClick(view->lstHistory->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(view->lstHistory->viewport(), Qt::LeftButton, {}, second.center());
        const QRect first = view->lstHistory->visualItemRect(view->lstHistory->topLevelItem(0));
        QTest::mouseClick(view->lstHistory->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(view->lstHistory->viewport(), Qt::LeftButton, {}, first.center());
        const QList<PlatformCall> msgs = fx->platform.callsOf(QStringLiteral("message"));
        QCOMPARE(msgs.size(), 1);
        QCOMPARE(msgs.first().text, wrongList);
        QCOMPARE(msgs.first().detail, int(MsgKind::Plain));
    });
}

void TestStatsViewsUi::historyExport_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("text") << "cmdTextSave" << "rireki" << "rireki.txt" << "テキストファイル (*.txt)|*.txt"
                          << QStringList{"2001年3月9日",
                                         "No.1 14：0：05～14：3：41 sample.txt 出：5問 正：5問 不：0問 率：100％",
                                         "No.2 14：5：00～14：9：12 sample.txt 出：5問 正：3問 不：2問 率：60％",
                                         "------------------------<<<", ""};
    QTest::newRow("csv") << "cmdCSVSave" << "rireki.csv" << "rireki.csv" << "CSVファイル (*.csv)|*.csv"
                         << QStringList{"2001年3月9日", "No.,開始時間,終了時間,使用辞書,出題数,正解数,不正解数,正解率",
                                        "1,14：0：05,14：3：41,sample.txt,5,5,0,100％", "",
                                        "2,14：5：00,14：9：12,sample.txt,5,3,2,60％", ""};
}

void TestStatsViewsUi::historyExport()
{
    QFETCH(QString, button);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, filter);
    QFETCH(QStringList, lines);
    twoDrills();
    fx->platform.fileAnswers.enqueue(fx->folder + chosen);
    fx->platform.fileAnswers.enqueue(fx->folder + chosen);
    runCommand([&] { fx->main->cmdShowHistoryClick(); }, [&](QDialog *dlg) {
        click(dlg, button.toLatin1().constData());
        click(dlg, button.toLatin1().constData());
    });
    const QList<PlatformCall> saves = fx->platform.callsOf(QStringLiteral("save"));
    QCOMPARE(saves.size(), 2);
    QCOMPARE(saves.first().text, filter);
    QVERIFY(fx->platform.messages().isEmpty());
    // Each export appends: the file holds the block twice.
    const QByteArray block = cp932Lines(lines);
    QCOMPARE(fileBytes(fx->folder + written), block + block);
}

void TestStatsViewsUi::historyExportCancelledOrRefused()
{
    twoDrills();
    fx->platform.fileAnswers.enqueue(QString()); // cancelled
    fx->platform.fileAnswers.enqueue(fx->folder + QStringLiteral("missing/dir/out.txt"));
    runCommand([&] { fx->main->cmdShowHistoryClick(); }, [&](QDialog *dlg) {
        click(dlg, "cmdTextSave");
        QVERIFY(fx->platform.messages().isEmpty());
        click(dlg, "cmdTextSave");
    });
    const QList<PlatformCall> msgs = fx->platform.callsOf(QStringLiteral("message"));
    QCOMPARE(msgs.size(), 1);
    QCOMPARE(msgs.first().text, QStringLiteral("ファイルを開くことができませんでした。\n"
                                               "指定したファイルが存在するか確かめて、再度｢保存｣を押してください"));
    QCOMPARE(msgs.first().detail, int(MsgKind::Plain));
    QVERIFY(!QFile::exists(fx->folder + QStringLiteral("missing/dir/out.txt")));
}

QTEST_MAIN(TestStatsViewsUi)
#include "tst_statsviewsui.moc"
