#pragma once
// A program folder for GUI tests: a temporary folder installed as the
// program folder, a ScriptedPlatform and a SettableClock installed for the
// run, helpers to lay out User.ini / Setup.ini and files, and the main window
// built and shown on top of it (showing runs its start-up).
//
//   TestEnv env;                      // empty folder, clock at 2001-03-09 14:05:07
//   env.presetUser("taro");           // User.ini: Boot=1, ShowUser=0, UserName=taro,
//                                     // taro registered, folder taro/ created
//   env.writeSetup("Setup", "ShowComment", "1");
//   env.copySampleData();             // bundled collection, reference, dictionary, sounds
//   TfrmMain *w = env.showMain();     // constructed and shown: start-up has run
//   env.find<QPushButton>("cmdStart")->click();
//   env.tickDate();                   // one date-timer tick
//   env.closeMain();                  // shutdown runs, the window is destroyed
//   env.readSetup("Toolbar", "StatusBar");
//   env.runSetup([](TfrmSetup *d) { ...; d->cmdOk->click(); });
//
// The destructor closes a window still open and uninstalls platform and clock.
#include "app/frmMain.h"
#include "platform/Clock.h"
#include "platform/ScriptedPlatform.h"

#include <QTemporaryDir>
#include <functional>
#include <memory>

class TfrmSetup;

class TestEnv
{
public:
    // `subfolder` (optional) puts the program folder one level down, under
    // a name of the test's choosing (a path with characters of any script).
    explicit TestEnv(const QString &subfolder = QString());
    ~TestEnv();
    TestEnv(const TestEnv &) = delete;
    TestEnv &operator=(const TestEnv &) = delete;

    ScriptedPlatform platform;
    SettableClock clock;

    // Program folder with its trailing "/", and paths inside it.
    QString folder() const { return m_folder; }
    QString path(const QString &relative) const { return m_folder + relative; }
    // The preset user's folder with its trailing "/" ("" before presetUser).
    QString userFolder() const;
    QString userName() const { return m_user; }

    // User.ini for a later start of `name`: Boot=1, ShowUser=0,
    // UserName=name, [User] UserNum=1, 1=name, [name] Num=1; the user
    // folder is created. Later start-ups skip the welcome and user dialogs.
    void presetUser(const QString &name = QStringLiteral("taro"));

    // One key of User.ini, of the preset user's Setup.ini, or of any INI file
    // in the program folder (`relative` path), written through IniFile.
    void writeUserIni(const QString &section, const QString &key, const QString &value);
    void writeSetup(const QString &section, const QString &key, const QString &value);
    void writeIni(const QString &relative, const QString &section, const QString &key,
                  const QString &value);
    QString readUserIni(const QString &section, const QString &key, const QString &def = QString()) const;
    QString readSetup(const QString &section, const QString &key, const QString &def = QString()) const;
    QString readIni(const QString &relative, const QString &section, const QString &key,
                    const QString &def = QString()) const;

    // An empty file standing for the companion program at sorbell/<name>
    // (the folder created); its path.
    QString makeCompanion(const QString &name = QStringLiteral("qvt.exe"));
    // makeCompanion() set up as the companion in the preset user's Setup.ini
    // ([File Path] SorbellPath); its path.
    QString presetCompanion();

    // Files: lines written with CR LF as the program writes its own files
    // (CP932 when it holds them exactly), or a copy of an existing file.
    bool writeLines(const QString &relative, const QStringList &lines);
    bool copyFile(const QString &source, const QString &relative);
    // The bundled data beside the program: dictionary/Question.txt,
    // dictionary/Dictionary.txt, reference/Reference.txt, hit.wav, out.wav,
    // finish.wav.
    void copySampleData();

    // Builds the main window and shows it (start-up runs inside show()).
    TfrmMain *showMain();
    // Builds it without showing (for tests that arrange more first).
    TfrmMain *createMain();
    TfrmMain *main() const { return m_main.get(); }

    // A child of the main window by objectName (QWidget, QAction, QTimer, ...).
    template <typename T>
    T *find(const QString &name) const
    {
        return m_main ? m_main->findChild<T *>(name) : nullptr;
    }

    // Runs the date timer's tick `count` times (the clock is not moved).
    void tickDate(int count = 1);
    // Closes the main window (shutdown runs) and destroys it.
    void closeMain();

    // Opens the settings dialog from the menu (cmdSetup) and runs `act` in
    // it; `act` closes it. The test fails when no settings dialog opened.
    void runSetup(const std::function<void(TfrmSetup *)> &act);

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QString m_user;
    std::unique_ptr<TfrmMain> m_main;
};
