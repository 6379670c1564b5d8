#include "app/SingleInstance.h"

#include "platform/Platform.h"
#include "widgets/Captions.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kRaised = "raised\n";
const QByteArray kCannot = "cannot\n";
constexpr int kAnswerMs = 3000;
}

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::alreadyRunningText()
{
    return QStringLiteral("Ulvendo はすでに起動しています。\n"
                          "同じフォルダーで同時に起動できるのは 1 つだけです。");
}

QString SingleInstance::serverName(const QString &programFolder)
{
    QString canonical = QFileInfo(programFolder).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(programFolder).absoluteFilePath();
    const QByteArray hash =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("ulvendo-") + QString::fromLatin1(hash);
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

bool SingleInstance::start(const QString &programFolder)
{
    switch (m_lock.acquire(programFolder)) {
    case InstanceLock::Acquired:
        listen(programFolder);
        return true;
    case InstanceLock::Unavailable:
        // Nothing can be written in this folder anyway; the program reports
        // its failed saves itself.
        return true;
    case InstanceLock::HeldByOther:
        break;
    }
    if (!askToRaise(programFolder))
        platform().message(nullptr, PlainCaption(), alreadyRunningText(), MsgKind::Information);
    return false;
}

void SingleInstance::listen(const QString &programFolder)
{
    const QString name = serverName(programFolder);
    // We hold the folder, so a socket of that name is a leftover.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
    m_server->listen(name); // without it a later start shows its message instead
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine() != kRaise)
                return;
            // Window systems that do not let a program raise itself (Wayland)
            // leave it to the later start to tell the user.
            const bool canRaise = m_window
                && QGuiApplication::platformName() != QLatin1String("wayland");
            if (canRaise) {
                // Back from the task bar as it was left: a maximised
                // window stays maximised.
                if (m_window->isMinimized())
                    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
                m_window->show();
                m_window->raise();
                m_window->activateWindow();
            }
            socket->write(canRaise ? kRaised : kCannot);
            socket->flush();
        });
    }
}

bool SingleInstance::askToRaise(const QString &programFolder)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(programFolder));
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs))
            return false;
    }
    return socket.readLine() == kRaised;
}
