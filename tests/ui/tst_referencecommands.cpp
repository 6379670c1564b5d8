// The main window's reference and dictionary commands and the reference
// choice of the file toolbar, driven through a scripted platform.
#include <QtTest>
#include <QDir>
#include <QLabel>
#include <QTextEdit>

#include "drill/DrillState.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"
#include "platform/ScriptedPlatform.h"
#include "platform/TextFile.h"
#include "reference/frmReferenceCommands.h"
#include "reference/frmShowReference.h"
#include "settings/Settings.h"

namespace {
// Also remembers the text each input dialog started with.
class RecordingPlatform : public ScriptedPlatform
{
public:
    QStringList inputDefaults;
    bool inputText(QWidget *parent, const QString &caption, const QString &prompt,
                   QString &value) override
    {
        inputDefaults << value;
        return ScriptedPlatform::inputText(parent, caption, prompt, value);
    }
};
} // namespace

class TestReferenceCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordingPlatform m_platform;
    Settings m_settings;
    QString m_viewerTitle, m_viewerText;

    void watchViewer()
    {
        m_viewerTitle.clear();
        m_viewerText.clear();
        m_platform.dialogHandler = [this](QDialog *d) {
            if (auto *viewer = qobject_cast<TfrmShowReference *>(d)) {
                m_viewerTitle = viewer->pnlTitle->text();
                m_viewerText = viewer->moReference->toPlainText();
                viewer->reject();
            }
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Platform::install(&m_platform);
        m_settings.ProgramFolder = m_dir.path() + QLatin1Char('/');
        m_settings.UserName = QStringLiteral("taro");
        QVERIFY(QDir().mkpath(m_settings.userFolder()));
        m_settings.ReferenceFilePath = m_dir.filePath(QStringLiteral("Reference.txt"));
        m_settings.DictionaryFilePath = m_dir.filePath(QStringLiteral("Dictionary.txt"));
        QVERIFY(TextFile::writeLines(m_settings.ReferenceFilePath, {
            QStringLiteral("#good"), QStringLiteral("1"), QStringLiteral("good の解説"), QString(),
            QStringLiteral("#go"), QStringLiteral("1"), QStringLiteral("go の解説"), QString(),
        }));
        QVERIFY(TextFile::writeLines(m_settings.DictionaryFilePath, {
            QStringLiteral("apple=りんご*果物"),
            QStringLiteral("bank=銀行*名詞"),
        }));
    }

    void cleanupTestCase() { Platform::install(nullptr); }

    void init()
    {
        m_platform.clear();
        m_platform.inputDefaults.clear();
        m_platform.inputAnswers.clear();
        m_platform.fileAnswers.clear();
        watchViewer();
    }

    void referenceOutsideDrill_data()
    {
        QTest::addColumn<QString>("currentKeyword");
        QTest::addColumn<QStringList>("typed");   // empty: cancelled
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        QTest::newRow("confirmed unchanged") << QStringLiteral("#go") << QStringList{"go"}
            << true << QStringLiteral("goについて") << QStringLiteral("good の解説");
        QTest::newRow("typed another keyword") << QStringLiteral("#good") << QStringList{"go"}
            << true << QStringLiteral("goについて") << QStringLiteral("good の解説");
        QTest::newRow("end of a keyword finds nothing") << QStringLiteral("#good")
            << QStringList{"od"} << true << QStringLiteral("odについて") << QString();
        QTest::newRow("question without keyword") << QStringLiteral("#キーワードなし")
            << QStringList{QStringLiteral("キーワードなし")} << true
            << QStringLiteral("キーワードなしについて") << QStringLiteral("その解説はありません。");
        QTest::newRow("cancelled") << QStringLiteral("#good") << QStringList() << false
                                   << QString() << QString();
        QTest::newRow("before any question") << QString() << QStringList{""} << true
            << QStringLiteral("について") << QStringLiteral("good の解説");
    }

    void referenceOutsideDrill()
    {
        QFETCH(QString, currentKeyword);
        QFETCH(QStringList, typed);
        QFETCH(bool, shown);
        QFETCH(QString, title);
        QFETCH(QString, text);
        DrillState drill;
        drill.Running = false;
        drill.CurrentKeyword = currentKeyword;
        for (const QString &t : typed)
            m_platform.inputAnswers.enqueue(t);

        QCOMPARE(OpenReferenceCommand(nullptr, m_settings, drill), shown);
        const QList<PlatformCall> inputs = m_platform.callsOf(QStringLiteral("input"));
        QCOMPARE(inputs.size(), 1);
        QCOMPARE(inputs.first().caption, QStringLiteral("参考書内の検索"));
        QCOMPARE(inputs.first().text, QStringLiteral("調べたいことを記入してください"));
        QCOMPARE(m_platform.inputDefaults, QStringList{currentKeyword.mid(1)});
        QCOMPARE(m_platform.callsOf(QStringLiteral("dialog")).size(), shown ? 1 : 0);
        QCOMPARE(m_viewerTitle, title);
        QCOMPARE(m_viewerText, text);
    }

    void referenceDuringDrill()
    {
        DrillState drill;
        drill.Running = true;
        drill.CurrentKeyword = QStringLiteral("#go");
        m_platform.inputAnswers.enqueue(QStringLiteral("never asked"));
        QVERIFY(OpenReferenceCommand(nullptr, m_settings, drill));
        QVERIFY(m_platform.callsOf(QStringLiteral("input")).isEmpty());
        QCOMPARE(m_viewerTitle, QStringLiteral("goについて"));
        QCOMPARE(m_viewerText, QStringLiteral("good の解説"));
    }

    void longInputIsCut()
    {
        DrillState drill;
        m_platform.inputAnswers.enqueue(QString(300, QLatin1Char('x')));
        QVERIFY(OpenReferenceCommand(nullptr, m_settings, drill));
        QCOMPARE(m_viewerTitle, QString(255, QLatin1Char('x')) + QStringLiteral("について"));
    }

    void dictionary_data()
    {
        QTest::addColumn<int>("answerType");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("typed");   // empty: cancelled
        QTest::addColumn<int>("inputs");
        QTest::addColumn<QStringList>("messages");

        const QString apple = QStringLiteral("以下の単語が見つかりました\n\n英　 語： apple\n"
                                             "日本語： りんご\n\nコメント： 果物");
        const QString bank = QStringLiteral("以下の単語が見つかりました\n\n英　 語： bank\n"
                                            "日本語： 銀行\n\nコメント： 名詞");
        const QString none = QStringLiteral("見つけることができませんでした");
        const QStringList words{QStringLiteral("I"), QStringLiteral("went"),
                                QStringLiteral("to"), QStringLiteral("the"),
                                QStringLiteral("bank.")};

        QTest::newRow("typed word") << 0 << QStringList() << -1 << QStringList{"apple"} << 1
                                    << QStringList{apple};
        QTest::newRow("typed word with full stop") << 0 << QStringList() << -1
            << QStringList{"apple."} << 1 << QStringList{apple};
        QTest::newRow("typed words after a comma") << 2 << QStringList() << -1
            << QStringList{"bank, river"} << 1 << QStringList{bank};
        QTest::newRow("beginning of a word") << 0 << QStringList() << -1 << QStringList{"ban"}
            << 1 << QStringList{bank};
        QTest::newRow("full stop alone") << 0 << QStringList() << -1 << QStringList{"."} << 1
                                         << QStringList{none};
        QTest::newRow("unknown word") << 0 << QStringList() << -1 << QStringList{"zebra"} << 1
                                      << QStringList{none};
        QTest::newRow("cancelled") << 0 << QStringList() << -1 << QStringList() << 1
                                   << QStringList();
        QTest::newRow("empty") << 0 << QStringList() << -1 << QStringList{""} << 1
                               << QStringList();
        QTest::newRow("rearranging, selected word") << 1 << words << 4 << QStringList() << 0
                                                    << QStringList{bank};
        QTest::newRow("rearranging, nothing selected") << 1 << words << -1 << QStringList() << 0
            << QStringList{QStringLiteral("単語が選択されていません。")};
        QTest::newRow("rearranging, empty list asks") << 1 << QStringList() << -1
            << QStringList{"apple"} << 1 << QStringList{apple};
        QTest::newRow("typing mode ignores the list") << 0 << words << 4
            << QStringList{"apple"} << 1 << QStringList{apple};
    }

    void dictionary()
    {
        QFETCH(int, answerType);
        QFETCH(QStringList, items);
        QFETCH(int, selected);
        QFETCH(QStringList, typed);
        QFETCH(int, inputs);
        QFETCH(QStringList, messages);
        m_settings.AnswerType = answerType;
        for (const QString &t : typed)
            m_platform.inputAnswers.enqueue(t);

        OpenDictionaryCommand(nullptr, m_settings, items, selected);
        const QList<PlatformCall> inputCalls = m_platform.callsOf(QStringLiteral("input"));
        QCOMPARE(inputCalls.size(), inputs);
        if (inputs) {
            QCOMPARE(inputCalls.first().caption, QStringLiteral("単語を調べる"));
            QCOMPARE(inputCalls.first().text, QStringLiteral("調べたい単語を記入してください"));
            QCOMPARE(m_platform.inputDefaults, QStringList{QString()});
        }
        QCOMPARE(m_platform.messages(), messages);
        m_settings.AnswerType = 0;
    }

    // The result dialog's own button looks the word up as typed.
    void dictionaryWithoutTrimming()
    {
        m_platform.inputAnswers.enqueue(QStringLiteral("apple."));
        AskDictionaryWord(nullptr, m_settings, false);
        QCOMPARE(m_platform.messages(), QStringList{QStringLiteral("見つけることができませんでした")});
    }

    void unreadableDictionary()
    {
        const QString saved = m_settings.DictionaryFilePath;
        m_settings.DictionaryFilePath = m_dir.filePath(QStringLiteral("none/Dictionary.txt"));
        m_platform.inputAnswers.enqueue(QStringLiteral("apple"));
        OpenDictionaryCommand(nullptr, m_settings, {}, -1);
        const QList<PlatformCall> msgs = m_platform.callsOf(QStringLiteral("message"));
        QCOMPARE(msgs.size(), 1);
        QCOMPARE(msgs.first().caption, QStringLiteral("エラー"));
        QVERIFY(msgs.first().text.contains(m_settings.DictionaryFilePath));
        m_settings.DictionaryFilePath = saved;
    }

    void chooseReferenceBook()
    {
        const QString saved = m_settings.ReferenceFilePath;
        const QString chosen = m_dir.filePath(QStringLiteral("books/English Grammar.txt"));

        // Cancelled: nothing changes.
        QCOMPARE(SelectReferenceFile(nullptr, m_settings), QString());
        QCOMPARE(m_settings.ReferenceFilePath, saved);
        const QList<PlatformCall> opens = m_platform.callsOf(QStringLiteral("open"));
        QCOMPARE(opens.size(), 1);
        QCOMPARE(opens.first().text, QStringLiteral("参考書ファイル (*.txt)|*.txt"));

        m_platform.fileAnswers.enqueue(chosen);
        QCOMPARE(SelectReferenceFile(nullptr, m_settings), QStringLiteral("English Grammar.txt"));
        QCOMPARE(m_settings.ReferenceFilePath, chosen);
        IniFile ini(m_settings.setupIniPath());
        QCOMPARE(ini.readString(QStringLiteral("Reference Path"),
                                QStringLiteral("English Grammar.txt")), chosen);
        QVERIFY(!ini.hasSection(QStringLiteral("Reference")));

        // Switching by name uses the path kept for that name.
        ReferenceFileChanged(m_settings, QStringLiteral("Unknown.txt"));
        QCOMPARE(m_settings.ReferenceFilePath, QString());
        ReferenceFileChanged(m_settings, QStringLiteral("English Grammar.txt"));
        QCOMPARE(m_settings.ReferenceFilePath, chosen);

        // Opening in the text editor.
        m_platform.clear();
        OpenReferenceInEditor(nullptr, m_settings, QStringLiteral("English Grammar.txt"));
        const QList<PlatformCall> shells = m_platform.callsOf(QStringLiteral("shell"));
        QCOMPARE(shells.size(), 1);
        QCOMPARE(shells.first().text, chosen);
        QVERIFY(m_platform.messages().isEmpty());

        m_platform.clear();
        OpenReferenceInEditor(nullptr, m_settings, QStringLiteral("Unknown.txt"));
        QVERIFY(m_platform.callsOf(QStringLiteral("shell")).isEmpty());
        QCOMPARE(m_platform.messages(), QStringList{QStringLiteral("参考書が選択されていません。")});

        m_settings.ReferenceFilePath = saved;
    }

    void unwritableSettingsStillChooses()
    {
        Settings s = m_settings;
        s.UserName = QStringLiteral("nobody");  // no user folder: Setup.ini cannot be saved
        const QString chosen = m_dir.filePath(QStringLiteral("Other.txt"));
        m_platform.fileAnswers.enqueue(chosen);
        QCOMPARE(SelectReferenceFile(nullptr, s), QStringLiteral("Other.txt"));
        QCOMPARE(s.ReferenceFilePath, chosen);
        QCOMPARE(m_platform.callsOf(QStringLiteral("message")).size(), 1);
        QCOMPARE(m_platform.callsOf(QStringLiteral("message")).first().caption,
                 QStringLiteral("エラー"));
    }
};

QTEST_MAIN(TestReferenceCommands)
#include "tst_referencecommands.moc"
