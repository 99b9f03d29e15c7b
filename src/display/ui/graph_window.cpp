// The graph window: Qt Charts line graph, data panel and crossover panel.
#include "display/ui/graph_window.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <utility>

#include "display/graph_data.h"
#include "engine/schedule_file.h"
#include "platform/twips.h"
#include "print/picture_reports.h"
#include "windowkit/accessible_names.h"
#include "windowkit/controls.h"

namespace hl {

namespace {

QLineEdit* Box(QWidget* parent, const char* name) { return MakeShowingBox(parent, name, 1300); }

QLabel* Caption(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The graph's one family, sans-serif, at a share of the standard size.
QFont GraphFont(double share) {
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    const double standard = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    font.setPointSizeF(standard * share);
    return font;
}

// A category axis takes each label once; months repeat when points are closer than a month
// apart, so a repeat is told apart by zero-width spaces, which draw as nothing.
QString UniqueLabel(const QString& label, QSet<QString>& used) {
    QString unique = label;
    while (used.contains(unique))
        unique += QChar(0x200B);
    used.insert(unique);
    return unique;
}

void SetText(QLineEdit* box, const std::string& text) {
    box->setText(QString::fromStdString(text));
}

} // namespace

GraphWindow::GraphWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form6, tr("Graph"), parent) {
    BuildControls();
    PlaceInTwips(40, 10, 9200, 5680);
}

void GraphWindow::BuildControls() {
    Graph1 = new QChartView(new QChart, this);
    Graph1->setObjectName(QStringLiteral("Graph1"));
    Graph1->setRenderHint(QPainter::Antialiasing);
    // A plain white picture edge to edge, as the clipboard and the printout take it.
    Graph1->setFrameShape(QFrame::NoFrame);
    Graph1->setBackgroundBrush(Qt::white);
    Graph1->chart()->setBackgroundRoundness(0);
    Graph1->chart()->setAnimationOptions(QChart::NoAnimation);
    Graph1->chart()->legend()->setAlignment(Qt::AlignRight);
    Graph1->chart()->setMargins(QMargins(Twips(30), Twips(30), Twips(30), Twips(30)));
    xAxis_ = new QCategoryAxis;
    xAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    xAxis_->setStartValue(0);
    yAxis_ = new QValueAxis;
    yAxis_->setLabelFormat(QStringLiteral("%.0f"));
    Graph1->chart()->addAxis(xAxis_, Qt::AlignBottom);
    Graph1->chart()->addAxis(yAxis_, Qt::AlignLeft);

    Text1 = Box(this, "Text1");
    Text2 = Box(this, "Text2");
    Text3 = Box(this, "Text3");
    Text4 = Box(this, "Text4");
    Text5 = Box(this, "Text5");
    Text6 = Box(this, "Text6");
    auto* data = new QGridLayout;
    data->setSpacing(Twips(30));
    data->addWidget(Caption(this, "Label1", tr("Line Label:")), 0, 0);
    data->addWidget(Caption(this, "Label2", tr("Start Point:")), 1, 0);
    data->addWidget(Caption(this, "Label3", tr("End Point:")), 2, 0);
    data->addWidget(Text1, 0, 1);
    data->addWidget(Text2, 1, 1);
    data->addWidget(Text3, 2, 1);
    data->addWidget(Text4, 0, 2);
    data->addWidget(Text5, 1, 2);
    data->addWidget(Text6, 2, 2);

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    Text7 = Box(Shape2, "Text7");
    Text8 = Box(Shape2, "Text8");
    Text8->setText(tr("X over point:"));
    Text8->setFrame(false);
    Text9 = Box(Shape2, "Text9");
    auto* crossover = new QGridLayout(Shape2);
    crossover->setContentsMargins(Twips(60), Twips(30), Twips(60), Twips(30));
    crossover->setSpacing(Twips(30));
    crossover->addWidget(Caption(Shape2, "Label4", tr("Crossover Point (if one only) Data")), 0, 0,
                         1, 2);
    crossover->addWidget(Caption(Shape2, "Label5", tr("Date of Xover:")), 1, 0);
    crossover->addWidget(Text7, 1, 1);
    crossover->addWidget(Text8, 2, 0);
    crossover->addWidget(Text9, 2, 1);
    Shape2->hide();
    // A screen reader names each box after its caption, and the line it belongs to.
    const std::pair<QWidget*, QString> captioned[] = {
        {Text1, tr("First Line Label")},   {Text2, tr("First Start Point")},
        {Text3, tr("First End Point")},    {Text4, tr("Second Line Label")},
        {Text5, tr("Second Start Point")}, {Text6, tr("Second End Point")},
        {Text7, tr("Date of Xover:")},     {Text9, tr("X over point:")}};
    for (const auto& [box, caption] : captioned)
        NameAfterCaption(box, caption);
    Text8->setAccessibleName(tr("Crossover point caption"));

    Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(data);
    bottom->addStretch(1);
    bottom->addWidget(Shape2);
    bottom->addStretch(1);
    bottom->addWidget(Command1, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(Twips(60), Twips(60), Twips(60), Twips(60));
    layout->setSpacing(Twips(60));
    layout->addWidget(Graph1, 1);
    layout->addLayout(bottom);

    connect(Command1, &QPushButton::clicked, this, &GraphWindow::Command1Click);
}

void GraphWindow::DrawTwoLineGraph(const std::string& title, const std::string& bottomTitle,
                                   const std::string& leftTitle, const std::string& legend1,
                                   const std::string& legend2) {
    BusyPointer busy(services_);
    DrawGraph(AccumulatedGraph(ReadAvailableSchedule(session_.folder),
                               TwoLineTexts{title, bottomTitle, leftTitle, legend1, legend2}));
}

void GraphWindow::DrawGraph(const GraphData& graph) {
    BusyPointer busy(services_);
    const QFont titleFont = GraphFont(1.10);
    const QFont smallFont = GraphFont(0.75);

    // The axes stay for the life of the window and are set up again for each graph: axes
    // taken out of a chart leave their drawing in the scene until the event loop runs.
    QChart* chart = Graph1->chart();
    chart->removeAllSeries();
    chart->setTitle(QString::fromStdString(graph.title));
    chart->setTitleFont(titleFont);
    chart->legend()->setFont(smallFont);

    const int points = static_cast<int>(graph.dates.size());
    QCategoryAxis* x = xAxis_;
    for (const QString& label : x->categoriesLabels())
        x->remove(label);
    x->setTitleText(QString::fromStdString(graph.bottomTitle));
    x->setTitleFont(smallFont);
    x->setLabelsFont(smallFont);
    x->setRange(1, std::max(points, 2));
    QSet<QString> used;
    for (int k : LabelPoints(points)) {
        const DayNumber date = graph.dates[static_cast<std::size_t>(k - 1)];
        x->append(UniqueLabel(QString::fromStdString(PointLabel(date)), used), k);
    }

    double low = 0.0;
    double high = 0.0;
    for (const GraphLine& line : graph.lines) {
        for (Money v : line.values) {
            low = std::min(low, static_cast<double>(v));
            high = std::max(high, static_cast<double>(v));
        }
    }
    if (high <= low)
        high = low + 1.0;
    QValueAxis* y = yAxis_;
    y->setTitleText(QString::fromStdString(graph.leftTitle));
    y->setTitleFont(smallFont);
    y->setLabelsFont(smallFont);
    y->setRange(low, high);
    y->applyNiceNumbers();

    for (const GraphLine& line : graph.lines) {
        auto* series = new QLineSeries;
        series->setName(QString::fromStdString(line.legend));
        QList<QPointF> xy;
        xy.reserve(static_cast<qsizetype>(line.values.size()));
        for (std::size_t k = 0; k < line.values.size(); ++k)
            xy.append(QPointF(static_cast<double>(k + 1), static_cast<double>(line.values[k])));
        series->replace(xy);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }

    const GraphPanel panel = PanelFor(graph);
    SetText(Text1, panel.text1);
    SetText(Text2, panel.text2);
    SetText(Text3, panel.text3);
    SetText(Text4, panel.text4);
    SetText(Text5, panel.text5);
    SetText(Text6, panel.text6);
    SetText(Text7, panel.text7);
    SetText(Text9, panel.text9);
    Text4->setVisible(panel.line2Shown);
    Text5->setVisible(panel.line2Shown);
    Text6->setVisible(panel.line2Shown);
    Shape2->setVisible(panel.crossoverShown);
    Text8->setVisible(panel.text8Shown);
    Text9->setVisible(panel.text8Shown);
}

QImage GraphWindow::GraphPicture() const { return Graph1->grab().toImage(); }

PrintOut GraphWindow::PrintForm() const {
    constexpr int kFineness = 3;
    const QSize size = Graph1->viewport()->size();
    QImage picture(size * kFineness, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The view's own render scales the scene into the picture (a widget render would not).
    Graph1->render(&painter, QRectF(picture.rect()), Graph1->viewport()->rect());
    painter.end();
    const double aspect = size.width() > 0 ? double(size.height()) / size.width() : 0.6;
    return PrintOut::Printed(GraphReport(session_.scenario, aspect), {picture});
}

void GraphWindow::Command1Click() { Unload(); }

GraphWindow* ShowGraphWindow(WindowHost& host) {
    return qobject_cast<GraphWindow*>(host.ShowChild(WindowId::Form6));
}

} // namespace hl
