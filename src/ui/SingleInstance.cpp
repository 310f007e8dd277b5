#include "ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace rq::ui {

namespace {

constexpr char kRaiseRequest[] = "raise\n";

QString LockFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder;
}

}  // namespace

SingleInstance::SingleInstance(const QString& programPath) : key_(KeyFor(programPath)) {}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
    if (lock_) lock_->unlock();
}

QString SingleInstance::KeyFor(const QString& programPath) {
    QString path = programPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("roamquill-") + QString::fromLatin1(hash);
}

bool SingleInstance::Acquire(int attempts, int pauseMs) {
    lock_ = std::make_unique<QLockFile>(LockFolder() + QLatin1Char('/') + key_ +
                                        QStringLiteral(".lock"));
    // A lock left by a process that died is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
        Listen();
        return true;
    }
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (AskRunningInstance()) return false;
        QThread::msleep(static_cast<unsigned long>(pauseMs));
    }
    // Nobody answered: run without the lock rather than not at all.
    lock_.reset();
    return true;
}

bool SingleInstance::AskRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(100)) return false;
    socket.write(kRaiseRequest);
    const bool sent = socket.waitForBytesWritten(250);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::Listen() {
    server_ = std::make_unique<QLocalServer>();
    // A server name left by a crashed instance would refuse to listen.
    QLocalServer::removeServer(key_);
    if (!server_->listen(key_)) return;
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (socket->readAll().contains("raise") && raise_) raise_();
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

}  // namespace rq::ui
