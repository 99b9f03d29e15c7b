// The refinance search window (Form12): for each discharge date, the highest new rate at which
// a rewrite still saves money, found by a search that runs beside the window so that it stays
// responsive and can be stopped at once.
#pragma once

#include <QString>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/refinance_search.h"
#include "windowkit/child_window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace hl {

class RefinanceSearchWindow : public ChildWindow {
    Q_OBJECT
  public:
    explicit RefinanceSearchWindow(AppContext& context, QWidget* parent = nullptr);
    ~RefinanceSearchWindow() override;

    // Event handlers, public so that tests can run them where the focus cannot move.
    void Text1LostFocus(); ///< date check; the table is emptied
    void Text2LostFocus(); ///< interest rate cap check; the table is emptied
    void Command2Click();  ///< Calculate: starts the search
    void Command3Click();  ///< Stop Calculation
    void Command1Click();  ///< Close

    bool Searching() const { return worker_ != nullptr; }
    ClipboardContent CopyContent() const override;
    /// "Refinace Study - Solve Both" from the inputs, the choices and the table; refused while
    /// the table is empty or a search still fills it.
    PrintOut PrintForm() const override;

    QLabel* Label1;        ///< "Purpose:"
    QLabel* Label2;        ///< the purpose line
    QLabel* Label3;        ///< "Begin study at Discharge Date:"
    QLineEdit* Text1;      ///< first discharge date
    QLabel* Label4;        ///< "Interest Rate Cap:"
    QLineEdit* Text2;      ///< interest rate cap, annual per cent
    QLabel* Label5;        ///< "Additional Costs:"
    QLineEdit* Text3;      ///< additional costs, dollars
    QGroupBox* Frame2;     ///< " Solve For "
    QRadioButton* Option4; ///< "Date and Interest Rate"
    QRadioButton* Option5; ///< "Date only (fixed interest rate)"
    QRadioButton* Option6; ///< "Interest Rate only (fixed date)"
    QGroupBox* Frame1;     ///< " Penalty to Apply"
    QRadioButton* Option1; ///< "Calculated Scenario Method"
    QRadioButton* Option2; ///< "Future Value Method"
    QRadioButton* Option3; ///< "Acc. Interest Method"
    QCheckBox* Check1;     ///< "Apply CMHC 3 year rule:"
    QLabel* Label10;       ///< what the rule means
    QLabel* Label7;        ///< "Checking Date:"
    QLineEdit* Text4;      ///< the date being examined
    QLabel* Label9;        ///< "for interest rate:"
    QLineEdit* Text5;      ///< the rate being tried
    QLabel* Label8;        ///< "Discharge BF:"
    QLineEdit* Text6;      ///< the current loan's balance at the end of the term
    QLabel* Label6;        ///< payment changes are processed until the discharge date
    QTableWidget* Grid1;   ///< the rows found
    QPushButton* Command2; ///< "Calculate"
    QPushButton* Command3; ///< "Stop Calculation", in Calculate's place while searching
    QPushButton* Command1; ///< "Close"

  protected:
    void SaveState() override;
    void closeEvent(QCloseEvent* event) override;

  private:
    /// What the search hands over to the window; shared with the search's thread.
    struct Mailbox {
        std::mutex lock;
        std::vector<analysis::SearchRow> rows;
        std::optional<analysis::SearchProgress> progress;
        std::optional<analysis::SearchOutcome> outcome; ///< set when the search has ended
        std::atomic<bool> stop{false};
    };

    void BuildControls();
    void Connect();
    void Restore();
    analysis::SearchInputs Inputs() const;
    void ClearTable();
    void SetSearching(bool searching);
    /// Shows what the search handed over since the last look; ends the search when it is done.
    void Collect();
    void Finish(const analysis::SearchOutcome& outcome);
    /// Waits for the search's thread to end (asking it to stop first when `stop`).
    void JoinWorker(bool stop);

    std::shared_ptr<Mailbox> mailbox_;
    std::unique_ptr<std::thread> worker_;
    QTimer* collector_ = nullptr;
    QString text1Checked_; ///< the date text the last check or search left: the rows' date
    QString text2Checked_; ///< the cap text the last check or search left
};

} // namespace hl
