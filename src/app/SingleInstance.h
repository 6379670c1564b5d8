#pragma once
// Keeps a program folder to one running Ulvendo. The first start holds the
// folder's lock and listens for later starts; a later start asks it to bring
// its window to the front and ends, or, when the running program does not
// answer, says that Ulvendo is already running. A later start writes nothing.
#include "platform/InstanceLock.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QWidget;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this run may go on (it holds the folder, or no lock can be
    // made there at all). False when another run holds the folder: it has
    // been asked to come to the front, or the user has been told.
    bool start(const QString &programFolder);
    // The window a later start brings to the front.
    void setWindow(QWidget *window) { m_window = window; }

    // The message a later start shows when the running program does not answer.
    static QString alreadyRunningText();
    // Name of the local socket of a program folder (the same for every run of
    // the same user on the same folder).
    static QString serverName(const QString &programFolder);

private:
    void listen(const QString &programFolder);
    // Asks the running program to come to the front; true when it did.
    static bool askToRaise(const QString &programFolder);
    void onConnection();

    InstanceLock m_lock;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
};
