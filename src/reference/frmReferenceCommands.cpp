#include "frmReferenceCommands.h"

#include "drill/DrillState.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "reference/Dictionary.h"
#include "reference/frmShowReference.h"
#include "settings/Settings.h"
#include "widgets/Captions.h"

namespace {

// The one-line input dialogs take at most this many characters.
constexpr int kInputLimit = 255;

QString pathSection() { return QStringLiteral("Reference Path"); }

QString referencePathOf(const Settings &settings, const QString &name)
{
    return IniFile(settings.setupIniPath()).readString(pathSection(), name, QString());
}

} // namespace

bool OpenReferenceCommand(QWidget *parent, const Settings &settings, const DrillState &drill)
{
    return OpenReferenceCommand(parent, settings, drill.CurrentKeyword, drill.Running);
}

bool OpenReferenceCommand(QWidget *parent, const Settings &settings,
                          const QString &currentKeyword, bool drillRunning)
{
    QString keyword = currentKeyword.mid(1);
    if (!drillRunning) {
        if (!platform().inputText(parent, QStringLiteral("参考書内の検索"),
                                  QStringLiteral("調べたいことを記入してください"), keyword))
            return false;
        keyword.truncate(kInputLimit);
    }
    ShowReference(parent, settings, keyword);
    return true;
}

void ShowDictionaryWord(QWidget *parent, const Settings &settings, const QString &word)
{
    QString error;
    const DictionaryResult result = LookUpDictionary(settings.DictionaryFilePath, word, &error);
    if (result.status == DictionaryResult::Unreadable) {
        platform().message(parent, ErrorCaption(), error, MsgKind::Warning);
        return;
    }
    platform().message(parent, PlainCaption(), Dictionary::messageText(result), MsgKind::Plain);
}

void AskDictionaryWord(QWidget *parent, const Settings &settings, bool trimWord)
{
    QString word;
    if (!platform().inputText(parent, QStringLiteral("単語を調べる"),
                              QStringLiteral("調べたい単語を記入してください"), word))
        return;
    word.truncate(kInputLimit);
    if (word.isEmpty())
        return;
    ShowDictionaryWord(parent, settings, trimWord ? Dictionary::trimWord(word) : word);
}

void OpenDictionaryCommand(QWidget *parent, const Settings &settings,
                           const QStringList &answerItems, int selectedRow)
{
    if (settings.AnswerType == 1 && !answerItems.isEmpty()) {
        if (selectedRow < 0 || selectedRow >= answerItems.size()) {
            platform().message(parent, PlainCaption(), QStringLiteral("単語が選択されていません。"),
                               MsgKind::Plain);
            return;
        }
        ShowDictionaryWord(parent, settings, Dictionary::trimWord(answerItems.at(selectedRow)));
        return;
    }
    AskDictionaryWord(parent, settings, true);
}

void ReferenceFileChanged(Settings &settings, const QString &comboText)
{
    settings.ReferenceFilePath = referencePathOf(settings, comboText);
}

QString SelectReferenceFile(QWidget *parent, Settings &settings)
{
    QString folder = Paths::folderOf(settings.ReferenceFilePath);
    if (folder.isEmpty())
        folder = settings.ProgramFolder + QStringLiteral("reference/");
    const QString path = platform().openFileName(parent, QStringLiteral("参考書の選択"), folder,
                                                 Reference::fileFilter());
    if (path.isEmpty())
        return QString();
    const QString name = Paths::fileName(path);
    IniFile ini(settings.setupIniPath());
    ini.writeString(pathSection(), name, path);
    QString error;
    if (!ini.save(&error))
        platform().message(parent, ErrorCaption(), error, MsgKind::Warning);
    settings.ReferenceFilePath = path;
    return name;
}

void OpenReferenceInEditor(QWidget *parent, const Settings &settings, const QString &comboText)
{
    const QString path = referencePathOf(settings, comboText);
    if (path.isEmpty()) {
        platform().message(parent, ErrorCaption(), QStringLiteral("参考書が選択されていません。"),
                           MsgKind::Warning);
        return;
    }
    if (!platform().shellOpen(path))
        platform().message(parent, ErrorCaption(),
                           QStringLiteral("参考書ファイル「%1」を開くことができません。").arg(path),
                           MsgKind::Warning);
}
