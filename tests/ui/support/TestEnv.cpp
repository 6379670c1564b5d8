#include "TestEnv.h"

#include <QCoreApplication>

#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/TextFile.h"
#include "settings/frmSetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

TestEnv::TestEnv(const QString &subfolder)
{
    m_folder = m_dir.path() + QLatin1Char('/');
    if (!subfolder.isEmpty()) {
        m_folder += subfolder + QLatin1Char('/');
        QDir().mkpath(m_folder);
    }
    Paths::setProgramFolder(m_folder);
    Platform::install(&platform);
    Clock::install(&clock);
}

TestEnv::~TestEnv()
{
    closeMain();
    Clock::install(nullptr);
    Platform::install(nullptr);
    Paths::setProgramFolder(QString());
}

QString TestEnv::userFolder() const
{
    return m_user.isEmpty() ? QString() : m_folder + m_user + QLatin1Char('/');
}

void TestEnv::presetUser(const QString &name)
{
    m_user = name;
    IniFile ini(m_folder + QStringLiteral("User.ini"));
    ini.writeString(QStringLiteral("Setup"), QStringLiteral("Boot"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("Setup"), QStringLiteral("ShowUser"), QStringLiteral("0"));
    ini.writeString(QStringLiteral("Setup"), QStringLiteral("UserName"), name);
    ini.writeString(QStringLiteral("User"), QStringLiteral("UserNum"), QStringLiteral("1"));
    ini.writeString(QStringLiteral("User"), QStringLiteral("1"), name);
    ini.writeString(name, QStringLiteral("Num"), QStringLiteral("1"));
    ini.save();
    QDir().mkpath(m_folder + name);
}

void TestEnv::writeIni(const QString &relative, const QString &section, const QString &key,
                       const QString &value)
{
    const QString file = m_folder + relative;
    QDir().mkpath(QFileInfo(file).absolutePath());
    IniFile ini(file);
    ini.writeString(section, key, value);
    ini.save();
}

void TestEnv::writeUserIni(const QString &section, const QString &key, const QString &value)
{
    writeIni(QStringLiteral("User.ini"), section, key, value);
}

void TestEnv::writeSetup(const QString &section, const QString &key, const QString &value)
{
    writeIni(m_user + QStringLiteral("/Setup.ini"), section, key, value);
}

QString TestEnv::readIni(const QString &relative, const QString &section, const QString &key,
                         const QString &def) const
{
    return IniFile(m_folder + relative).readString(section, key, def);
}

QString TestEnv::readUserIni(const QString &section, const QString &key, const QString &def) const
{
    return readIni(QStringLiteral("User.ini"), section, key, def);
}

QString TestEnv::readSetup(const QString &section, const QString &key, const QString &def) const
{
    return readIni(m_user + QStringLiteral("/Setup.ini"), section, key, def);
}

bool TestEnv::writeLines(const QString &relative, const QStringList &lines)
{
    const QString file = m_folder + relative;
    QDir().mkpath(QFileInfo(file).absolutePath());
    return TextFile::writeLines(file, lines);
}

bool TestEnv::copyFile(const QString &source, const QString &relative)
{
    const QString file = m_folder + relative;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile::remove(file);
    return QFile::copy(source, file);
}

void TestEnv::copySampleData()
{
    const QString data = QStringLiteral(ULVENDO_SOURCE_DATA_DIR) + QLatin1Char('/');
    for (const char *f : {"dictionary/Question.txt", "dictionary/Dictionary.txt", "reference/Reference.txt",
                          "hit.wav", "out.wav", "finish.wav"})
        copyFile(data + QLatin1String(f), QLatin1String(f));
}

TfrmMain *TestEnv::createMain()
{
    closeMain();
    m_main = std::make_unique<TfrmMain>();
    return m_main.get();
}

TfrmMain *TestEnv::showMain()
{
    TfrmMain *w = m_main ? m_main.get() : createMain();
    w->show();
    // What the first showing leaves for the event loop (the companion
    // hand-over once the window is on the screen) runs before the test goes on.
    QCoreApplication::processEvents();
    return w;
}

void TestEnv::tickDate(int count)
{
    if (!m_main)
        return;
    for (int i = 0; i < count; ++i)
        m_main->tmrDateTimer();
}

void TestEnv::closeMain()
{
    if (!m_main)
        return;
    if (m_main->isVisible())
        m_main->close();
    else if (m_main->FirstShowDone)
        m_main->FormClose();
    m_main.reset();
}

QString TestEnv::makeCompanion(const QString &name)
{
    QDir().mkpath(path(QStringLiteral("sorbell")));
    const QString exe = path(QStringLiteral("sorbell/") + name);
    QFile f(exe);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot create the companion file");
    return exe;
}

QString TestEnv::presetCompanion()
{
    const QString exe = makeCompanion();
    writeSetup(QStringLiteral("File Path"), QStringLiteral("SorbellPath"), exe);
    return exe;
}

void TestEnv::runSetup(const std::function<void(TfrmSetup *)> &act)
{
    bool ran = false;
    platform.dialogHandlers.enqueue([&](QDialog *d) {
        auto *dlg = qobject_cast<TfrmSetup *>(d);
        QVERIFY(dlg);
        ran = true;
        act(dlg);
    });
    find<QAction>(QStringLiteral("cmdSetup"))->trigger();
    QVERIFY(ran);
}
