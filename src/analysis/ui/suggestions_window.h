// The saving suggestions window (Form16): ways to save interest on the current scenario, chosen
// by today's market rate (when the user knows it) and the payment frequency.
#pragma once

#include "windowkit/child_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace hl {

class SuggestionsWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit SuggestionsWindow(AppContext& context, QWidget* parent = nullptr);

    void Text3LostFocus(); ///< builds the list again with the rate typed
    void Command2Click();  ///< Quit
    /// The suggestions follow the scenario as it now is (edited, opened or cleared).
    void StudyChanged() override;
    /// The "Suggestion Results" report of the list as shown.
    PrintOut PrintForm() const override;

    QFrame* Shape1;        ///< frame of the optional input
    QLabel* Label6;        ///< "  Optional Input  "
    QLabel* Label2;        ///< "What is the current interest rate:"
    QLineEdit* Text3;      ///< today's market rate, annual per cent
    QLabel* Label1;        ///< how to use the box
    QListWidget* List1;    ///< the suggestions, one line each
    QPushButton* Command2; ///< "Quit"

  private:
    void BuildControls();
    void BuildList();
};

} // namespace hl
