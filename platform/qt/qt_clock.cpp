// Reads the time of day through QTime.
#include "platform/qt/qt_clock.h"

#include <QTime>

namespace gus {

TimeOfDay QtClock::localTime() const {
    const QTime t = QTime::currentTime();
    return TimeOfDay{t.hour(), t.minute(), t.second()};
}

}  // namespace gus
