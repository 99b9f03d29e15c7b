// The graph window (Form6): a line graph of one or two schedule items over time, the data
// panel with each line's first and last value, and the crossover report of two-line graphs.
#pragma once

#include <QImage>

#include <string>

#include "windowkit/child_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class QCategoryAxis;
class QChartView;
class QValueAxis;

namespace hl {

struct GraphData;

class GraphWindow : public ChildWindow {
    Q_OBJECT
  public:
    /// An empty graph with the crossover panel hidden; the callers draw into it.
    explicit GraphWindow(AppContext& context, QWidget* parent = nullptr);

    /// The two-line graph of the schedule file "$$temp.bin" as it stands in the working
    /// folder: line 1 the principal repaid to date, line 2 the interest paid to date, with the
    /// titles and legends given, the data panel and the crossover report. The schedule window
    /// and the refinance analysis (which writes its own points into the file) call it.
    void DrawTwoLineGraph(const std::string& title, const std::string& bottomTitle,
                          const std::string& leftTitle, const std::string& legend1,
                          const std::string& legend2);

    /// Draws a graph already built: its lines, date labels, titles and legends, and fills the
    /// panels (the crossover panel only for two lines).
    void DrawGraph(const GraphData& graph);

    /// The graph as a picture, for the clipboard and printing.
    QImage GraphPicture() const;
    ClipboardContent CopyContent() const override { return {{}, GraphPicture()}; }
    /// The scenario's header over the graph, drawn three times as fine as on the screen.
    PrintOut PrintForm() const override;

  private:
    void BuildControls();
    void Command1Click();

    QChartView* Graph1;    ///< the line graph
    QLineEdit* Text1;      ///< line 1's legend
    QLineEdit* Text2;      ///< line 1's first value, dollars
    QLineEdit* Text3;      ///< line 1's last value, dollars
    QLineEdit* Text4;      ///< line 2's legend
    QLineEdit* Text5;      ///< line 2's first value, dollars
    QLineEdit* Text6;      ///< line 2's last value, dollars
    QFrame* Shape2;        ///< the crossover panel
    QLineEdit* Text7;      ///< "No Crossover", the crossover date or "Multiple points"
    QLineEdit* Text8;      ///< "X over point:", shown at a single crossover
    QLineEdit* Text9;      ///< line 1's value at the single crossover point, dollars
    QPushButton* Command1; ///< "Close"

    QCategoryAxis* xAxis_; ///< dates along the bottom, owned by the chart
    QValueAxis* yAxis_;    ///< dollars up the left, owned by the chart
};

/// Shows the graph window through the main window (opening it when it is closed) and returns
/// it for drawing; nullptr when the host has no graph window.
GraphWindow* ShowGraphWindow(WindowHost& host);

} // namespace hl
