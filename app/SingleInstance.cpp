#include "app/SingleInstance.h"

#include "app/HandOverMessage.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace marulo {

namespace {

// Why a later start could not hand over, or the first copy could not listen.
Q_LOGGING_CATEGORY(lcSingleInstance, "marulo.singleinstance")

// Enough for a copy that is still setting up its server to start listening.
constexpr int HandOverMilliseconds = 900;
constexpr int ConnectionIdleMilliseconds = 3000;
constexpr int RetryMilliseconds = 50;

QString userKey()
{
#if defined(Q_OS_UNIX)
    return QString::number(::getuid());
#else
    return QDir::homePath();
#endif
}

QString shortName(const QString& title)
{
    const QByteArray digest =
        QCryptographicHash::hash((title + QLatin1Char('\n') + userKey()).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("marulo-") + QString::fromLatin1(digest.toHex().left(16));
}

} // namespace

QString SingleInstance::serverName(const QString& title)
{
    return shortName(title);
}

QString SingleInstance::lockPath(const QString& title)
{
    return QDir(QDir::tempPath()).filePath(shortName(title) + QStringLiteral(".lock"));
}

SingleInstance::SingleInstance(const QString& title, QObject* parent)
    : QObject(parent),
      title_(title),
      lock_(std::make_unique<QLockFile>(lockPath(title)))
{
    // Age never makes the lock stale, only the death of the copy that holds
    // it: QLockFile checks the recorded process and takes over from a crash.
    lock_->setStaleLockTime(0);
    // Only a lock held by a running copy makes this start a secondary one; a
    // lock that cannot be made at all (no writable temporary folder) must not
    // keep the program from starting.
    primary_ = lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
    if (primary_)
        listen();
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    // We hold the lock, so a socket file left behind belongs to a crashed copy.
    const QString name = serverName(title_);
    if (!server_->listen(name)) {
        QLocalServer::removeServer(name);
        if (!server_->listen(name))
            qCWarning(lcSingleInstance, "cannot listen on %s: %s", qUtf8Printable(name),
                      qUtf8Printable(server_->errorString()));
    }
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const QByteArray reply = answer(*received);
            if (reply.isEmpty())
                return;
            socket->write(reply);
            socket->flush();
            socket->disconnectFromServer();
        });
        // A caller that connects and then says nothing is not kept forever.
        QTimer::singleShot(ConnectionIdleMilliseconds, socket, [socket] { socket->abort(); });
    }
}

// Empty while the message is incomplete.
QByteArray SingleInstance::answer(const QByteArray& received)
{
    const HandOver::Request request = HandOver::decode(received);
    switch (request.kind) {
    case HandOver::Request::Kind::Incomplete:
        return {};
    case HandOver::Request::Kind::Refused:
        qWarning("A later start sent a message this copy does not know (another version?); it was refused.");
        return HandOver::RefusedAnswer;
    case HandOver::Request::Kind::Activate:
    case HandOver::Request::Kind::Open:
        break;
    }
    const bool opened = !handler_ || handler_(request.path);
    return opened ? HandOver::OpenedAnswer : HandOver::NotOpenedAnswer;
}

SingleInstance::HandOverResult SingleInstance::handOver(const QString& path)
{
    // Runs before any window exists, so a short blocking exchange is harmless.
    const QDeadlineTimer deadline(HandOverMilliseconds);
    QLocalSocket socket;
    while (!deadline.hasExpired()) {
        socket.connectToServer(serverName(title_));
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        socket.abort();
        // The primary may hold the lock but not listen yet: try again shortly.
        QThread::msleep(std::min<qint64>(RetryMilliseconds, deadline.remainingTime()));
    }
    if (socket.state() != QLocalSocket::ConnectedState)
        return HandOverResult::NoAnswer;
    socket.write(HandOver::encode(path));
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return HandOverResult::NoAnswer;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return HandOverResult::NoAnswer;
    }
    const QByteArray reply = socket.readLine(64);
    if (reply == HandOver::OpenedAnswer)
        return HandOverResult::Opened;
    if (reply == HandOver::NotOpenedAnswer)
        return HandOverResult::NotOpened;
    return HandOverResult::Refused;
}

} // namespace marulo
