#pragma once
// The fish and its window, named like the stored values.

#include <QString>
#include <QtGlobal>

struct PetRecord {
    qint32 FormTop = 0;     // twips
    qint32 FormLeft = 0;
    qint32 FormHeight = 0;
    qint32 FormWidth = 0;
    qint32 EatFood = 0;     // day number of the latest feeding day
    qint16 EatFoods = 0;    // feedings on that day, 3 = no more
    qint16 Speed = 0;       // energy in tenths of a percent
    qint16 Stress = 0;      // -100..100
    qint32 StartDay = 0;
    QString _StartDay;      // "yyyy/mm/dd", for the history only
    QString FishName;       // empty: no fish yet
    qint16 FormMode = 0;    // 1 = stay on top
    qint32 WaterDay = 0;
    qint16 WaterConc = 0;   // clarity 1..255, 255 = clean
    qint16 Sex = 0;         // 0 male, 1 female
    qint32 LastRunDay = 0;  // last day already simulated
    QString PicFileName;
    qint16 MinTray = 0;
    qint16 AutoFoods = 0;   // feeder period in days, 0 = off
    qint32 AutoFoodDay = 0; // day the feeder was set
    qint16 Msgbox = 0;

    bool operator==(const PetRecord&) const = default;
};

namespace vaspo {
inline const QString ProgramName = QStringLiteral("ばすぽう");
inline const QString Version = QStringLiteral("0.32");
inline const QString MakeDay = QStringLiteral("2001/01/01");
inline const QString KeyPath = QStringLiteral("Software\\OSKE\\VASPO");
inline const QString KeyParent = QStringLiteral("Software\\OSKE");
inline const QString KeyName = QStringLiteral("VASPO");
inline const QString MoveFileName = QStringLiteral("VASPO.MNB");
inline const QString HistoryFileName = QStringLiteral("VASPO.HIS");
inline const QString HelpFileName = QStringLiteral("VASPO.HLP");
inline const QString AuthorMail = QStringLiteral("vaspo@example.org");
inline const QString MakerPage = QStringLiteral("https://example.org/oskepedia/");
inline const QString DownloadPage = QStringLiteral("https://example.org/oske-library/vaspo/");
}  // namespace vaspo
