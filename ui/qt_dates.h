#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include "civil_date.h"
#include "plan.h"

namespace ranktally {

inline QDate ToQDate(const CivilDate& date) {
    return {date.year, date.month, date.day};
}

// The day a level is reached in the locale's format, or the text that stands in its place.
inline QString DateText(const Arrival& arrival, const QLocale& locale, QLocale::FormatType format) {
    return arrival.date ? locale.toString(ToQDate(*arrival.date), format)
                        : QString::fromStdString(arrival.text);
}

}  // namespace ranktally
