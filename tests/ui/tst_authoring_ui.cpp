// The question file editor, the new text file dialog, the print dialog, the
// about box and the help commands, driven through the main window.
#include "dialogs_fixture.h"

#include "app/frmAbout.h"
#include "authoring/frmEditQuestionFile.h"
#include "authoring/frmNewText.h"
#include "authoring/frmPrint.h"
#include "platform/IniFile.h"
#include "records/frmResultError.h"
#include "widgets/Gauge.h"
#include "widgets/StatusBar.h"

#include "FileSizeLimit.h"

#include <QCheckBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {
QString u(const char *utf8) { return QString::fromUtf8(utf8); }

// Keeps what was handed to the printer.
class PrintCapture : public ScriptedPlatform
{
public:
    QString printedText;
    QString printedTitle;
    QString printedFamily;
    bool printDocument(QWidget *parent, QTextDocument *document) override
    {
        printedText = document->toPlainText();
        printedTitle = document->metaInformation(QTextDocument::DocumentTitle);
        printedFamily = document->defaultFont().family();
        return ScriptedPlatform::printDocument(parent, document);
    }
};

// Prints what is handed to the printer into a PDF file, as a 1200 dpi
// printer would get it.
class PdfCapture : public ScriptedPlatform
{
public:
    QString pdf;
    bool printDocument(QWidget *parent, QTextDocument *document) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        document->print(&printer);
        return ScriptedPlatform::printDocument(parent, document);
    }
};

// Calls `onPaint` for every paint event of a widget while alive.
class PaintWatch : public QObject
{
public:
    PaintWatch(QWidget *w, std::function<void()> onPaint) : m_w(w), m_onPaint(std::move(onPaint))
    {
        w->installEventFilter(this);
    }
    ~PaintWatch() override { m_w->removeEventFilter(this); }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            m_onPaint();
        return false;
    }

private:
    QWidget *m_w;
    std::function<void()> m_onPaint;
};

void clickRow(QTreeWidget *table, int row)
{
    QTreeWidgetItem *item = table->topLevelItem(row);
    QVERIFY(item);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualItemRect(item).center());
}

QStringList rowTexts(QTreeWidget *table, int row)
{
    QStringList out;
    if (QTreeWidgetItem *item = table->topLevelItem(row))
        for (int c = 0; c < 5; ++c)
            out << item->text(c);
    return out;
}
} // namespace

class TestAuthoringUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<DialogFixture> fx;

    // Opens the editor from the main window's menu and runs `body` in it.
    void inEditor(const std::function<void(TfrmEditQuestionFile *)> &body)
    {
        fx->platform.dialogHandler = [&](QDialog *d) {
            auto *editor = qobject_cast<TfrmEditQuestionFile *>(d);
            QVERIFY(editor);
            body(editor);
        };
        const int before = fx->platform.callsOf("dialog").size();
        fx->main->cmdEditQuestionFile->trigger();
        fx->platform.dialogHandler = nullptr;
        QCOMPARE(fx->platform.callsOf("dialog").size(), before + 1);
    }
    void inPrint(ScriptedPlatform &p, const std::function<void(TfrmPrint *)> &body)
    {
        p.dialogHandler = [&](QDialog *d) {
            auto *dlg = qobject_cast<TfrmPrint *>(d);
            QVERIFY(dlg);
            body(dlg);
        };
        const int before = p.callsOf("dialog").size();
        fx->main->cmdPrint->click();
        p.dialogHandler = nullptr;
        QCOMPARE(p.callsOf("dialog").size(), before + 1);
        QCOMPARE(p.callsOf("dialog").last().text, QString::fromUtf8("問題集の印刷"));
    }

private slots:
    void init()
    {
        fx = std::make_unique<DialogFixture>();
        fx->env.writeSetup(QStringLiteral("Question"), QStringLiteral("DicCount"), QStringLiteral("2"));
        fx->env.writeSetup(QStringLiteral("Question"), QStringLiteral("1"), QStringLiteral("sample.txt"));
        fx->env.writeSetup(QStringLiteral("Question"), QStringLiteral("2"), QStringLiteral("other.txt"));
        fx->env.writeSetup(QStringLiteral("Question Path"), QStringLiteral("sample.txt"), fx->collection);
    }
    void cleanup() { fx.reset(); }

    void editorLoadChangeSave();
    void editorRowCommands();
    void editorActsOnTheHighlightedRow();
    void editorSaveKeepsQuestions();
    void editorRefusesSharpAndEmptySelection();
    void editorCollectionChoice();
    void editorWithUnreadableReference();
    void editorFromWrongAnswerDialog();
    void overLongLinesAreRefused();

    void newTextFlow();

    void printDirectionAndLoad();
    void printAndSaveAsText();
    void printSaveRefusals_data();
    void printSaveRefusals();
    void failedSaveLeavesNoFile();
    void printedSheetIsReadable();
    void printGaugeMovesWhileComposing();
    void printCutShortCollection();
    void printOpenAndFont();

    void helpCommands_data();
    void helpCommands();
    void aboutBox();
};

// --- editor ---------------------------------------------------------------------------

void TestAuthoringUi::editorLoadChangeSave()
{
    const QString path = fx->collection;
    inEditor([&](TfrmEditQuestionFile *e) {
        QCOMPARE(e->windowTitle(), u("問題集の編集"));
        QCOMPARE(e->cboQuestionFile->currentText(), QStringLiteral("sample.txt"));
        QCOMPARE(e->cboQuestionFile->count(), 2);
        QCOMPARE(e->sbInfo->panelText(0), path);
        QCOMPARE(e->cboKeyword->count(), 1);
        QCOMPARE(e->cboKeyword->itemText(0), QStringLiteral("have to"));
        QVERIFY(!e->cmdSave->isEnabled());

        click(e, "cmdLoad");
        QCOMPARE(e->lstData->topLevelItemCount(), 3);
        QCOMPARE(rowTexts(e->lstData, 2),
                 (QStringList{u("キーワードなし"), "It is fine today.", u("今日は晴れです。"),
                              u("天気の言い方"), "fine"}));
        QVERIFY(e->cmdSave->isEnabled());

        clickRow(e->lstData, 1);
        QCOMPARE(e->SelectedRow(), 1);
        QCOMPARE(e->txtEnglish->text(), QStringLiteral("She can swim very well."));
        QCOMPARE(e->cboKeyword->currentText(), QStringLiteral("can"));
        e->txtEnglish->setText(QStringLiteral("She can swim fast."));
        e->txtHole->setText(QStringLiteral("swim,fast"));
        click(e, "cmdChange");
        QCOMPARE(rowTexts(e->lstData, 1).at(1), QStringLiteral("She can swim fast."));
        QCOMPARE(fileBytes(path), TextFile::encode(DialogFixture::collectionLines().join("\r\n") + "\r\n"));

        click(e, "cmdSave");
        QCOMPARE(fx->platform.messages().last(),
                 u("保存しました。\n再度読み込みボタンを押してリストを更新してください。"));
        QVERIFY(e->txtEnglish->text().isEmpty());
        QCOMPARE(e->lstData->topLevelItemCount(), 3);
        QVERIFY(e->cmdSave->isEnabled());
    });
    const QStringList expected{"#have to", "I have to go now.", u("もう行かなければなりません。"),
                               u("have to は義務を表します。"), "go", "",
                               "#can", "She can swim fast.", u("彼女はとても上手に泳げます。"),
                               u("can は能力を表します。"), "swim,fast", "",
                               u("#キーワードなし"), "It is fine today.", u("今日は晴れです。"),
                               u("天気の言い方"), "fine", ""};
    QCOMPARE(fileBytes(path), TextFile::encode(expected.join("\r\n") + "\r\n"));
    QCOMPARE(fx->platform.callsOf("dialog").first().caption, QStringLiteral("frmEditQuestionFile"));
}

void TestAuthoringUi::editorRowCommands()
{
    inEditor([&](TfrmEditQuestionFile *e) {
        click(e, "cmdLoad");
        // Rewriting right after loading, without a click, rewrites the first row.
        e->cboKeyword->setEditText(QStringLiteral("must"));
        e->txtEnglish->setText(QStringLiteral("I must go."));
        click(e, "cmdChange");
        QCOMPARE(rowTexts(e->lstData, 0),
                 (QStringList{"must", "I must go.", "", "", ""}));

        // Deleting twice: the clicked row, then the row that moved up.
        clickRow(e->lstData, 1);
        click(e, "cmdDelete");
        QCOMPARE(e->lstData->topLevelItemCount(), 2);
        QVERIFY(e->txtEnglish->text().isEmpty());
        QCOMPARE(rowTexts(e->lstData, 1).at(0), u("キーワードなし"));
        click(e, "cmdDelete");
        QCOMPARE(e->lstData->topLevelItemCount(), 1);
        QCOMPARE(rowTexts(e->lstData, 0).at(0), QStringLiteral("must"));
        // Nothing left at the selected index.
        click(e, "cmdDelete");
        QCOMPARE(fx->platform.messages().last(), u("選択されていません"));
        QCOMPARE(e->lstData->topLevelItemCount(), 1);
    });
}

void TestAuthoringUi::editorActsOnTheHighlightedRow()
{
    inEditor([&](TfrmEditQuestionFile *e) {
        click(e, "cmdLoad");
        clickRow(e->lstData, 0);
        // The keyboard moves the highlight; the boxes and the commands follow it.
        QTest::keyClick(e->lstData, Qt::Key_End);
        QCOMPARE(e->SelectedRow(), 2);
        QCOMPARE(e->txtEnglish->text(), QStringLiteral("It is fine today."));
        click(e, "cmdDelete");
        QCOMPARE(e->lstData->topLevelItemCount(), 2);
        QCOMPARE(rowTexts(e->lstData, 0).at(0), QStringLiteral("have to"));
        QCOMPARE(rowTexts(e->lstData, 1).at(0), QStringLiteral("can"));

        QTest::keyClick(e->lstData, Qt::Key_Home);
        QTest::keyClick(e->lstData, Qt::Key_Down);
        e->txtEnglish->setText(QStringLiteral("She can run."));
        click(e, "cmdChange");
        QCOMPARE(rowTexts(e->lstData, 1).at(1), QStringLiteral("She can run."));
        QCOMPARE(rowTexts(e->lstData, 0).at(1), QStringLiteral("I have to go now."));

        // Loading again starts at the first row, whatever was highlighted.
        click(e, "cmdLoad");
        QCOMPARE(e->SelectedRow(), 0);
        e->txtEnglish->setText(QStringLiteral("I have to leave."));
        click(e, "cmdChange");
        QCOMPARE(rowTexts(e->lstData, 0).at(1), QStringLiteral("I have to leave."));
        QCOMPARE(rowTexts(e->lstData, 2).at(1), QStringLiteral("It is fine today."));
    });
}

void TestAuthoringUi::editorSaveKeepsQuestions()
{
    // A hand-edited collection with "#" inside an English line: loading and
    // saving again and again keeps the file as it is.
    const QStringList lines{"#sharp", "I write C# code.", u("C#を書きます。"), "", "C#", "",
                            "#can", "She can swim.", u("泳げます。"), "", "swim", ""};
    QVERIFY(TextFile::writeLines(fx->collection, lines));
    const QByteArray before = fileBytes(fx->collection);
    inEditor([&](TfrmEditQuestionFile *e) {
        for (int round = 0; round < 3; ++round) {
            click(e, "cmdLoad");
            QCOMPARE(e->lstData->topLevelItemCount(), 5);
            click(e, "cmdSave");
            QCOMPARE(fileBytes(fx->collection), before);
        }
        // A rewritten row is written as a record of its own.
        click(e, "cmdLoad");
        clickRow(e->lstData, 4);
        e->txtEnglish->setText(QStringLiteral("She can run."));
        click(e, "cmdChange");
        click(e, "cmdSave");
    });
    QStringList after;
    QVERIFY(TextFile::readLines(fx->collection, after));
    QCOMPARE(after.mid(0, 6), lines.mid(0, 6));
    QCOMPARE(after.mid(6), (QStringList{"#can", "She can run.", u("泳げます。"), "", "swim", ""}));
}

void TestAuthoringUi::editorRefusesSharpAndEmptySelection()
{
    inEditor([&](TfrmEditQuestionFile *e) {
        // Before loading there is no row at all.
        click(e, "cmdChange");
        QCOMPARE(fx->platform.messages().last(), u("選択されていません"));

        click(e, "cmdLoad");
        clickRow(e->lstData, 2);
        e->txtComment->setText(QStringLiteral("see #3"));
        click(e, "cmdChange");
        QCOMPARE(fx->platform.messages().last(),
                 u("英文、日本語訳、コメント、穴埋め個所には「#」を使えません"));
        QCOMPARE(rowTexts(e->lstData, 2).at(3), u("天気の言い方"));
    });
}

void TestAuthoringUi::editorCollectionChoice()
{
    const QString chosen = fx->folder + QStringLiteral("chosen.txt");
    TextFile::writeLines(chosen, {"#x", "X.", "jx", "cx", "hx"});
    fx->platform.fileAnswers.enqueue(chosen);
    inEditor([&](TfrmEditQuestionFile *e) {
        click(e, "cmdLoad");
        QCOMPARE(e->lstData->topLevelItemCount(), 3);

        // A name of the recent list: its recorded path, table emptied.
        e->cboQuestionFile->setCurrentIndex(1);
        QCOMPARE(e->EditedFile(), QString());
        QCOMPARE(e->lstData->topLevelItemCount(), 0);
        QVERIFY(!e->cmdSave->isEnabled());
        e->cboQuestionFile->setCurrentIndex(0);
        QCOMPARE(e->EditedFile(), fx->collection);
        QCOMPARE(e->sbInfo->panelText(0), fx->collection);

        click(e, "cmdSelectQuestionFile");
        QCOMPARE(e->cboQuestionFile->currentText(), QStringLiteral("chosen.txt"));
        QCOMPARE(e->EditedFile(), chosen);
        click(e, "cmdLoad");
        QCOMPARE(rowTexts(e->lstData, 0), (QStringList{"x", "X.", "jx", "cx", "hx"}));

        // A name without a recorded path leaves no file to edit.
        e->cboQuestionFile->setEditText(QStringLiteral("nothing.txt"));
        QCOMPARE(e->EditedFile(), QString());
        QCOMPARE(e->lstData->topLevelItemCount(), 0);
    });
    QCOMPARE(fx->env.readSetup(QStringLiteral("Question Path"), QStringLiteral("chosen.txt")), QString());
    QCOMPARE(fx->platform.callsOf("open").first().text, u("問題集ファイル (*.txt)|*.txt"));
}

void TestAuthoringUi::editorWithUnreadableReference()
{
    fx->main->settings.ReferenceFilePath = fx->folder + QStringLiteral("missing.txt");
    inEditor([&](TfrmEditQuestionFile *e) {
        QCOMPARE(e->cboKeyword->count(), 0);
        QCOMPARE(e->EditedFile(), fx->collection);
        click(e, "cmdLoad");
        QCOMPARE(e->lstData->topLevelItemCount(), 3);
    });
    QCOMPARE(fx->platform.callsOf("message").size(), 1);
    QVERIFY(fx->platform.messages().first().contains(QStringLiteral("missing.txt")));
}

void TestAuthoringUi::editorFromWrongAnswerDialog()
{
    TfrmResultError dlg(fx->main);
    fx->platform.dialogHandlers.enqueue([](QDialog *d) { click(d, "cmdEditQuestionFile"); });
    fx->platform.dialogHandlers.enqueue([](QDialog *d) {
        QCOMPARE(d->objectName(), QStringLiteral("frmEditQuestionFile"));
        click(d, "cmdClose");
    });
    fx->platform.execDialog(&dlg);
    const auto dialogs = fx->platform.callsOf("dialog");
    QCOMPARE(dialogs.size(), 2);
    QCOMPARE(dialogs.at(1).text, u("問題集の編集"));
}

// --- new text file ------------------------------------------------------------------------

void TestAuthoringUi::newTextFlow()
{
    const QString folder = fx->folder + QStringLiteral("texts");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/sub")));
    QVERIFY(TextFile::writeLines(folder + QStringLiteral("/old.txt"), {"keep"}));
    fx->platform.dialogHandler = [&](QDialog *d) {
        auto *dlg = qobject_cast<TfrmNewText *>(d);
        QVERIFY(dlg);
        QCOMPARE(dlg->windowTitle(), u("テキストファイルの新規作成"));
        QCOMPARE(dlg->dlbFolder->directory(), QDir::cleanPath(QDir::currentPath()));
        dlg->dlbFolder->setDirectory(folder);
        // The open folder's sub-folder is listed below it.
        QCOMPARE(dlg->dlbFolder->item(dlg->dlbFolder->count() - 1)->text().trimmed(),
                 QStringLiteral("sub"));

        click(dlg, "cmdMake");
        QCOMPARE(fx->platform.messages().last(), u("ファイル名が記入されていません"));

        QTest::keyClicks(dlg->txtFileName, QStringLiteral("abc"));
        click(dlg, "cmdMake");
        QCOMPARE(fx->platform.messages().last(), u("abc.txt は作成されました\n作成場所 ： ") + folder);
        QVERIFY(dlg->txtFileName->text().isEmpty());
        QVERIFY(dlg->isVisible());

        // A highlighted folder (picked, not opened) is where the file goes.
        dlg->dlbFolder->setCurrentRow(dlg->dlbFolder->count() - 1);
        dlg->txtFileName->setText(QStringLiteral("inner"));
        click(dlg, "cmdMake");
        QCOMPARE(fx->platform.messages().last(),
                 u("inner.txt は作成されました\n作成場所 ： ") + folder + QStringLiteral("/sub"));
        dlg->dlbFolder->setCurrentRow(dlg->dlbFolder->count() - 2);

        dlg->txtFileName->setText(QStringLiteral("old"));
        click(dlg, "cmdMake");
        QCOMPARE(fx->platform.messages().last(), u("old.txt は既にあります\n別のファイル名を記入してください"));

        dlg->txtFileName->setText(QStringLiteral("../up"));
        click(dlg, "cmdMake");
        QVERIFY(fx->platform.messages().last().startsWith(u("ファイル名に使えない文字")));
        click(dlg, "Button2");
        QVERIFY(!dlg->isVisible());
    };
    fx->main->cmdNewText->click();
    fx->platform.dialogHandler = nullptr;

    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/abc.txt")));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/sub/inner.txt")));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/inner.txt")));
    QCOMPARE(QFileInfo(folder + QStringLiteral("/abc.txt")).size(), qint64(0));
    QCOMPARE(fileBytes(folder + QStringLiteral("/old.txt")), QByteArray("keep\r\n"));
    QVERIFY(!QFileInfo::exists(fx->folder + QStringLiteral("up.txt")));
}

// --- printing ----------------------------------------------------------------------------

void TestAuthoringUi::printDirectionAndLoad()
{
    inPrint(fx->platform, [&](TfrmPrint *p) {
        QCOMPARE(p->PrintType(), 0);
        QCOMPARE(p->cboQuestionFile->currentText(), QStringLiteral("sample.txt"));
        QCOMPARE(p->PrintSource(), fx->collection);
        QVERIFY(!p->chkToEnglish->isEnabled());
        QVERIFY(!p->cmdPrint->isEnabled());
        QVERIFY(!p->cmdSave->isEnabled());

        click(p, "rgPrintType_2");
        QVERIFY(p->chkToEnglish->isChecked());
        QVERIFY(!p->chkToEnglish->isEnabled());
        click(p, "rgPrintType_1");
        QVERIFY(p->chkToEnglish->isEnabled());
        QVERIFY(p->chkToEnglish->isChecked());
        click(p, "cmdLoad");
        QCOMPARE(p->Lines(), (QStringList{u("No. 1 : もう行かなければなりません。"), "\t>>", "",
                                          u("No. 2 : 彼女はとても上手に泳げます。"), "\t>>", "",
                                          u("No. 3 : 今日は晴れです。"), "\t>>", ""}));
        QVERIFY(p->cmdPrint->isEnabled());
        QVERIFY(p->cmdSave->isEnabled());
        QCOMPARE(p->cgInfo->progress(), 0);
        click(p, "rgPrintType_3");
        QVERIFY(!p->chkToEnglish->isChecked());
        click(p, "cmdLoad");
        QCOMPARE(p->Lines().at(1), QStringLiteral("\tI have to (        ) now."));
    });
}

void TestAuthoringUi::printAndSaveAsText()
{
    PrintCapture capture;
    Platform::install(&capture);
    const QString saveTo = fx->folder + QStringLiteral("sheet");
    capture.fileAnswers.enqueue(saveTo);
    capture.fileAnswers.enqueue(saveTo + QStringLiteral(".txt"));
    inPrint(capture, [&](TfrmPrint *p) {
        click(p, "cmdLoad");
        click(p, "cmdPrint");
        click(p, "cmdSave");
        click(p, "cmdSave");
    });
    Platform::install(&fx->platform);

    QCOMPARE(capture.callsOf("print").size(), 1);
    QCOMPARE(capture.printedTitle, QStringLiteral("No. 1 : I have to go now."));
    QVERIFY(capture.printedText.startsWith(u("No. 1 : I have to go now.\n\tもう行かなければなりません。\n\t>>have to は義務を表します。\n\n")));
    const QStringList sheet{"No. 1 : I have to go now.", u("\tもう行かなければなりません。"),
                            u("\t>>have to は義務を表します。"), "",
                            "No. 2 : She can swim very well.", u("\t彼女はとても上手に泳げます。"),
                            u("\t>>can は能力を表します。"), "",
                            "No. 3 : It is fine today.", u("\t今日は晴れです。"), u("\t>>天気の言い方"), ""};
    const QByteArray once = TextFile::encode(sheet.join("\r\n") + "\r\n");
    QCOMPARE(fileBytes(saveTo + QStringLiteral(".txt")), once + once);
    QCOMPARE(capture.callsOf("save").first().text, u("テキストファイル (*.txt)|*.txt"));
    // The dialog promises no replace; the second save asks to add at the end.
    QCOMPARE(capture.callsOf("save").first().detail, int(SaveMode::Append));
    QCOMPARE(capture.messages(), QStringList{saveTo + u(".txt は既にあります\n印刷内容をファイルの最後に追加しますか？")});
}

void TestAuthoringUi::printSaveRefusals_data()
{
    QTest::addColumn<QString>("target");   // "collection", "reference", "existing", "missing folder"
    QTest::addColumn<QString>("message");  // start of the one message shown
    QTest::newRow("the collection printed") << "collection" << u("は使用中の問題集・参考書・辞書です");
    QTest::newRow("the reference book") << "reference" << u("は使用中の問題集・参考書・辞書です");
    QTest::newRow("the dictionary") << "dictionary" << u("は使用中の問題集・参考書・辞書です");
    QTest::newRow("an existing file, not added") << "existing" << u("は既にあります");
    QTest::newRow("a folder that is not there") << "missing folder" << u("保存に失敗しました\n");
}

void TestAuthoringUi::printSaveRefusals()
{
    QFETCH(QString, target);
    QFETCH(QString, message);
    const Settings &s = fx->main->settings;
    QString path = target == "collection" ? s.QuestionFilePath
                   : target == "reference" ? s.ReferenceFilePath
                   : target == "dictionary" ? s.DictionaryFilePath
                   : target == "existing" ? fx->folder + "notes.txt"
                                          : fx->folder + "none/sheet.txt";
    if (target == "existing")
        TextFile::writeLines(path, {"keep"});
    const QByteArray before = fileBytes(path);
    fx->platform.fileAnswers.enqueue(path);
    fx->platform.messageAnswers.enqueue(MsgResult::No);
    inPrint(fx->platform, [&](TfrmPrint *p) {
        click(p, "cmdLoad");
        click(p, "cmdSave");
    });
    QCOMPARE(fx->platform.messages().size(), 1);
    QVERIFY2(fx->platform.messages().at(0).contains(message), qPrintable(fx->platform.messages().at(0)));
    QCOMPARE(fileBytes(path), before);
    if (target == "missing folder") {
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(fx->platform.messages().at(0).contains(u("見つかりません")));
    }
}

void TestAuthoringUi::failedSaveLeavesNoFile()
{
    const QString path = fx->folder + QStringLiteral("sheet.txt");
    fx->platform.fileAnswers.enqueue(path);
    inPrint(fx->platform, [&](TfrmPrint *p) {
        click(p, "cmdLoad");
        FileSizeLimit full(8);
        click(p, "cmdSave");
    });
    QCOMPARE(fx->platform.messages().size(), 1);
    QVERIFY(fx->platform.messages().at(0).startsWith(u("保存に失敗しました\n")));
    QVERIFY(!QFileInfo::exists(path));
}

// A printed sheet follows the font's size: the bundled collection in the
// dialog's own font gives pages of readable text, not one page of dots.
void TestAuthoringUi::printedSheetIsReadable()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils, installed by scripts/install-deps) is needed to read the PDF");
    QVERIFY(QFile::copy(QStringLiteral(ULVENDO_SOURCE_DATA_DIR "/dictionary/Question.txt"),
                        fx->folder + QStringLiteral("bundled.txt")));
    fx->main->settings.QuestionFilePath = fx->folder + QStringLiteral("bundled.txt");
    PdfCapture capture;
    capture.pdf = fx->folder + QStringLiteral("sheet.pdf");
    Platform::install(&capture);
    int questions = 0;
    inPrint(capture, [&](TfrmPrint *p) {
        click(p, "cmdLoad");
        questions = int(p->Lines().size() / 4);
        click(p, "cmdPrint");
    });
    Platform::install(&fx->platform);
    QVERIFY(questions > 100);

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-bbox"), capture.pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QString html = QString::fromUtf8(text.readAllStandardOutput());
    const int pages = int(html.count(QStringLiteral("<page ")));
    static const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                                                        "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\""));
    QList<double> heights;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto w = m.next();
        heights << w.captured(4).toDouble() - w.captured(2).toDouble();
    }
    QVERIFY(heights.size() > 500);
    std::sort(heights.begin(), heights.end());
    const double median = heights.at(heights.size() / 2);
    // About 9 points (the 12-pixel screen font): about 60 lines to a page.
    QVERIFY2(median > 6.0 && median < 16.0, qPrintable(QString::number(median)));
    QVERIFY2(pages >= questions * 4 / 100, qPrintable(QString::number(pages)));
}

// While a large sheet is composed the gauge is painted with its progress.
void TestAuthoringUi::printGaugeMovesWhileComposing()
{
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << QStringLiteral("#k%1").arg(i) << QStringLiteral("Sentence %1.").arg(i)
              << QStringLiteral("文 %1").arg(i) << QStringLiteral("c") << QStringLiteral("h") << QString();
    TextFile::writeLines(fx->collection, lines);
    QList<int> painted;
    inPrint(fx->platform, [&](TfrmPrint *p) {
        QVERIFY(QTest::qWaitForWindowExposed(p));
        PaintWatch watch(p->cgInfo, [&] { painted << p->cgInfo->progress(); });
        click(p, "cmdLoad");
        QCOMPARE(p->cgInfo->progress(), 0);
    });
    QSet<int> during;
    for (int v : painted)
        if (v > 0 && v < lines.size())
            during.insert(v);
    QVERIFY2(during.size() >= 20, qPrintable(QString::number(during.size())));
}

// A collection with a line over its byte limit is refused by the editor and
// the print window, naming the line; the editor then has nothing to save
// over the file.
void TestAuthoringUi::overLongLinesAreRefused()
{
    const QStringList longFile{"#a", QString(50000, QLatin1Char('x')), "ja", "c", "h"};
    const QByteArray longBytes = TextFile::encode(longFile.join("\r\n") + "\r\n");
    inEditor([&](TfrmEditQuestionFile *e) {
        click(e, "cmdLoad");
        QCOMPARE(e->lstData->topLevelItemCount(), 3);
        QVERIFY(e->cmdSave->isEnabled());
        // Changed behind the editor's back, then loaded again.
        QVERIFY(TextFile::writeLines(fx->collection, longFile));
        click(e, "cmdLoad");
        QVERIFY2(fx->platform.messages().last().contains(u("2 行目が長すぎる")),
                 qPrintable(fx->platform.messages().last()));
        QCOMPARE(e->lstData->topLevelItemCount(), 0);
        QVERIFY(!e->cmdSave->isEnabled());
    });
    QCOMPARE(fileBytes(fx->collection), longBytes);
    inPrint(fx->platform, [&](TfrmPrint *p) {
        click(p, "cmdLoad");
        QVERIFY(fx->platform.messages().last().contains(u("2 行目が長すぎる")));
        QVERIFY(p->Lines().isEmpty());
        QVERIFY(!p->cmdPrint->isEnabled());
    });
}

void TestAuthoringUi::printCutShortCollection()
{
    TextFile::writeLines(fx->collection, {"#a", "A.", "ja", "c", "h", "", "#b", "B."});
    inPrint(fx->platform, [&](TfrmPrint *p) {
        click(p, "cmdLoad");
        QCOMPARE(fx->platform.messages().last(), u("問題数が多すぎるため表示できません"));
        QCOMPARE(p->Lines(), (QStringList{"No. 1 : A.", "\tja", "\t>>c", ""}));
        QVERIFY(!p->cmdPrint->isEnabled());
        QVERIFY(!p->cmdSave->isEnabled());
    });
}

void TestAuthoringUi::printOpenAndFont()
{
    const QString chosen = fx->folder + QStringLiteral("unit2.txt");
    TextFile::writeLines(chosen, {"#x", "X.", "jx", "cx", "hx"});
    fx->platform.fileAnswers.enqueue(chosen);
    QFont font(QStringLiteral("DejaVu Serif"), 20);
    fx->platform.fontAnswers.enqueue(font);
    inPrint(fx->platform, [&](TfrmPrint *p) {
        click(p, "cmdOpen");
        QCOMPARE(p->cboQuestionFile->currentText(), QStringLiteral("unit2.txt"));
        QCOMPARE(p->sbInfo->panelText(0), QStringLiteral("  ") + chosen);
        click(p, "cmdLoad");
        QCOMPARE(p->Lines().first(), QStringLiteral("No. 1 : X."));
        click(p, "cmdFont");
        QCOMPARE(p->moData->font().pointSize(), 20);

        p->cboQuestionFile->setEditText(QStringLiteral("sample.txt"));
        QCOMPARE(p->PrintSource(), fx->collection);
        QCOMPARE(p->sbInfo->panelText(0), QStringLiteral("  ") + fx->collection);
    });
    QCOMPARE(fx->env.readSetup(QStringLiteral("Question Path"), QStringLiteral("unit2.txt")), chosen);
}

// --- help menu ------------------------------------------------------------------------------

void TestAuthoringUi::helpCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target");
    QTest::newRow("help, toolbar") << "cmdHelp_1" << "help" << "Ulvendo.hlp";
    QTest::newRow("homepage, toolbar") << "cmdHomepage_1" << "shell" << "https://ulvendo.example.jp/";
}

void TestAuthoringUi::helpCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, kind);
    QFETCH(QString, target);
    fx->env.find<QToolButton>(button)->click();
    const auto calls = fx->platform.callsOf(kind);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().text, kind == "help" ? fx->folder + target : target);

    // The menu item does the same.
    fx->platform.clear();
    fx->env.find<QAction>(button.chopped(2))->trigger();
    QCOMPARE(fx->platform.callsOf(kind).size(), 1);
    QCOMPARE(fx->platform.callsOf(kind).first().text, calls.first().text);
}

void TestAuthoringUi::aboutBox()
{
    fx->platform.dialogHandler = [&](QDialog *d) {
        auto *about = qobject_cast<TfrmAbout *>(d);
        QVERIFY(about);
        QCOMPARE(about->Label1->text(), QStringLiteral("Ulvendo"));
        QCOMPARE(about->Label2->text(), QStringLiteral("version " ULVENDO_VERSION)); // the build's one version
        QCOMPARE(about->Label3->text(), u("ご意見、ご感想やご要望をお聞かせください"));
        QVERIFY(about->Label1->font().bold());

        QTest::mousePress(about->LightLabel1, Qt::LeftButton);
        QCOMPARE(about->LightLabel1->look(), TLightLabel::Look::Down);
        QVERIFY(about->LightLabel1->font().bold());
        QTest::mouseRelease(about->LightLabel1, Qt::LeftButton);
        QCOMPARE(about->LightLabel1->look(), TLightLabel::Look::Over);
        QVERIFY(about->LightLabel1->font().underline());
        QCOMPARE(fx->platform.callsOf("shell").size(), 1);
        QCOMPARE(fx->platform.callsOf("shell").first().text, QStringLiteral("mailto:ulvendo@example.jp"));
        click(about, "Button1");
        QVERIFY(!about->isVisible());
    };
    fx->main->cmdVersion->trigger();
    fx->platform.dialogHandler = nullptr;
    QCOMPARE(fx->platform.callsOf("dialog").size(), 1);
    QCOMPARE(fx->platform.callsOf("dialog").first().text, u("Ulvendoについて"));
}

QTEST_MAIN(TestAuthoringUi)
#include "tst_authoring_ui.moc"
