// One running instance per program folder: the lock file and its recovery.
#include <QtTest>

#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class TestInstanceLock : public QObject
{
    Q_OBJECT

    // Process id of a program that has ended (no longer running).
    static qint64 endedPid()
    {
        QProcess p;
        p.start(QStringLiteral("true"), {});
        if (!p.waitForStarted(30000))
            return -1;
        const qint64 pid = p.processId();
        p.waitForFinished(30000);
        return pid;
    }

private slots:
    // What a start finds in the folder, and what it gets.
    void acquire_data()
    {
        QTest::addColumn<QString>("leftover");  // how the lock file is before the start
        QTest::addColumn<int>("expected");
        QTest::newRow("no lock file") << "none" << int(InstanceLock::Acquired);
        QTest::newRow("held by a running program") << "held" << int(InstanceLock::HeldByOther);
        QTest::newRow("left by an ended program") << "stale" << int(InstanceLock::Acquired);
        QTest::newRow("left empty long ago") << "empty" << int(InstanceLock::Acquired);
        QTest::newRow("left with garbage long ago") << "garbage" << int(InstanceLock::Acquired);
        // A start may be filling in its lock file at this very moment.
        QTest::newRow("empty and new") << "empty new" << int(InstanceLock::HeldByOther);
        QTest::newRow("released by its holder") << "released" << int(InstanceLock::Acquired);
        QTest::newRow("folder missing") << "nofolder" << int(InstanceLock::Unavailable);
    }
    void acquire()
    {
        QFETCH(QString, leftover);
        QFETCH(int, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString folder = dir.path() + QLatin1Char('/');
        const QString lockPath = InstanceLock::lockFilePath(folder);
        InstanceLock holder;
        auto writeLock = [&](const QByteArray &bytes, bool old = true) {
            QFile f(lockPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.flush();
            if (old)
                QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                      QFileDevice::FileModificationTime));
        };
        if (leftover == QLatin1String("held")) {
            QCOMPARE(holder.acquire(folder), InstanceLock::Acquired);
        } else if (leftover == QLatin1String("stale")) {
            const qint64 pid = endedPid();
            QVERIFY(pid > 0);
            writeLock(QByteArray::number(pid) + '\n'
                      + QCoreApplication::applicationFilePath().toUtf8() + '\n'
                      + QSysInfo::machineHostName().toUtf8() + '\n');
        } else if (leftover == QLatin1String("empty")) {
            writeLock(QByteArray());
        } else if (leftover == QLatin1String("empty new")) {
            writeLock(QByteArray(), false);
        } else if (leftover == QLatin1String("garbage")) {
            writeLock(QByteArray("not a lock\n\xff\xfe\n", 14));
        } else if (leftover == QLatin1String("released")) {
            QCOMPARE(holder.acquire(folder), InstanceLock::Acquired);
            holder.release();
        } else if (leftover == QLatin1String("nofolder")) {
            folder = dir.path() + QStringLiteral("/missing/");
        }

        InstanceLock second;
        QCOMPARE(int(second.acquire(folder)), expected);
        QCOMPARE(int(second.state()), expected);
        if (leftover == QLatin1String("held")) {
            QCOMPARE(second.holderPid(), QCoreApplication::applicationPid());
            // The refused start leaves the holder's lock as it was.
            QCOMPARE(holder.state(), InstanceLock::Acquired);
        }
        if (expected == InstanceLock::HeldByOther)
            QVERIFY(QFile::exists(lockPath));
        if (expected == InstanceLock::Acquired) {
            // Now the folder is this run's: a further start is refused ...
            InstanceLock third;
            QCOMPARE(third.acquire(folder), InstanceLock::HeldByOther);
            // ... until this run lets go of it, which removes the file.
            second.release();
            QVERIFY(!QFile::exists(lockPath));
            QCOMPARE(third.acquire(folder), InstanceLock::Acquired);
        }
        // Nothing but the lock file itself is ever made in the folder.
        const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden
                                                            | QDir::NoDotAndDotDot);
        QVERIFY2(left.size() <= 1, qPrintable(left.join(QLatin1Char(','))));
    }

    void lockGoesWithTheObject()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        {
            InstanceLock first;
            QCOMPARE(first.acquire(folder), InstanceLock::Acquired);
        }
        InstanceLock next;
        QCOMPARE(next.acquire(folder), InstanceLock::Acquired);
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
