// Only one copy of the program runs for a user. The first copy holds a lock
// file in the user's runtime folder and listens on a local socket that only
// the same user can reach; a later copy finds the lock taken, sends "MALVORA"
// over the socket and ends. A lock left by a copy that died is taken over.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `folder` holds the lock and the socket: the user's runtime folder when
    // not given.
    explicit SingleInstance(const QString& folder = {}, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True for the first copy, which from now on hears later ones. False when
    // another copy runs; it has then been told to come to the front.
    bool start();

signals:
    // A later copy asked this one to come to the front.
    void activate();

private:
    void readmessage(QLocalSocket* client);
    bool tellrunningcopy();

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};
