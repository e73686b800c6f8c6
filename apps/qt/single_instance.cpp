#include "single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>

namespace pultara::qt {

namespace {

constexpr int kAnswerMs = 5000;
constexpr int kRetryMs = 50;
constexpr char kShowRequest[] = "show\n";

QString RuntimeFolder() {
    // $XDG_RUNTIME_DIR, or a private folder Qt makes when it is not set.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

}  // namespace

SingleInstance::SingleInstance() : folder_(RuntimeFolder()) {
    const QByteArray path = QDir(folder_).filePath(QStringLiteral("pultara.lock")).toLocal8Bit();
    const int file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (file < 0) {
        // Without a lock file the program runs as before rather than not at all.
        std::fprintf(stderr, "pultara: cannot open %s; a second copy is not detected\n",
                     path.constData());
        return;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        ::close(file);
        first_ = false;
        return;
    }
    lockFile_ = file;
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lockFile_ >= 0) {
        ::close(lockFile_);  // lets go of the lock
    }
}

bool SingleInstance::AskFirstCopyToShow() const {
    const QString name = QDir(folder_).filePath(QStringLiteral("pultara.socket"));
    // The first copy takes the lock before it listens: it may be just
    // between the two.
    const QDeadlineTimer deadline(kAnswerMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write(kShowRequest);
            // The first copy closes the connection once it has read the
            // request.
            return socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())) &&
                   (socket.state() == QLocalSocket::UnconnectedState ||
                    socket.waitForDisconnected(static_cast<int>(deadline.remainingTime())));
        }
        QThread::msleep(kRetryMs);
    }
    return false;
}

void SingleInstance::Listen(const std::function<void()>& showSettings) {
    const QString name = QDir(folder_).filePath(QStringLiteral("pultara.socket"));
    // A socket file left by a copy that crashed: this copy holds the lock,
    // so nobody else listens there.
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(name)) {
        std::fprintf(stderr, "pultara: cannot listen on %s: %s\n", qUtf8Printable(name),
                     qUtf8Printable(server_.errorString()));
        return;
    }
    showSettings_ = showSettings;
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* client = server_.nextPendingConnection()) {
            Serve(client);
        }
    });
}

// A later start's request: one line, after which the connection closes.
void SingleInstance::Serve(QLocalSocket* client) {
    QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    const auto read = [this, client] {
        if (client->canReadLine() && client->readLine() == kShowRequest) {
            client->disconnectFromServer();
            showSettings_();
        }
    };
    QObject::connect(client, &QLocalSocket::readyRead, client, read);
    read();  // the request may have come with the connection
}

}  // namespace pultara::qt
