// The width a date box needs for every month's name in the program's language.
#pragma once

#include <QFontMetrics>
#include <QString>

#include "core/day_number.h"
#include "core/format.h"

namespace hl {

/// The widest of `sample` and the dates of the twelve months in `pattern` ("mmm d, yyyy"), as
/// `metrics` draws them: French month names ("févr.", "sept.") run wider than the English ones.
inline QString WidestDateText(const QFontMetrics& metrics, const QString& sample,
                              const char* pattern) {
    QString widest = sample;
    for (int month = 1; month <= 12; ++month) {
        const QString date =
            QString::fromStdString(FormatDate(DayFromCivil(2000, month, 28), pattern));
        if (metrics.horizontalAdvance(date) > metrics.horizontalAdvance(widest))
            widest = date;
    }
    return widest;
}

/// The width of WidestDateText.
inline int WidestDate(const QFontMetrics& metrics, const QString& sample, const char* pattern) {
    return metrics.horizontalAdvance(WidestDateText(metrics, sample, pattern));
}

} // namespace hl
