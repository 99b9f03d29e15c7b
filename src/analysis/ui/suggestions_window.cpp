// The saving suggestions window: the list the computation gives for the rate typed.
#include "analysis/ui/suggestions_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/suggestions.h"
#include "core/box_value.h"
#include "print/suggestions_report.h"

namespace hl {

SuggestionsWindow::SuggestionsWindow(AppContext& context, QWidget* parent)
    : ChildWindow(context, WindowId::Form16, tr("$$ Saving Suggestions to Try"), parent) {
    BuildControls();
    events_.NumericOnly(Text3);
    events_.OnLostFocus(Text3, [this] { Text3LostFocus(); });
    connect(Command2, &QPushButton::clicked, this, &SuggestionsWindow::Command2Click);
    PlaceInTwips(100, 100, 9200, 5490);
    BuildList();
}

void SuggestionsWindow::BuildControls() {
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Label6 = new QLabel(tr("  Optional Input  "), Shape1);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label2 = new QLabel(tr("What is the current interest rate:"), Shape1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Text3 = new QLineEdit(Shape1);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text3->setMaximumWidth(Text3->fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 20);
    Text3->setAccessibleName(tr("What is the current interest rate"));
    Label2->setBuddy(Text3);
    Label1 = new QLabel(tr("If you know the current interest rate enter it here and "
                           "then press [RETURN].  Suggestion box will then be "
                           "updated."),
                        Shape1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    auto* input = new QGridLayout(Shape1);
    input->addWidget(Label6, 0, 0, 1, 3);
    input->addWidget(Label2, 1, 0);
    input->addWidget(Text3, 1, 1);
    input->addWidget(Label1, 1, 2);
    input->setColumnStretch(2, 1);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(tr("Saving suggestions"));
    // The items line up their continuation lines with blanks, as typed.
    List1->setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    // A line longer than the list (French runs longer) wraps rather than scrolls out of sight.
    List1->setWordWrap(true);
    List1->setResizeMode(QListView::Adjust);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Command2 = new QPushButton(tr("Quit"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Command2);
    auto* page = new QVBoxLayout(this);
    page->addWidget(Shape1);
    page->addWidget(List1, 1);
    page->addLayout(bottom);
}

void SuggestionsWindow::BuildList() {
    List1->clear();
    const Single rate = calc::BoxValue(Text3->text().toStdString()).value_or(0.0f);
    for (const std::string& item : analysis::SavingSuggestions(session_.scenario, rate))
        List1->addItem(QString::fromStdString(item));
}

void SuggestionsWindow::Text3LostFocus() { BuildList(); }

void SuggestionsWindow::StudyChanged() { BuildList(); }

void SuggestionsWindow::Command2Click() { Unload(); }

PrintOut SuggestionsWindow::PrintForm() const {
    if (List1->count() == 0)
        return PrintOut::Refused(kPrintTrapTitle, kNotCalculatedPrintText);
    std::vector<std::string> lines;
    for (int i = 0; i < List1->count(); ++i)
        lines.push_back(List1->item(i)->text().toStdString());
    return PrintOut::Printed(SuggestionsReport(lines));
}

} // namespace hl
