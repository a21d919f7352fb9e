#pragma once

// Writing a file whole or not at all: the old file stays as it was until the new one
// is complete, so a full disk or a refused folder never leaves half a file behind.

#include <QString>

#include <functional>

class QIODevice;

namespace core {

// Writes through `write` (false when it could not) into a file that replaces `path`
// only once complete. Returns the empty text, or why the file was not written, as a
// French phrase ("le disque est plein").
QString saveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);

}  // namespace core
