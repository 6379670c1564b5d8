// The reference viewer: title, explanation text, font and colour, and what
// it shows and reports for missing or broken books.
#include <QtTest>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "platform/Platform.h"
#include "platform/ScriptedPlatform.h"
#include "platform/TextFile.h"
#include "reference/frmShowReference.h"
#include "settings/Settings.h"

namespace {
struct Seen
{
    bool shown = false;
    QString objectName, caption, title, text;
    bool visibleAfterClose = true;
};
} // namespace

class TestShowReference : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ScriptedPlatform m_platform;
    Settings m_settings;

    QString writeBook(const QString &name, const QStringList &lines)
    {
        const QString path = m_dir.filePath(name);
        if (!TextFile::writeLines(path, lines))
            qFatal("cannot write the test book");
        return path;
    }

    // Opens the viewer the way every opener does and records what it showed;
    // the handler closes it with its own button.
    Seen open(const QString &keyword)
    {
        Seen seen;
        m_platform.dialogHandler = [&seen](QDialog *d) {
            auto *viewer = qobject_cast<TfrmShowReference *>(d);
            if (!viewer)
                return;
            seen.shown = true;
            seen.objectName = viewer->objectName();
            seen.caption = viewer->windowTitle();
            seen.title = viewer->pnlTitle->text();
            seen.text = viewer->moReference->toPlainText();
            QTest::mouseClick(viewer->cmdClose, Qt::LeftButton);
            seen.visibleAfterClose = viewer->isVisible();
        };
        ShowReference(nullptr, m_settings, keyword);
        return seen;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Platform::install(&m_platform);
        m_settings.ProgramFolder = m_dir.path() + QLatin1Char('/');
        writeBook(QStringLiteral("Reference.txt"), {
            QStringLiteral("#good"), QStringLiteral("2"),
            QStringLiteral("good は形容詞です。"), QStringLiteral("比較級は better、最上級は best。"),
            QString(),
            QStringLiteral("#go"), QStringLiteral("1"), QStringLiteral("go は動詞です。"),
            QString(),
            QStringLiteral("#zero"), QStringLiteral("0"),
            QString(),
        });
        writeBook(QStringLiteral("BadCount.txt"),
                  {QStringLiteral("#good"), QStringLiteral("two"), QStringLiteral("x")});
        writeBook(QStringLiteral("Short.txt"),
                  {QStringLiteral("#good"), QStringLiteral("4"), QStringLiteral("一行目"),
                   QStringLiteral("二行目")});
    }

    void cleanupTestCase() { Platform::install(nullptr); }

    void init()
    {
        m_platform.clear();
        m_settings.ReferenceFilePath = m_dir.filePath(QStringLiteral("Reference.txt"));
    }

    void showsEntry_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reported");

        const QString good = QStringLiteral("good は形容詞です。\n比較級は better、最上級は best。");
        QTest::newRow("keyword without #") << "Reference.txt" << "good"
                                           << QStringLiteral("goodについて") << good << false;
        QTest::newRow("keyword with #") << "Reference.txt" << "#good"
                                        << QStringLiteral("#goodについて") << good << false;
        QTest::newRow("go finds the earlier good") << "Reference.txt" << "go"
                                                   << QStringLiteral("goについて") << good << false;
        QTest::newRow("empty keyword shows the first entry") << "Reference.txt" << ""
            << QStringLiteral("について") << good << false;
        QTest::newRow("no explanation") << "Reference.txt" << QStringLiteral("#キーワードなし")
            << QStringLiteral("#キーワードなしについて") << QStringLiteral("その解説はありません。")
            << false;
        QTest::newRow("not found: empty, no message") << "Reference.txt" << "ood"
            << QStringLiteral("oodについて") << QString() << false;
        QTest::newRow("count of zero") << "Reference.txt" << "zero"
                                       << QStringLiteral("zeroについて") << QString() << false;
        QTest::newRow("count not a number") << "BadCount.txt" << "good"
                                            << QStringLiteral("goodについて") << QString() << true;
        QTest::newRow("count past the end") << "Short.txt" << "good"
            << QStringLiteral("goodについて") << QStringLiteral("一行目\n二行目") << true;
        QTest::newRow("missing book") << "Missing.txt" << "good"
                                      << QStringLiteral("goodについて") << QString() << true;
    }

    void showsEntry()
    {
        QFETCH(QString, book);
        QFETCH(QString, keyword);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, reported);
        m_settings.ReferenceFilePath = m_dir.filePath(book);

        const Seen seen = open(keyword);
        QVERIFY(seen.shown);
        QCOMPARE(seen.objectName, QStringLiteral("frmShowReference"));
        QCOMPARE(seen.caption, QStringLiteral("解説の表示"));
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, text);
        QVERIFY(!seen.visibleAfterClose);

        const QList<PlatformCall> messages = m_platform.callsOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), reported ? 1 : 0);
        if (reported) {
            QCOMPARE(messages.first().caption, QStringLiteral("エラー"));
            QVERIFY2(messages.first().text.contains(m_settings.ReferenceFilePath),
                     qPrintable(messages.first().text));
        }
    }

    void windowLayout()
    {
        TfrmShowReference viewer(m_settings, QStringLiteral("good"));
        viewer.show();
        QCOMPARE(viewer.minimumSize(), viewer.maximumSize());
        QCOMPARE(viewer.pnlTitle->objectName(), QStringLiteral("pnlTitle"));
        QCOMPARE(viewer.pnlTitle->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(viewer.pnlTitle->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(viewer.pnlTitle->font().pixelSize(), 16);
        QCOMPARE(viewer.lblReference->text(), QStringLiteral("解説"));
        QCOMPARE(viewer.moReference->objectName(), QStringLiteral("moReference"));
        QVERIFY(viewer.moReference->isReadOnly());
        QCOMPARE(viewer.moReference->font().pixelSize(), 17);
        QCOMPARE(viewer.moReference->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(viewer.cmdClose->text(), QStringLiteral("閉じる (&C)"));
        QVERIFY(viewer.cmdClose->isDefault());
        // Showing filled it once; showing again does not read or report twice.
        QCOMPARE(viewer.entry().status, ReferenceEntry::Found);
        viewer.hide();
        m_settings.ReferenceFilePath = m_dir.filePath(QStringLiteral("Missing.txt"));
        viewer.show();
        QCOMPARE(viewer.entry().status, ReferenceEntry::Found);
        QVERIFY(m_platform.messages().isEmpty());
    }

    void fontAndColour_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red is the low byte") << 0x0000FF << QColor(255, 0, 0);
        QTest::newRow("blue is the high byte") << 0xFF0000 << QColor(0, 0, 255);
        QTest::newRow("mixed") << 0x123456 << QColor(0x56, 0x34, 0x12);
    }

    void fontAndColour()
    {
        QFETCH(int, setting);
        QFETCH(QColor, colour);
        m_settings.FontReference = QStringLiteral("DejaVu Serif");
        m_settings.FontReferenceColor = setting;
        TfrmShowReference viewer(m_settings, QStringLiteral("good"));
        viewer.FormShow();
        QCOMPARE(viewer.moReference->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(viewer.moReference->font().pixelSize(), 17);
        QCOMPARE(viewer.moReference->palette().color(QPalette::Text), colour);
        QCOMPARE(ColorFromSetting(setting), colour);
        m_settings = Settings();
        m_settings.ProgramFolder = m_dir.path() + QLatin1Char('/');
    }

    // The result dialogs fill a text area of their own; they may keep quiet
    // about an unreadable book so that the answer can still be scored.
    void fillOtherArea()
    {
        QTextEdit area;
        area.setPlainText(QStringLiteral("old"));
        m_settings.FontReferenceColor = 0x0000FF;
        ApplyReferenceStyle(&area, m_settings);
        ReferenceEntry e = FillReferenceText(&area, m_settings, QStringLiteral("#go"));
        QCOMPARE(e.status, ReferenceEntry::Found);
        QCOMPARE(e.headerLine, 0);
        QCOMPARE(area.toPlainText(),
                 QStringLiteral("good は形容詞です。\n比較級は better、最上級は best。"));
        QCOMPARE(area.palette().color(QPalette::Text), QColor(255, 0, 0));

        m_settings.ReferenceFilePath = m_dir.filePath(QStringLiteral("Missing.txt"));
        e = FillReferenceText(&area, m_settings, QStringLiteral("#go"), false);
        QCOMPARE(e.status, ReferenceEntry::Unreadable);
        QVERIFY(area.toPlainText().isEmpty());
        QVERIFY(m_platform.messages().isEmpty());
        FillReferenceText(&area, m_settings, QStringLiteral("#go"), true);
        QCOMPARE(m_platform.messages().size(), 1);
        m_settings.FontReferenceColor = 0;
    }
};

QTEST_MAIN(TestShowReference)
#include "tst_showreference.moc"
