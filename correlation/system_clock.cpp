#include "system_clock.h"

#include <QDateTime>

namespace px {

namespace {
// The noisy curve reads the clock before each of its 10 000 points, so a reading must be cheap: the time since the
// epoch is, the conversion to local time is not.  The offset of local time from UTC is taken afresh once a second.
class SystemTimeOfDay : public TimeOfDay {
public:
    float seconds() override {
        constexpr qint64 kDay = 86400000;
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (now / 1000 != second_) {
            second_ = now / 1000;
            offset_ = static_cast<qint64>(QDateTime::fromMSecsSinceEpoch(now).offsetFromUtc()) * 1000;
        }
        const qint64 local = ((now + offset_) % kDay + kDay) % kDay;
        return static_cast<float>(static_cast<double>(local) / 1000.0);
    }

private:
    qint64 second_ = -1;
    qint64 offset_ = 0;
};
}  // namespace

std::unique_ptr<TimeOfDay> systemTimeOfDay() { return std::make_unique<SystemTimeOfDay>(); }

}  // namespace px
