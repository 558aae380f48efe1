#include "app/shell/SystemClock.h"

#include "app/shell/QtConversions.h"

#include <QDate>
#include <QTime>

namespace tavolim::app {

std::chrono::year_month_day SystemClock::today() const
{
    return toYmd(QDate::currentDate());
}

std::chrono::minutes SystemClock::timeOfDay() const
{
    const QTime now = QTime::currentTime();
    return std::chrono::hours{now.hour()} + std::chrono::minutes{now.minute()};
}

} // namespace tavolim::app
