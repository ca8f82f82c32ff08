#pragma once
// Writing an exported file whole or not at all.
#include <QByteArray>
#include <QString>

namespace shell {

// Writes `bytes` to `file`: beside it first, put in its place only once whole, so that a
// failure (a full disk, a file larger than the system allows) leaves an earlier file as it
// was. False, with the reason in `why`, when the file cannot be written whole.
bool writeWhole(const QString& file, const QByteArray& bytes, QString* why);

}  // namespace shell
