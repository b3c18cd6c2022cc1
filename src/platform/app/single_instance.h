// One window per user session for paths given on the command line: a
// program started with paths hands them to the instance that is already
// running, over a local socket only this user can reach, and exits.
//
// Messages, one per path in command-line order:
//   index  (32 bits, big-endian, counted from 1)
//   length (32 bits, big-endian, bytes of the path, no terminator)
//   path   (length bytes, the absolute path in the file-system encoding)
// The receiver answers each message with one byte (kHandOffAnswer) after it
// has opened or skipped the file, so the sender's order is the order of
// opening. Paths are carried whole, however long (up to kMaxHandOffPathBytes;
// a longer one is not handed off at all and the sender starts normally).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace mw::platform {

inline constexpr char kHandOffAnswer = 1;
inline constexpr quint32 kMaxHandOffPathBytes = 64 * 1024;
inline constexpr int kHandOffTimeoutMs = 5000;

// The socket path of this user's instance in this display session:
// <runtime folder>/markupwright-<uid>[-<display>]. The runtime folder is
// $XDG_RUNTIME_DIR, else Qt's per-user runtime location. Empty when that
// folder is not a directory owned by this user and closed to everyone else:
// then there is no hand-off and every start is a normal one.
QString InstanceSocketPath();

// Whether folder is a real directory (not a link) owned by this user with no
// access for group or others.
bool IsPrivateFolder(const QString& folder);

// The command-line arguments (without the program name) as absolute paths,
// since the receiving instance runs in another working folder. Empty
// arguments are dropped.
QStringList AbsolutePaths(const QStringList& arguments);

// Sends every path to the instance listening at socketPath and waits for its
// answer to each. True only when all were answered; false at the first
// failure (nobody listening, refused, closed, timed out, path too long), and
// then the caller starts normally with all its paths. An empty list sends
// nothing and returns false.
bool HandOffPaths(const QString& socketPath, const QStringList& paths, int timeoutMs = kHandOffTimeoutMs);

// The receiving side: listens at the socket path and calls the handler with
// each received path, one at a time in the order they arrived, answering the
// sender after the handler returns.
class InstanceReceiver : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(const QString& path)>;
  explicit InstanceReceiver(Handler handler, QObject* parent = nullptr);
  ~InstanceReceiver() override;

  // Starts listening. False when another live instance already answers at
  // that path (it keeps receiving), when socketPath is empty, or when the
  // socket cannot be made. A socket file left behind by a crashed instance
  // is removed first. The socket file is open to this user only.
  bool Listen(const QString& socketPath);
  bool IsListening() const;
  QString SocketPath() const;

 private:
  struct Pending {
    QPointer<QLocalSocket> from;
    QString path;
  };
  void Accept();
  void Read(QLocalSocket* socket);
  void Drain();

  Handler m_handler;
  QLocalServer* m_server = nullptr;
  std::deque<Pending> m_pending;
  bool m_draining = false;
};

}  // namespace mw::platform
