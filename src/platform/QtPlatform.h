#pragma once
#include "Platform.h"

#include <QPointer>
#include <QTextBrowser>

#include <memory>

class QSoundEffect;
class QtSpeaker;

// The real desktop.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;
    MsgResult message(QWidget *parent, const QString &caption, const QString &text,
                      MsgKind kind) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filter, SaveMode mode) override;
    bool chooseColor(QWidget *parent, QColor &color) override;
    bool chooseFont(QWidget *parent, QFont &font) override;
    bool inputText(QWidget *parent, const QString &caption, const QString &prompt,
                   QString &value) override;
    int execDialog(QDialog *dialog) override;
    void playSound(const QString &wavPath) override;
    Speaker &speaker() override;
    bool shellOpen(const QString &target) override;
    bool launchProgram(const QString &path) override;
    void setClipboardText(const QString &text) override;
    QString clipboardText() override;
    void closeWindowByCaption(const QString &caption) override;
    void setInputMethod(QWidget *widget, bool on) override;
    void showHelp(const QString &helpFile, const QString &topic) override;
    bool printDocument(QWidget *parent, QTextDocument *document) override;
    QStringList fontFamilies() override;

    // "desc|*.txt|desc2|*.dat" -> Qt's "desc (*.txt);;desc2 (*.dat)"
    static QString qtFilter(const QString &filter);

private:
    QSoundEffect *m_sound = nullptr;
    std::unique_ptr<QtSpeaker> m_speaker;
    QPointer<QTextBrowser> m_help;
};
