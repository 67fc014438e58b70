// Photos and the background picture.
#include <QDir>

#include "model/vaspo.h"

QString Vaspo::DateStamp() const
{
    return clock_.Now().date().toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral(" 飼育日数: ") +
           QString::number(DaysKept()) + QStringLiteral("日");
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
