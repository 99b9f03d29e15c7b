// What Print Current Form gets from a window: its report's pages with the pictures they name, or
// the message that says why the window prints nothing.
#pragma once

#include <QImage>
#include <QtGlobal>
#include <optional>
#include <string>
#include <vector>

#include "print/page.h"

namespace hl {

/// The message shown instead of printing. The texts below are given in English and shown through
/// QCoreApplication::translate("PrintOut", ...) as the message goes out (PrintOrRefuse).
struct PrintRefusal {
    std::string title;
    std::string text;
};

struct PrintOut {
    Report pages;
    /// The pictures the pages place, picture i under the handle i + 1.
    std::vector<QImage> pictures;
    /// Set when nothing is printed.
    std::optional<PrintRefusal> refusal;

    static PrintOut Refused(std::string title, std::string text) {
        PrintOut out;
        out.refusal = PrintRefusal{std::move(title), std::move(text)};
        return out;
    }
    static PrintOut Printed(Report pages, std::vector<QImage> pictures = {}) {
        PrintOut out;
        out.pages = std::move(pages);
        out.pictures = std::move(pictures);
        return out;
    }
};

/// The title of the answers of windows that have no report of their own.
inline constexpr const char* kFormPrintWarningTitle =
    QT_TRANSLATE_NOOP("PrintOut", "Form Print Warning...");
/// The input form's answer: its figures head every other report.
inline constexpr const char* kInputFormPrintWarning =
    QT_TRANSLATE_NOOP("PrintOut", "Warning - this form cannot be printed on it's own.\r"
                                  "It is printed as a header on all other printable forms.");
/// The answer of the other windows without a report.
inline constexpr const char* kNoReportPrintWarning =
    QT_TRANSLATE_NOOP("PrintOut", "Warning - this form cannot be printed on it's own.\r"
                                  "This data is contained in other printable forms.");

/// The message of a tool window whose results are not calculated yet, under one of the titles
/// below.
inline constexpr const char* kNotCalculatedPrintText = QT_TRANSLATE_NOOP(
    "PrintOut",
    "Error, the form must contain data and have been calculated before it can be printed.");
/// The titles of the messages of a tool window whose results are not calculated yet.
inline constexpr const char* kPrintTrapTitle = QT_TRANSLATE_NOOP("PrintOut", "Mtge Print Trap");
inline constexpr const char* kPrintWarningTrapTitle =
    QT_TRANSLATE_NOOP("PrintOut", "Mtge - Print Warning Trap");
inline constexpr const char* kPrintErrorTrapTitle =
    QT_TRANSLATE_NOOP("PrintOut", "Hearthline - Print Error Trap");

} // namespace hl
