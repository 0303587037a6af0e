#pragma once

#include <QString>

// The values of the run flags that the loops read while they run and that
// Pause, Stop and the windows' close boxes change.
namespace runflag {

inline const QString Go = QStringLiteral("GO");
inline const QString Pause = QStringLiteral("PAUSE");
inline const QString Stop = QStringLiteral("STOP");

}  // namespace runflag
