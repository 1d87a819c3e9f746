#pragma once

#include <QString>

namespace obzorka::store {

// A file name from outside (the server, a stored record) that may be joined to a folder: no
// path separator, no "..", no drive letter, no control character, not "." itself. Anything
// else is never written, read or shown.
inline bool isPlainName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

} // namespace obzorka::store
