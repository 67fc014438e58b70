#include "model/history_log.h"

#include <QFile>
#include <QSaveFile>

#include "storage/text_codec.h"

namespace {

bool AppendBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(bytes) == bytes.size();
}

bool ReplaceWith(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

bool AppendHistoryBlock(const QString& path, const QStringList& lines)
{
    const QString block = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QByteArray existing;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly)) {
            return false;
        }
        existing = file.readAll();
        file.close();
    }
    if (HasUtf8Bom(existing)) {
        return AppendBytes(path, block.toUtf8());
    }
    if (const auto cp932 = EncodeCp932(block)) {
        return AppendBytes(path, *cp932);
    }
    // The earlier blocks change form only when that loses nothing of them.
    if (IsCleanCp932(existing)) {
        return ReplaceWith(path, Utf8Bom + (DecodeCp932(existing) + block).toUtf8());
    }
    return AppendBytes(path, EncodeCp932Replacing(block));
}
