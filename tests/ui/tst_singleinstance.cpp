// One Ulvendo per program folder: a later start brings the running window to
// the front or says that Ulvendo is already running, and writes nothing.
#include <QtTest>

#include "app/SingleInstance.h"
#include "platform/InstanceLock.h"
#include "platform/ScriptedPlatform.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// Every file and folder under `root` with its size, time and content.
QStringList snapshot(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        QString entry = fi.filePath().mid(root.size()) + QLatin1Char(' ')
                        + QString::number(fi.size()) + QLatin1Char(' ')
                        + QString::number(fi.lastModified().toMSecsSinceEpoch());
        QFile f(fi.filePath());
        if (fi.isFile() && f.open(QIODevice::ReadOnly))
            entry += QLatin1Char(' ')
                     + QString::fromLatin1(QCryptographicHash::hash(f.readAll(),
                                                                    QCryptographicHash::Sha1)
                                               .toHex());
        out << entry;
    }
    out.sort();
    return out;
}

qint64 lockHolder(const QString &folder)
{
    QLockFile probe(InstanceLock::lockFilePath(folder));
    qint64 pid = 0;
    QString host, app;
    return probe.getLockInfo(&pid, &host, &app) ? pid : 0;
}

// True when the program holding `folder` answers a request to come forward.
bool answersRaise(const QString &folder)
{
    QLocalSocket s;
    s.connectToServer(SingleInstance::serverName(folder));
    if (!s.waitForConnected(1000))
        return false;
    s.write("raise\n");
    s.waitForBytesWritten(1000);
    while (!s.canReadLine())
        if (!s.waitForReadyRead(1000))
            return false;
    return s.readLine() == "raised\n";
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_folder;

    QProcess *startProgram()
    {
        auto *p = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ULVENDO_HOME"), m_folder);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(ULVENDO_EXE), {});
        return p;
    }

    void writeUserIni()
    {
        // A registered user who starts without the welcome and user dialogs.
        QDir().mkpath(m_folder + QStringLiteral("taro"));
        QFile f(m_folder + QStringLiteral("User.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Setup]\r\nBoot=1\r\nShowUser=0\r\nUserName=taro\r\n"
                "[User]\r\nUserNum=1\r\n1=taro\r\n[taro]\r\nNum=1\r\n");
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path() + QLatin1Char('/');
    }

    // A start that finds the folder held, and nobody answering its request,
    // tells the user and may not go on.
    void heldFolderIsRefusedWithAMessage()
    {
        ScriptedPlatform platform;
        Platform::install(&platform);
        InstanceLock other;
        QCOMPARE(other.acquire(m_folder), InstanceLock::Acquired);
        const QStringList before = snapshot(m_folder);

        SingleInstance later;
        QVERIFY(!later.start(m_folder));
        Platform::install(nullptr);

        QCOMPARE(platform.messages(), QStringList{SingleInstance::alreadyRunningText()});
        QVERIFY(platform.messages().constFirst().contains(QStringLiteral("すでに起動しています")));
        QCOMPARE(snapshot(m_folder), before);
    }

    // The first start holds the folder and answers requests to come forward
    // for its window: a minimised window comes back in the state it was
    // minimised from.
    void firstStartHoldsTheFolderAndAnswers_data()
    {
        QTest::addColumn<Qt::WindowState>("shown");
        QTest::newRow("maximised") << Qt::WindowMaximized;
        QTest::newRow("normal") << Qt::WindowNoState;
    }
    void firstStartHoldsTheFolderAndAnswers()
    {
        QFETCH(Qt::WindowState, shown);
        ScriptedPlatform platform;
        Platform::install(&platform);
        SingleInstance first;
        QVERIFY(first.start(m_folder));
        QCOMPARE(lockHolder(m_folder), QCoreApplication::applicationPid());
        QWidget window;
        window.setWindowState(shown);
        window.show();
        window.setWindowState(window.windowState() | Qt::WindowMinimized);
        first.setWindow(&window);

        QLocalSocket later;
        later.connectToServer(SingleInstance::serverName(m_folder));
        QVERIFY(later.waitForConnected(5000));
        later.write("raise\n");
        QTRY_VERIFY(later.canReadLine());
        QCOMPARE(later.readLine(), QByteArray("raised\n"));
        QCOMPARE(window.windowState(), Qt::WindowStates(shown));
        Platform::install(nullptr);
        QVERIFY(platform.messages().isEmpty());
    }

    // The real program, three starts on one folder: the second comes and
    // goes without writing a byte; after the first is killed the third takes
    // over the lock it left behind.
    void secondProgramWritesNothing()
    {
        writeUserIni();
        QProcess *first = startProgram();
        QVERIFY(first->waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(lockHolder(m_folder) == first->processId(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(answersRaise(m_folder), 60000);
        const QStringList before = snapshot(m_folder);

        QProcess *second = startProgram();
        QVERIFY(second->waitForStarted(30000));
        QVERIFY(second->waitForFinished(60000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(snapshot(m_folder), before);

        first->kill();  // SIGKILL: the lock file stays behind
        QVERIFY(first->waitForFinished(30000));
        QVERIFY(QFile::exists(InstanceLock::lockFilePath(m_folder)));

        QProcess *third = startProgram();
        QVERIFY(third->waitForStarted(30000));
        QTRY_VERIFY_WITH_TIMEOUT(lockHolder(m_folder) == third->processId(), 60000);
        QCOMPARE(third->state(), QProcess::Running);
        third->kill();
        QVERIFY(third->waitForFinished(30000));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
