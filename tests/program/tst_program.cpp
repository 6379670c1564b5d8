// The built program as a person starts it: the command line without a
// display, and a read-only program folder.
#include <QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <unistd.h>

namespace {

const QString kBinary = QStringLiteral(ULVENDO_BINARY);
const QString kData = QStringLiteral(ULVENDO_SOURCE_DATA_DIR);

// The environment of the test run without any display.
QProcessEnvironment noDisplay()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "ULVENDO_HOME", "XDG_DATA_HOME"})
        env.remove(QString::fromLatin1(name));
    return env;
}

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run runToEnd(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(noDisplay());
    p.start(kBinary, args);
    Run r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("did not end");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QStringList filesUnder(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(folder).relativeFilePath(it.next());
    out.sort();
    return out;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program; // read-only program folder: the program beside the bundled data
    QString m_home;

    // Starts the program as a user who cannot write the program folder (as
    // "nobody" when the tests run as root) and waits until `ready` holds.
    bool startUntil(const QStringList &args, const std::function<bool()> &ready, QString *why)
    {
        QProcess p;
        QProcessEnvironment env = noDisplay();
        env.insert(QStringLiteral("HOME"), m_home);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_home);
        const QString exe = m_program + QStringLiteral("ulvendo");
        if (geteuid() == 0)
            p.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                                                           QStringLiteral("--clear-groups"), exe}
                                                   + args);
        else
            p.start(exe, args);
        if (!p.waitForStarted()) {
            *why = p.errorString();
            return false;
        }
        // The program waits for the person at its first dialog; the test
        // waits for the files it expects and then ends the program.
        bool found = false;
        for (int i = 0; i < 1200 && !found && p.state() == QProcess::Running; ++i) {
            p.waitForFinished(100);
            found = ready();
        }
        found = found || ready();
        *why = QString::fromLocal8Bit(p.readAllStandardError());
        p.kill();
        p.waitForFinished();
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QFileInfo(kBinary).isExecutable());
        m_program = m_dir.path() + QStringLiteral("/program/");
        m_home = m_dir.path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(m_program));
        QVERIFY(QFile::copy(kBinary, m_program + QStringLiteral("ulvendo")));
        for (const QString &f : filesUnder(kData)) {
            QDir().mkpath(QFileInfo(m_program + f).absolutePath());
            QVERIFY(QFile::copy(kData + QLatin1Char('/') + f, m_program + f));
        }
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                              | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        QFile::setPermissions(m_dir.path(), readOnly | QFileDevice::WriteOwner);
        QDirIterator dirs(m_program, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (dirs.hasNext())
            QVERIFY(QFile::setPermissions(dirs.next(), readOnly));
        QVERIFY(QFile::setPermissions(m_program, readOnly));
        QVERIFY(QDir().mkpath(m_home));
        if (geteuid() == 0)
            QVERIFY(chown(QFile::encodeName(m_home).constData(), 65534, 65534) == 0);
    }

    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "ulvendo " ULVENDO_VERSION "\n" << "";
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "使い方: ulvendo [オプション]" << "";
        QTest::newRow("unknown") << QStringList{"--frobnicate"} << 2 << ""
                                 << "不明なオプションです: frobnicate";
    }
    void withoutDisplay()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r = runToEnd(args);
        QCOMPARE(r.exitCode, exitCode);
        if (out.isEmpty())
            QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
        else if (out.endsWith(QLatin1Char('\n')))
            QCOMPARE(r.out, out);
        else
            QVERIFY2(r.out.startsWith(out), qPrintable(r.out));
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.contains(err), qPrintable(r.err));
    }

    // The help mentions every option.
    void helpNamesTheOptions()
    {
        const Run r = runToEnd({QStringLiteral("-h")});
        for (const char *option : {"--help", "--version", "--home"})
            QVERIFY2(r.out.contains(QLatin1String(option)), option);
    }

    // A program folder the user cannot write: the data goes to
    // ~/.local/share/ulvendo, filled with the bundled files.
    void readOnlyProgramFolder()
    {
        const QStringList before = filesUnder(m_program);
        const QString data = m_home + QStringLiteral("/.local/share/ulvendo/");
        auto copied = [&] {
            for (const QString &f : filesUnder(kData))
                if (bytesOf(data + f) != bytesOf(kData + QLatin1Char('/') + f))
                    return false;
            return true;
        };
        QString why;
        QVERIFY2(startUntil({}, copied, &why), qPrintable(why));
        QVERIFY(!QFileInfo::exists(data + QStringLiteral("ulvendo")));
        QCOMPARE(filesUnder(m_program), before);
    }

    // --home names the program folder as $ULVENDO_HOME does.
    void homeOption()
    {
        const QString home = m_home + QStringLiteral("/mine");
        QString why;
        QVERIFY2(startUntil({QStringLiteral("--home"), home}, [&] { return QFileInfo(home).isDir(); }, &why),
                 qPrintable(why));
        QVERIFY(QFileInfo(home).isDir());
        QVERIFY(!QFileInfo::exists(home + QStringLiteral("/dictionary/Question.txt")));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
