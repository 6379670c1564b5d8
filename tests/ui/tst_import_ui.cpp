// The import window: opened from the File menu and from the question maker,
// a file chosen through the platform, the preview, the column mapping and
// its memory in Setup.ini, the rows left out with their reasons, and the
// bytes that land in the collection.
#include "dialogs_fixture.h"

#include "authoring/frmImport.h"
#include "authoring/frmMakeQuestion.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "settings/RecentFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {
QStringList listTexts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The preview as "heading|heading" then "line: cell|cell" per row.
QStringList previewTexts(const QTableWidget *table)
{
    QStringList out, headings;
    for (int c = 0; c < table->columnCount(); ++c)
        headings << table->horizontalHeaderItem(c)->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    out << headings.join(QLatin1Char('|'));
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        out << table->verticalHeaderItem(r)->text() + QStringLiteral(": ") + cells.join(QLatin1Char('|'));
    }
    return out;
}

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += TextFile::encode(l) + "\r\n";
    return out;
}

QStringList record(const char *keyword, const char *english, const char *japanese,
                   const char *comment, const char *hole)
{
    return {QStringLiteral("#") + QString::fromUtf8(keyword), QString::fromUtf8(english),
            QString::fromUtf8(japanese), QString::fromUtf8(comment), QString::fromUtf8(hole), QString()};
}
} // namespace

class TestImportUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogFixture> fx;

    QString writeSource(const QString &name, const QByteArray &bytes)
    {
        const QString path = fx->folder + name;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write the file to import");
        return path;
    }

    // Opens the import window from the File menu and runs `body` in it.
    void inImport(const std::function<void(TfrmImport *)> &body)
    {
        bool opened = false;
        fx->platform.dialogHandlers.enqueue([&](QDialog *d) {
            auto *w = qobject_cast<TfrmImport *>(d);
            QVERIFY(w);
            opened = true;
            body(w);
            w->cmdClose->click();
        });
        fx->main->cmdImportQuestion->trigger();
        QVERIFY(opened);
    }

    // Chooses `path` with the window's file button.
    void choose(TfrmImport *w, const QString &path)
    {
        fx->platform.fileAnswers.enqueue(path);
        w->cmdSelectImportFile->click();
    }

private slots:
    void init() { fx = std::make_unique<DialogFixture>(); }
    void cleanup() { fx.reset(); }

    void openedFromMenuAndMaker_data();
    void openedFromMenuAndMaker();
    void exports_data();
    void exports();
    void swapAndRememberedMapping();
    void separatorAndHeaderChoices();
    void refusals_data();
    void refusals();
    void failedWriteLeavesNoFile();
    void planFollowsTheCollection_data();
    void planFollowsTheCollection();
};

void TestImportUi::openedFromMenuAndMaker_data()
{
    QTest::addColumn<bool>("fromMaker");
    QTest::newRow("File menu") << false;
    QTest::newRow("question maker") << true;
}

void TestImportUi::openedFromMenuAndMaker()
{
    QFETCH(bool, fromMaker);
    const QString other = fx->folder + QStringLiteral("other.txt");
    QString shownTarget, title, fileCaption, fileFilter;
    const auto inWindow = [&](QDialog *d) {
        auto *w = qobject_cast<TfrmImport *>(d);
        QVERIFY(w);
        title = w->windowTitle();
        shownTarget = w->cboQuestionFile->currentText();
        fx->platform.fileAnswers.enqueue(QString());   // the file dialog is cancelled
        w->cmdSelectImportFile->click();
        fileCaption = fx->platform.callsOf(QStringLiteral("open")).last().caption;
        fileFilter = fx->platform.callsOf(QStringLiteral("open")).last().text;
        QCOMPARE(w->txtImportFile->text(), QString());
        w->cmdClose->click();
    };
    if (fromMaker) {
        // The maker's target (chosen there) is where the import goes at first.
        fx->platform.dialogHandlers.enqueue([&](QDialog *d) {
            auto *maker = qobject_cast<TfrmMakeQuestion *>(d);
            QVERIFY(maker);
            fx->platform.fileAnswers.enqueue(other);
            maker->cmdSelectQuestionFile->click();
            fx->platform.dialogHandlers.enqueue(inWindow);
            maker->cmdImport->click();
            maker->cmdClose->click();
        });
        fx->main->cmdMakeQuestion->trigger();
    } else {
        fx->platform.dialogHandlers.enqueue(inWindow);
        fx->main->cmdImportQuestion->trigger();
    }
    QCOMPARE(title, QStringLiteral("取り込み"));
    QCOMPARE(shownTarget, fromMaker ? QStringLiteral("other.txt") : QStringLiteral("sample.txt"));
    QCOMPARE(fileCaption, QStringLiteral("取り込むファイルの指定"));
    QCOMPARE(fileFilter, QStringLiteral("CSV・TSV・テキストファイル (*.csv;*.tsv;*.txt)|*.csv;*.tsv;*.txt|"
                                        "すべてのファイル (*)|*"));
    QCOMPARE(fx->main->cmdImportQuestion->text(), QStringLiteral("問題の取り込み (&I)"));
}

void TestImportUi::exports_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("collection");   // empty: the fixture's CP932 collection
    QTest::addColumn<QString>("info");
    QTest::addColumn<QStringList>("preview");
    QTest::addColumn<QStringList>("skipped");
    QTest::addColumn<QByteArray>("appended");

    const QByteArray cp932Collection = crlf({"#k", "go", "行く", "c", "", ""});
    QTest::newRow("notes export: UTF-8, tab, header lines, HTML")
        << QStringLiteral("#separator:tab\n#html:true\n#columns:English\tJapanese\tComment\n"
                          "I have a pen.\t私は<b>ペン</b>\t\n"
                          "Yes,<br>I do.\tはい\tyes&amp;no\n"
                          "\t空\n").toUtf8()
        << QByteArray() << "文字コード ： UTF-8　　3 行"
        << QStringList{"列1 （English） → 英文|列2 （Japanese） → 日本語訳|列3 （Comment） → コメント",
                       "4: I have a pen.|私はペン|", "5: Yes, I do.|はい|yes&no", "6: |空|"}
        << QStringList{"6 行目 ： 英文が記入されていません。"}
        << crlf(record("キーワードなし", "I have a pen.", "私はペン", "コメントはありません", "")
                + record("キーワードなし", "Yes, I do.", "はい", "yes&no", ""));
    QTest::newRow("spreadsheet CSV: BOM, named columns, quotes, commas, line breaks")
        << QByteArray("\xEF\xBB\xBF")
               + QStringLiteral("Keyword,English,Japanese,Comment,Hole\r\n"
                                "have to,\"Yes, I have to go.\",\"はい、\r\n行かなければ。\",\"\"\"must\"\" に近い\",go\r\n"
                                ",\"He said, \"\"Hi.\"\"\",彼は「やあ」と言った。,,\r\n").toUtf8()
        << QByteArray() << "文字コード ： UTF-8 (BOM付き)　　3 行"
        << QStringList{"列1 （Keyword） → キーワード|列2 （English） → 英文|列3 （Japanese） → 日本語訳|"
                       "列4 （Comment） → コメント|列5 （Hole） → 穴埋めの単語",
                       "2: have to|Yes, I have to go.|はい、 行かなければ。|\"must\" に近い|go",
                       "4: |He said, \"Hi.\"|彼は「やあ」と言った。||"}
        << QStringList{}
        << crlf(record("have to", "Yes, I have to go.", "はい、 行かなければ。", "\"must\" に近い", "go")
                + record("キーワードなし", "He said, \"Hi.\"", "彼は「やあ」と言った。", "コメントはありません", ""));
    QTest::newRow("Shift-JIS file")
        << crlf({"run\t走る", "swim\t泳ぐ"}) << QByteArray() << "文字コード ： シフトJIS　　2 行"
        << QStringList{"列1 → 英文|列2 → 日本語訳", "1: run|走る", "2: swim|泳ぐ"} << QStringList{}
        << crlf(record("キーワードなし", "run", "走る", "コメントはありません", "")
                + record("キーワードなし", "swim", "泳ぐ", "コメントはありません", ""));
    QTest::newRow("a character Shift-JIS cannot hold skips its row")
        << QStringLiteral("smile\t笑顔😀\nlaugh\t笑う\n").toUtf8() << cp932Collection
        << "文字コード ： UTF-8　　2 行"
        << QStringList{"列1 → 英文|列2 → 日本語訳", "1: smile|笑顔😀", "2: laugh|笑う"}
        << QStringList{"1 行目 ： " + TextFile::unstorableMessage(QStringLiteral("日本語訳"), QStringLiteral("😀"))}
        << crlf(record("キーワードなし", "laugh", "笑う", "コメントはありません", ""));
    QTest::newRow("UTF-8 collection takes it, in its own line ends")
        << QStringLiteral("smile\t笑顔😀\n").toUtf8()
        << QByteArray("\xEF\xBB\xBF") + QStringLiteral("#k\ngo\n行く\nc\n\n\n").toUtf8()
        << "文字コード ： UTF-8　　1 行" << QStringList{"列1 → 英文|列2 → 日本語訳", "1: smile|笑顔😀"}
        << QStringList{}
        << QStringLiteral("#キーワードなし\nsmile\n笑顔😀\nコメントはありません\n\n\n").toUtf8();
    QTest::newRow("a last line without a line end is ended first")
        << QByteArray("run\tx\n") << crlf({"#k", "go", "行く", "c"}) + TextFile::encode(QStringLiteral("いく"))
        << "文字コード ： シフトJIS　　1 行" << QStringList{"列1 → 英文|列2 → 日本語訳", "1: run|x"}
        << QStringList{} << "\r\n" + crlf(record("キーワードなし", "run", "x", "コメントはありません", ""));
}

void TestImportUi::exports()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, collection);
    QFETCH(QString, info);
    QFETCH(QStringList, preview);
    QFETCH(QStringList, skipped);
    QFETCH(QByteArray, appended);

    const QString path = writeSource(QStringLiteral("export.txt"), source);
    if (!collection.isEmpty())
        writeSource(QStringLiteral("sample.txt"), collection);
    const QByteArray before = fileBytes(fx->collection);
    inImport([&](TfrmImport *w) {
        choose(w, path);
        QCOMPARE(w->txtImportFile->text(), path);
        QCOMPARE(w->lblFileInfo->text(), info);
        QCOMPARE(previewTexts(w->tblPreview), preview);
        QCOMPARE(listTexts(w->lstSkipped), skipped);
        const int questions = int(w->plan().drafts.size());
        QCOMPARE(w->lblSummary->text(),
                 QStringLiteral("取り込む問題 ： %1 件　　取り込まない行 ： %2 件")
                     .arg(questions)
                     .arg(skipped.size()));
        fx->platform.clear();
        w->cmdAdd->click();
        QCOMPARE(fx->platform.messages(),
                 QStringList{QStringLiteral("「sample.txt」に %1 件の問題を追加しました。\n"
                                            "取り込まなかった行 ： %2 件")
                                 .arg(questions)
                                 .arg(skipped.size())});
        QCOMPARE(fx->platform.callsOf(QStringLiteral("message")).first().detail,
                 int(MsgKind::Information));
        // The window is ready for the next file: nothing is added twice.
        QCOMPARE(w->txtImportFile->text(), QString());
        QCOMPARE(w->tblPreview->rowCount(), 0);
        fx->platform.clear();
        w->cmdAdd->click();
        QCOMPARE(fx->platform.messages(), QStringList{QStringLiteral("取り込むファイルが指定されていません。")});
    });
    QCOMPARE(fileBytes(fx->collection), before + appended);
}

void TestImportUi::swapAndRememberedMapping()
{
    const QString first = writeSource(QStringLiteral("a.tsv"), QByteArray("\xE8\xA1\x8C\xE3\x81\x8F\tgo\tverb\n"));
    const QByteArray before = fileBytes(fx->collection);
    inImport([&](TfrmImport *w) {
        choose(w, first);
        QCOMPARE(w->cboColumn[Import::English]->currentText(), QStringLiteral("列1"));
        QCOMPARE(w->cboColumn[Import::Japanese]->currentText(), QStringLiteral("列2"));
        w->cmdSwap->click();
        QCOMPARE(w->cboColumn[Import::English]->currentText(), QStringLiteral("列2"));
        QCOMPARE(w->cboColumn[Import::Japanese]->currentText(), QStringLiteral("列1"));
        QCOMPARE(previewTexts(w->tblPreview).first(),
                 QStringLiteral("列1 → 日本語訳|列2 → 英文|列3"));
        w->cboColumn[Import::Comment]->setCurrentIndex(3);
        emit w->cboColumn[Import::Comment]->activated(3);
        QCOMPARE(previewTexts(w->tblPreview).first(),
                 QStringLiteral("列1 → 日本語訳|列2 → 英文|列3 → コメント"));
        w->cmdAdd->click();
    });
    QCOMPARE(fileBytes(fx->collection),
             before + crlf(record("キーワードなし", "go", "行く", "verb", "")));
    const QString ini = fx->main->settings.setupIniPath();
    QCOMPARE(IniFile(ini).readString(QStringLiteral("Import"), QStringLiteral("English")), QStringLiteral("2"));
    QCOMPARE(IniFile(ini).readString(QStringLiteral("Import"), QStringLiteral("Japanese")), QStringLiteral("1"));
    QCOMPARE(IniFile(ini).readString(QStringLiteral("Import"), QStringLiteral("Comment")), QStringLiteral("3"));
    QCOMPARE(IniFile(ini).readString(QStringLiteral("Import"), QStringLiteral("Hole")), QStringLiteral("0"));

    // The next window takes the same mapping for a file without column names.
    const QString second = writeSource(QStringLiteral("b.tsv"), QByteArray("\xE6\x9D\xA5\xE3\x82\x8B\tcome\n"));
    inImport([&](TfrmImport *w) {
        choose(w, second);
        QCOMPARE(w->cboColumn[Import::English]->currentText(), QStringLiteral("列2"));
        QCOMPARE(w->cboColumn[Import::Japanese]->currentText(), QStringLiteral("列1"));
        // Column 3 is not in this file.
        QCOMPARE(w->cboColumn[Import::Comment]->currentText(), QStringLiteral("（なし）"));
    });
}

void TestImportUi::separatorAndHeaderChoices()
{
    // Commas in every row but a tab missing in one: taken for a comma file,
    // the learner picks tab, and the row without a tab is left out.
    const QString commas = writeSource(QStringLiteral("c.txt"),
                                       QByteArray("Yes, I do.\tha\nNo, I don't.\tiie\nWell, well.\n"));
    inImport([&](TfrmImport *w) {
        choose(w, commas);
        QCOMPARE(w->cboSeparator->currentText(), QStringLiteral("カンマ ( , )"));
        QCOMPARE(previewTexts(w->tblPreview).at(1), QStringLiteral("1: Yes|I do. ha"));
        const int tab = w->cboSeparator->findText(QStringLiteral("タブ"));
        w->cboSeparator->setCurrentIndex(tab);
        emit w->cboSeparator->activated(tab);
        QCOMPARE(previewTexts(w->tblPreview),
                 (QStringList{"列1 → 英文|列2 → 日本語訳", "1: Yes, I do.|ha", "2: No, I don't.|iie",
                              "3: Well, well.|"}));
        QCOMPARE(listTexts(w->lstSkipped), QStringList{"3 行目 ： 日本語訳が記入されていません。"});
    });

    // A first row that names the columns maps them and is no question,
    // unless the learner unticks it.
    const QString named = writeSource(QStringLiteral("n.csv"),
                                      QByteArray("Japanese,English\nha,yes\niie,no\n"));
    inImport([&](TfrmImport *w) {
        choose(w, named);
        QVERIFY(w->chkHeaderRow->isChecked());
        QCOMPARE(previewTexts(w->tblPreview),
                 (QStringList{"列1 （Japanese） → 日本語訳|列2 （English） → 英文", "2: ha|yes", "3: iie|no"}));
        QCOMPARE(w->plan().drafts.size(), 2);
        w->chkHeaderRow->click();
        QCOMPARE(w->plan().drafts.size(), 3);
        QCOMPARE(w->plan().drafts.first().english, QStringLiteral("English"));
        QCOMPARE(w->tblPreview->rowCount(), 3);
    });
}

void TestImportUi::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("english");
    QTest::addColumn<int>("japanese");
    QTest::addColumn<QString>("message");

    QTest::newRow("no file chosen") << QByteArray() << 1 << 2 << "取り込むファイルが指定されていません。";
    QTest::newRow("English column not chosen") << QByteArray("a\tb\n") << 0 << 2
                                               << "英文と日本語訳の列を指定してください。";
    QTest::newRow("one column for both") << QByteArray("a\tb\n") << 1 << 1
                                         << "英文と日本語訳に同じ列が指定されています。";
    QTest::newRow("every row refused") << QByteArray("a#\tb\n\tc\n") << 1 << 2
                                       << "取り込める問題がありません。\n"
                                          "「取り込まない行とその理由」を確かめてください。";
}

void TestImportUi::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, english);
    QFETCH(int, japanese);
    QFETCH(QString, message);
    const QByteArray before = fileBytes(fx->collection);
    const QString source = bytes.isEmpty() ? QString() : writeSource(QStringLiteral("r.tsv"), bytes);
    inImport([&](TfrmImport *w) {
        if (!source.isEmpty())
            choose(w, source);
        w->cboColumn[Import::English]->setCurrentIndex(english);
        w->cboColumn[Import::Japanese]->setCurrentIndex(japanese);
        fx->platform.clear();
        w->cmdAdd->click();
        QCOMPARE(fx->platform.messages(), QStringList{message});
        QCOMPARE(fx->platform.callsOf(QStringLiteral("message")).first().caption, QStringLiteral("エラー"));
    });
    QCOMPARE(fileBytes(fx->collection), before);
    QVERIFY(!IniFile(fx->main->settings.setupIniPath()).hasSection(QStringLiteral("Import")));
}

void TestImportUi::failedWriteLeavesNoFile()
{
    const QString source = writeSource(QStringLiteral("d.tsv"), QByteArray("go\tx\ncome\ty\n"));
    const QString target = fx->folder + QStringLiteral("missing/folder/new.txt");
    fx->main->settings.QuestionFilePath = target;
    inImport([&](TfrmImport *w) {
        choose(w, source);
        fx->platform.clear();
        w->cmdAdd->click();
        QCOMPARE(fx->platform.messages().size(), 1);
        QCOMPARE(fx->platform.callsOf(QStringLiteral("message")).first().caption, QStringLiteral("エラー"));
        // The file stays chosen, so the learner can pick another collection.
        QCOMPARE(w->txtImportFile->text(), source);
    });
    QVERIFY(!QFile::exists(target));
}

void TestImportUi::planFollowsTheCollection_data()
{
    QTest::addColumn<bool>("fromList");   // else another program rewrites the collection
    QTest::newRow("UTF-8 collection picked from the list") << true;
    QTest::newRow("collection rewritten as UTF-8 after the preview") << false;
}

// What the preview lists as refused is what the import refuses: the rows
// follow the encoding of the collection they go to.
void TestImportUi::planFollowsTheCollection()
{
    QFETCH(bool, fromList);
    const QString source = writeSource(QStringLiteral("e.tsv"), QStringLiteral("smile\t笑顔😀\nlaugh\t笑う\n").toUtf8());
    const QByteArray utf8 = QByteArray("\xEF\xBB\xBF") + crlf({"#k", "go", "c", "c", "", ""});
    const QString other = writeSource(QStringLiteral("utf8.txt"), utf8);
    QVERIFY(AddRecentFile(fx->main->settings, RecentList::Question, other));
    const QString target = fromList ? other : fx->collection;
    inImport([&](TfrmImport *w) {
        choose(w, source);
        QCOMPARE(listTexts(w->lstSkipped),
                 QStringList{"1 行目 ： " + TextFile::unstorableMessage(QStringLiteral("日本語訳"), QStringLiteral("😀"))});
        if (fromList) {
            w->cboQuestionFile->setCurrentIndex(w->cboQuestionFile->findText(QStringLiteral("utf8.txt")));
            QCOMPARE(listTexts(w->lstSkipped), QStringList());
        } else {
            writeSource(QStringLiteral("sample.txt"), utf8);
        }
        fx->platform.clear();
        w->cmdAdd->click();
        QCOMPARE(fx->platform.messages(),
                 QStringList{QStringLiteral("「%1」に 2 件の問題を追加しました。\n取り込まなかった行 ： 0 件")
                                 .arg(Paths::fileName(target))});
    });
    QCOMPARE(fileBytes(target), utf8 + QStringLiteral("#キーワードなし\r\nsmile\r\n笑顔😀\r\nコメントはありません\r\n\r\n\r\n"
                                                      "#キーワードなし\r\nlaugh\r\n笑う\r\nコメントはありません\r\n\r\n\r\n")
                                           .toUtf8());
}

QTEST_MAIN(TestImportUi)
#include "tst_import_ui.moc"
