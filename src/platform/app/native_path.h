// File names are bytes here, and authors' sites hold Shift-JIS ones that
// are no UTF-8. A QString carries such a name unchanged when every byte of
// an invalid sequence becomes the lone surrogate U+DC00 + byte (0x80 to
// 0xFF map to U+DC80 to U+DCFF); valid UTF-8 decodes as usual, so
// ordinary names look and compare as Qt's own decoding makes them. Qt's
// own decoding (QFile::decodeName, QCoreApplication::arguments) turns
// those bytes into U+FFFD, after which the file can no longer be found.
//
// Every path that goes from a QString to the file system goes through
// NativePath; every name that comes from it through PathFromNative.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <string>

namespace mw::platform {

QString PathFromNative(QByteArrayView bytes);
QByteArray NativePath(const QString& path);

inline std::string NativePathString(const QString& path) { return NativePath(path).toStdString(); }
inline QString PathFromNative(const std::string& bytes) {
  return PathFromNative(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

// path made absolute against the working folder and cleaned ("." and ".."
// taken out), as QFileInfo::absoluteFilePath does, but keeping the escaped
// bytes, which QFileInfo loses.
QString AbsolutePath(const QString& path);

// The path as a person reads it: each part of it that is no UTF-8 read as
// the Shift-JIS it is on an author's site, so "表紙.html" saved by an old
// tool shows as such in captions instead of as escape characters. Only
// for showing: it does not name the file.
QString ShownPath(const QString& path);

// argv[1] ... argv[argc - 1], decoded as above.
QStringList NativeArguments(int argc, const char* const* argv);

// Whether path names an existing regular file (after links).
bool IsNativeFile(const QString& path);

// Whether both paths reach the same file (after links), by device and
// inode: a symlink, a hard link, "./f" and "d//f" all name one file.
// False when either cannot be reached.
bool IsSameNativeFile(const QString& a, const QString& b);

}  // namespace mw::platform
