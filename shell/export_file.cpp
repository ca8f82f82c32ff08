#include "shell/export_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace shell {

bool writeWhole(const QString& file, const QByteArray& bytes, QString* why)
{
    const auto failed = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (QFileInfo(file).isDir())
        return failed(QStringLiteral("é uma pasta"));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return failed(out.errorString());
    // A write the system cuts short (the file reached the size it allows) reports no error of
    // its own: the rest is written again until the system says why it takes no more.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 wrote = out.write(bytes.constData() + done, bytes.size() - done);
        if (wrote <= 0)
            return failed(out.errorString());
        done += wrote;
    }
    // What is still buffered is written now, so that a full disk is seen before the file
    // takes the target's place.
    if (!out.flush() || out.error() != QFileDevice::NoError)
        return failed(out.errorString());
    if (!out.commit())
        return failed(out.errorString());
    return true;
}

}  // namespace shell
