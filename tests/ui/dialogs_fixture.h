#pragma once
// A main window (built, not shown) over a temporary program folder with one
// user, a small collection, a reference book and a dictionary, and the
// current question set to the collection's first question. Used by the result-dialog and
// error-review tests.
#include "TestEnv.h"
#include "platform/TextFile.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct DialogFixture
{
    TestEnv env;
    ScriptedPlatform &platform = env.platform;
    TfrmMain *main = nullptr;
    QString folder;       // program folder, with "/"
    QString collection;   // the collection of the current drill

    static QStringList collectionLines()
    {
        return {QStringLiteral("#have to"),
                QStringLiteral("I have to go now."),
                QStringLiteral("もう行かなければなりません。"),
                QStringLiteral("have to は義務を表します。"),
                QStringLiteral("go"),
                QString(),
                QStringLiteral("#can"),
                QStringLiteral("She can swim very well."),
                QStringLiteral("彼女はとても上手に泳げます。"),
                QStringLiteral("can は能力を表します。"),
                QStringLiteral("swim"),
                QString(),
                QStringLiteral("#キーワードなし"),
                QStringLiteral("It is fine today."),
                QStringLiteral("今日は晴れです。"),
                QStringLiteral("天気の言い方"),
                QStringLiteral("fine")};
    }

    DialogFixture()
    {
        env.presetUser(QStringLiteral("taro"));
        main = env.createMain();
        folder = env.folder();
        Settings &s = main->settings;
        s.ProgramFolder = folder;
        s.UserName = env.userName();
        collection = folder + QStringLiteral("sample.txt");
        TextFile::writeLines(collection, collectionLines());
        s.QuestionFilePath = collection;
        s.QuestionBaseName = QStringLiteral("sample");
        s.ReferenceFilePath = folder + QStringLiteral("Reference.txt");
        TextFile::writeLines(s.ReferenceFilePath,
                             {QStringLiteral("#have to"), QStringLiteral("2"),
                              QStringLiteral("「～しなければならない」"),
                              QStringLiteral("must とほぼ同じ意味です。"), QString()});
        s.DictionaryFilePath = folder + QStringLiteral("Dictionary.txt");
        TextFile::writeLines(s.DictionaryFilePath,
                             {QStringLiteral("apple=りんご*果物"),
                              QStringLiteral("application=応用*名詞")});
        DrillState &d = main->drill;
        d.CurrentLine = 0;
        d.CurrentKeyword = QStringLiteral("#have to");
        d.QuestionText = QStringLiteral("もう行かなければなりません。");
        d.AnswerText = QStringLiteral("I have to go now.");
        d.CommentText = QStringLiteral("have to は義務を表します。");
        d.InputAnswer = QStringLiteral("I must go now.");
        d.QAskedCount = 3;
        d.QAtariCount = 2;
        d.QRate = QStringLiteral("67");
        d.Running = true;
    }

    // Runs `dialog` through the scripted platform with `handler` acting in it.
    template<class Dialog>
    void run(Dialog &dialog, std::function<void(QDialog *)> handler)
    {
        platform.dialogHandler = std::move(handler);
        platform.execDialog(&dialog);
        platform.dialogHandler = nullptr;
    }
};

template<class T>
T *child(QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning("no child %s", name);
    return w;
}

inline void click(QObject *parent, const char *name)
{
    auto *b = child<QAbstractButton>(parent, name);
    if (b)
        QTest::mouseClick(b, Qt::LeftButton);
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}
