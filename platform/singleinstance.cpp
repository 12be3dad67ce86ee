#include "platform/singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

const QByteArray wakeword = "MALVORA";

QString runtimefolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), folder_(folder.isEmpty() ? runtimefolder() : folder)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::start()
{
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(folder_ + "/malvora.lock");
    // A running copy may run for weeks: only a dead holder makes the lock stale.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        tellrunningcopy();
        return false;
    }

    const QString socket = folder_ + "/malvora.socket";
    QLocalServer::removeServer(socket);  // left behind by a copy that died
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] { readmessage(client); });
            readmessage(client);
        }
    });
    // Without the socket the program still runs; a later copy then just ends.
    server_->listen(socket);
    return true;
}

void SingleInstance::readmessage(QLocalSocket* client)
{
    if (client->bytesAvailable() >= wakeword.size() && client->read(wakeword.size()) == wakeword)
        emit activate();
}

// The first copy may be starting up and not listen yet, so the call is tried
// again for a moment.
bool SingleInstance::tellrunningcopy()
{
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(folder_ + "/malvora.socket");
        if (socket.waitForConnected(500)) {
            socket.write(wakeword);
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(100);
    }
    return false;
}
