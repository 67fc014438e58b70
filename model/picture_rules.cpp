// Photos and the background picture.
#include <QDir>

#include "model/vaspo.h"

QString Vaspo::DateStamp() const
{
    // Drawn into the photo for the user to read, so in the interface's language.
    return tr("%1 飼育日数: %2日").arg(clock_.Now().date().toString(QStringLiteral("yyyy/MM/dd"))).arg(DaysKept());
}

QString Vaspo::PhotoPath() const
{
    return AppFolder + clock_.Now().date().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".bmp");
}

QString StoredPicturePath(const QString& chosen)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(chosen).toUpper();
#else
    return chosen;
#endif
}
