#include "measured_rate.h"

#include <cmath>

#include "numeric_text.h"
#include "whole_points.h"

namespace ranktally {

MeasuredRate MeasureRate(const RateReadings& readings, std::string_view decimalSeparator) {
    const WholePointsReading first = ReadWholePoints(readings.first, decimalSeparator);
    const WholePointsReading second = ReadWholePoints(readings.second, decimalSeparator);
    const DecimalReading minutes = ReadDecimal(readings.minutes, decimalSeparator);
    // A percent is no count of points: it says nothing of how many were earned.
    const auto noteOf = [](const WholePointsReading& reading) {
        return reading.percentBillionths ? std::string(Translated(kReadingInPoints)) : reading.note;
    };
    // A reading with no number in it, read as 0, would make a typing slip a rate.
    const auto points = [](const WholePointsReading& reading) {
        return reading.number && !reading.percentBillionths;
    };
    MeasuredRate rate;
    rate.firstNote = noteOf(first);
    rate.secondNote = noteOf(second);
    rate.minutesNote = minutes.note;
    if (!points(first) || !points(second) || !(minutes.value > 0)) {
        return rate;
    }
    if (second.points < first.points) {
        rate.note = Translated(kReadingsWithinOneLevel);
        return rate;
    }
    const double perHour = (second.points - first.points) / minutes.value * 60;
    if (!std::isfinite(perHour)) {
        return rate;
    }
    rate.pointsPerHour = FormatGeneral(perHour, decimalSeparator);
    if (const double whole = std::floor(perHour + 0.5); whole >= 1) {
        rate.wholePointsPerHour = FormatGeneral(whole, decimalSeparator);
    }
    return rate;
}

}  // namespace ranktally
