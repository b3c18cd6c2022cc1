#include "platform/app/native_path.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QStringDecoder>
#include <algorithm>
#include <cstdlib>

namespace mw::platform {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the well-formed UTF-8 sequence at s[i], or 0.
qsizetype Utf8Length(QByteArrayView s, qsizetype i) {
  const auto b = [&](qsizetype k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  if (c < 0x80) return 1;
  // The sequence's length and its second byte's range (RFC 3629: no
  // overlong forms, no encoded surrogates, nothing above U+10FFFF).
  qsizetype n = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3;
    if (c == 0xE0) lo = 0xA0;
    if (c == 0xED) hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4;
    if (c == 0xF0) lo = 0x90;
    if (c == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  if (b(i + 1) < lo || b(i + 1) > hi) return 0;
  for (qsizetype k = 2; k < n; ++k)
    if (b(i + k) < 0x80 || b(i + k) > 0xBF) return 0;
  return n;
}

}  // namespace

QString ShownPath(const QString& path) {
  const bool escaped = std::any_of(path.begin(), path.end(), [](QChar c) {
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
  });
  if (!escaped) return path;
  const QByteArray bytes = NativePath(path);
  QString shown;
  const QList<QByteArray> parts = bytes.split('/');
  for (qsizetype k = 0; k < parts.size(); ++k) {
    const QByteArray& part = parts[k];
    if (k > 0) shown += QLatin1Char('/');
    bool utf8 = true;
    for (qsizetype i = 0; i < part.size() && utf8;) {
      const qsizetype n = Utf8Length(part, i);
      utf8 = n > 0;
      i += n;
    }
    if (utf8) {
      shown += QString::fromUtf8(part);
      continue;
    }
    QStringDecoder sjis("Shift_JIS", QStringConverter::Flag::Stateless);
    QString text = sjis.isValid() ? sjis.decode(part) : QString();
    if (!sjis.isValid() || sjis.hasError()) {
      // Neither: a byte that reads as nothing shows as the replacement
      // character, never as a lone surrogate the fonts cannot draw.
      text = PathFromNative(part);
      for (QChar& c : text)
        if (c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF) c = QChar::ReplacementCharacter;
    }
    shown += text;
  }
  return shown;
}

QString PathFromNative(QByteArrayView bytes) {
  QString out;
  out.reserve(bytes.size());
  for (qsizetype i = 0; i < bytes.size();) {
    const qsizetype n = Utf8Length(bytes, i);
    if (n == 0) {
      out += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
      ++i;
      continue;
    }
    out += QString::fromUtf8(bytes.sliced(i, n));
    i += n;
  }
  return out;
}

QByteArray NativePath(const QString& path) {
  QByteArray out;
  out.reserve(path.size());
  qsizetype run = 0;  // start of the text not yet encoded
  const auto flush = [&](qsizetype end) {
    if (end > run) out += QStringView(path).sliced(run, end - run).toUtf8();
  };
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t u = path[i].unicode();
    // Only a lone low surrogate in the escape range is a byte: a real pair
    // (a high surrogate before it) stays a character.
    const bool paired = i > 0 && path[i - 1].isHighSurrogate();
    if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF && !paired) {
      flush(i);
      out += static_cast<char>(u - kEscapeBase);
      run = i + 1;
    }
  }
  flush(path.size());
  return out;
}

QString AbsolutePath(const QString& path) {
  if (path.startsWith(QLatin1Char('/'))) return QDir::cleanPath(path);
  char* cwd = ::getcwd(nullptr, 0);
  const QString folder = cwd != nullptr ? PathFromNative(QByteArrayView(cwd)) : QString();
  std::free(cwd);
  return QDir::cleanPath(folder + QLatin1Char('/') + path);
}

QStringList NativeArguments(int argc, const char* const* argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << PathFromNative(QByteArrayView(argv[i]));
  return args;
}

bool IsNativeFile(const QString& path) {
  struct stat st {};
  return ::stat(NativePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsSameNativeFile(const QString& a, const QString& b) {
  struct stat sa {}, sb {};
  return ::stat(NativePath(a).constData(), &sa) == 0 && ::stat(NativePath(b).constData(), &sb) == 0 &&
         sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace mw::platform
