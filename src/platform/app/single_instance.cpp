#include "platform/app/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QtEndian>

#include "platform/app/native_path.h"

namespace mw::platform {

namespace {

constexpr qint64 kHeaderBytes = 8;

// Keeps a display name usable inside a file name (":0" -> "_0").
QString FileNamePart(const QByteArray& text) {
  QString out;
  for (const char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                       c == '-';
    out += plain ? QChar(c) : QChar('_');
  }
  return out;
}

QString RuntimeFolder() {
  const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
  if (xdg.startsWith('/')) return QFile::decodeName(xdg);
  return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// Only a process of this same user may talk to us: the private folder
// already keeps others out; the peer's credentials confirm it.
bool PeerIsThisUser(const QLocalSocket& socket) {
#ifdef SO_PEERCRED
  ucred cred{};
  socklen_t size = sizeof cred;
  const int fd = static_cast<int>(socket.socketDescriptor());
  if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &size) != 0) return false;
  return cred.uid == ::geteuid();
#else
  (void)socket;
  return true;
#endif
}

bool WaitWritten(QLocalSocket& socket, const QDeadlineTimer& deadline) {
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) return false;
  }
  return true;
}

}  // namespace

bool IsPrivateFolder(const QString& folder) {
  if (folder.isEmpty()) return false;
  struct stat st {};
  if (::lstat(QFile::encodeName(folder).constData(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

QString InstanceSocketPath() {
  const QString folder = RuntimeFolder();
  if (!IsPrivateFolder(folder)) return {};
  QString name = QStringLiteral("markupwright-%1").arg(::geteuid());
  QByteArray display = qgetenv("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qgetenv("DISPLAY");
  if (!display.isEmpty()) name += QLatin1Char('-') + FileNamePart(display);
  return folder + QLatin1Char('/') + name;
}

QStringList AbsolutePaths(const QStringList& arguments) {
  QStringList paths;
  for (const QString& arg : arguments) {
    if (!arg.isEmpty()) paths << AbsolutePath(arg);
  }
  return paths;
}

bool HandOffPaths(const QString& socketPath, const QStringList& paths, int timeoutMs) {
  if (socketPath.isEmpty() || paths.isEmpty()) return false;
  for (const QString& path : paths) {
    if (static_cast<quint64>(NativePath(path).size()) > kMaxHandOffPathBytes) return false;
  }
  QLocalSocket socket;
  socket.connectToServer(socketPath);
  if (!socket.waitForConnected(timeoutMs)) return false;
  quint32 index = 0;
  for (const QString& path : paths) {
    const QByteArray bytes = NativePath(path);
    QByteArray message(kHeaderBytes, '\0');
    qToBigEndian<quint32>(++index, message.data());
    qToBigEndian<quint32>(static_cast<quint32>(bytes.size()), message.data() + 4);
    message += bytes;
    // Each message has its own deadline: the receiver may take a while
    // to open a large file, but a hung one must not hold us.
    const QDeadlineTimer deadline(timeoutMs);
    if (socket.write(message) != message.size() || !WaitWritten(socket, deadline)) return false;
    while (socket.bytesAvailable() < 1) {
      if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    }
    char answer = 0;
    if (!socket.getChar(&answer) || answer != kHandOffAnswer) return false;
  }
  socket.disconnectFromServer();
  return true;
}

InstanceReceiver::InstanceReceiver(Handler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)) {}

InstanceReceiver::~InstanceReceiver() = default;

bool InstanceReceiver::Listen(const QString& socketPath) {
  if (socketPath.isEmpty() || IsListening()) return false;
  // Two programs starting at the same moment must not both clear and claim
  // the name; the lock makes the look and the claim one step.
  QLockFile lock(socketPath + QStringLiteral(".lock"));
  if (!lock.tryLock(2000)) return false;
  {
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    if (probe.waitForConnected(1000)) {
      probe.abort();
      return false;  // a live instance receives; this one runs beside it
    }
  }
  // Nobody answers: whatever is there was left by an instance that died.
  QLocalServer::removeServer(socketPath);
  auto* server = new QLocalServer(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(socketPath)) {
    delete server;
    return false;
  }
  connect(server, &QLocalServer::newConnection, this, &InstanceReceiver::Accept);
  m_server = server;
  return true;
}

bool InstanceReceiver::IsListening() const { return m_server != nullptr && m_server->isListening(); }

QString InstanceReceiver::SocketPath() const { return m_server ? m_server->fullServerName() : QString(); }

void InstanceReceiver::Accept() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!PeerIsThisUser(*socket)) {
      socket->abort();
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
    if (socket->bytesAvailable() > 0) Read(socket);
  }
}

// Takes every complete message off the socket into the queue, then works
// the queue. A broken message ends that sender's connection unanswered,
// which makes it start on its own.
void InstanceReceiver::Read(QLocalSocket* socket) {
  while (socket->bytesAvailable() >= kHeaderBytes) {
    const QByteArray header = socket->peek(kHeaderBytes);
    const auto index = qFromBigEndian<quint32>(header.constData());
    const auto length = qFromBigEndian<quint32>(header.constData() + 4);
    if (index == 0 || length == 0 || length > kMaxHandOffPathBytes) {
      // That sender opens all its paths itself; none of them here.
      std::erase_if(m_pending, [socket](const Pending& p) { return p.from == socket; });
      socket->abort();
      break;
    }
    if (socket->bytesAvailable() < kHeaderBytes + length) break;
    socket->skip(kHeaderBytes);
    const QByteArray bytes = socket->read(length);
    m_pending.push_back(Pending{socket, PathFromNative(bytes)});
  }
  Drain();
}

// One path at a time: opening a file may show a message box whose event
// loop delivers further messages, and those must wait their turn.
void InstanceReceiver::Drain() {
  if (m_draining) return;
  m_draining = true;
  // A handler that throws leaves its sender unanswered (it starts on its
  // own) but must not stop this receiver for good.
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{m_draining};
  while (!m_pending.empty()) {
    const Pending next = m_pending.front();
    m_pending.pop_front();
    if (m_handler) m_handler(next.path);
    if (next.from && next.from->state() == QLocalSocket::ConnectedState) {
      next.from->putChar(kHandOffAnswer);
      next.from->flush();
    }
  }
}

}  // namespace mw::platform
