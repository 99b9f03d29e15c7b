// The tool reports' amounts stand on their decimal points, column by column, as the summary and
// schedule pages' right-aligned fields do.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "print/compare_report.h"
#include "print/estimate_report.h"
#include "print/figure_align.h"
#include "print/refinance_report.h"

namespace hl {
namespace {

// Where the point of a placed figure stands; a figure without one is taken to end in a point.
double PointColumn(const PlacedText& t) {
    return t.column + FigureColumns(t.font, std::string_view(t.text).substr(0, t.text.find('.')));
}

// The point columns of the texts equal to `figure`, in the order placed.
std::vector<double> PointsOf(const Page& page, const std::string& figure) {
    std::vector<double> points;
    for (const PlacedText& t : page.texts)
        if (t.text == figure)
            points.push_back(PointColumn(t));
    return points;
}

TEST(FigureAlign, WidthsOfTheTwoFaces) {
    EXPECT_DOUBLE_EQ(FigureColumns({PrintFace::CourierNew, 10}, "-1234.56"), 8);
    // Arial 10: 6 digits of 0.556 em, the point 0.278 and the minus 0.333; 6 points a column.
    EXPECT_NEAR(FigureColumns({PrintFace::Arial, 10}, "-1234.56"), 3.947 * 10 / 6, 1e-9);
    // A full "######0.00" figure starts at the column itself.
    for (const PrintFace face : {PrintFace::Arial, PrintFace::CourierNew})
        EXPECT_NEAR(PointAlignedColumn({face, 10}, 40, "1234567.89"), 40, 1e-9);
}

TEST(FigureAlign, EveryColumnOfAmountsSharesItsPoint) {
    const Page estimate =
        EstimateReport({"180000.00",
                        {"1300.00", "1525.00", "0.00", "300.00", "750.00", "300.00", "400.00",
                         "1000.00", "400.00", "925.00", "1001.00"},
                        "7900.00",
                        "187900.00",
                        {"10000.00", "5.00", "33000.00"},
                        "43005.00",
                        "144895.00"})
            .front();
    const Page refinance =
        RefinanceReport({"Jan 1 1996", "Dec 1 2000", "10.000", "Jun 15, 1998", "7.000", "94511.22",
                         "2345.67", "250.00", "97106.89", "894.49", "900.00", "December 1 2000",
                         "91234.56", "90123.45", "1111.11", "-177.00", "934.11"})
            .front();
    CompareReportTexts c;
    c.one = {"102500.00",   "9.375",    "25.00",    "5.00",    "Mar, 24 1992", "Weekly",   "218.50",
             "Mar 11 1997", "75305.39", "64997.40", "3000.00", "27194.61",     "40802.79", {}};
    c.two = {"100000.00",  "10.000",   "20.00",    "5.50", "Jan 1, 1996", "Monthly",  "894.49",
             "Dec 1 2000", "95961.34", "53669.40", "0.00", "4038.66",     "49630.74", {}};
    c.balanceDifference = "-20655.95";
    c.regularDifference = "11328.00";
    c.lumpDifference = "3000.01";
    c.grossSaving = "-20655.96";
    c.netSaving = "-6327.95";
    const Page compare = CompareReport(c).front();

    struct Column {
        const char* name;
        const Page& page;
        std::vector<std::string> figures; ///< each placed once in that column
    };
    const std::vector<Column> columns = {
        {"estimate items", estimate, {"1300.00", "0.00", "1001.00", "10000.00", "5.00"}},
        {"estimate totals",
         estimate,
         {"180000.00", "7900.00", "187900.00", "43005.00", "144895.00"}},
        {"refinance values", refinance, {"94511.22", "2345.67", "250.00", "97106.89", "-177.00"}},
        // The balances' and the saving's last places.
        {"refinance conclusion", refinance, {"91234.56", "90123.45", "934.11"}},
        {"compare one", compare, {"102500.00", "9.375", "25.00", "5.00", "218.50", "3000.00"}},
        {"compare two", compare, {"100000.00", "10.000", "20.00", "5.50", "0.00", "4038.66"}},
        {"compare differences", compare, {"-20655.95", "11328.00", "3000.01"}},
        {"compare savings", compare, {"-20655.96", "-6327.95"}},
    };
    for (const Column& column : columns) {
        SCOPED_TRACE(column.name);
        std::map<double, std::string> points;
        for (const std::string& figure : column.figures) {
            const std::vector<double> at = PointsOf(column.page, figure);
            ASSERT_FALSE(at.empty()) << figure;
            points.emplace(std::round(at.back() * 1e6), figure);
        }
        EXPECT_EQ(points.size(), 1u)
            << points.begin()->second << " and " << points.rbegin()->second << " differ";
    }
}

} // namespace
} // namespace hl
