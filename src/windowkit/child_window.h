// The base of every child window of the main window: its id and context, its place in twips,
// the focus and key rules of its boxes, the tool tip hidden on mouse movement, and its state
// saved when it closes as the active child.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <string>

#include "core/calc_message.h"
#include "windowkit/app_context.h"
#include "windowkit/box_events.h"
#include "windowkit/print_out.h"
#include "windowkit/window_id.h"

class QLineEdit;

namespace hl {

/// What Copy puts on the clipboard: a picture when there is one, else the text.
struct ClipboardContent {
    std::string text;
    QImage picture;
};

class ChildWindow : public QWidget {
    Q_OBJECT
  public:
    /// The objectName is the id's name ("Form2"); `caption` is the title.
    ChildWindow(AppContext& context, WindowId id, const QString& caption,
                QWidget* parent = nullptr);

    WindowId Id() const { return id_; }

    /// Size and place of the window in twips, its frame included (the main window gives the
    /// frame that place).
    void PlaceInTwips(int left, int top, int width, int height);
    /// Size and place in twips as the window asked for them.
    QRect PlaceAsked() const { return placeAsked_; }

    /// Closes the window with its frame, as its Close button does.
    void Unload();

    /// Tool windows write their working file here. Save calls it for every open window that
    /// has a working file, so that a saved study holds what the window shows; closing calls it
    /// when the window is the active child (a window closed by the result-window reset keeps its
    /// file as it was).
    virtual void SaveState() {}
    /// The window became the active child.
    virtual void Activated() {}
    /// A command is about to read the study: the box the user is still in is checked and stored
    /// as leaving it would. False when the check refused the value (the command must not run).
    virtual bool FinishPendingEdit() { return events_.FinishPending(true); }
    /// The scenario or its payment changes changed while the window stayed open: a window that
    /// lists them shows them again.
    virtual void StudyChanged() {}
    /// What Copy takes from the window (the selected cells, or the picture).
    virtual ClipboardContent CopyContent() const { return {}; }
    /// What Print Current Form prints of the window: its report, or the message that says why
    /// there is none (by default: the window's data is printed by other windows).
    virtual PrintOut PrintForm() const {
        return PrintOut::Refused(kFormPrintWarningTitle, kNoReportPrintWarning);
    }
    /// Puts what the user typed and has not yet left (so not yet checked and stored) into a copy
    /// of the study, for the recovery copy: only a value the box would take, and asking nothing.
    virtual void AddPendingEdits(Scenario& /*scenario*/, PaymentChanges& /*changes*/) const {}

  protected:
    /// Called on every close, after SaveState.
    virtual void Unloading() {}
    /// Shows the message that refused `box`'s value: No empties the box, OK or Yes puts the
    /// user back in it to correct the value.
    void AnswerRefusal(QLineEdit* box, const calc::CalcMessage& message);
    /// The study changed: the unsaved-changes flag goes up.
    void MarkChanged() { session_.MarkChanged(); }

    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppContext& context_;
    Session& session_;
    Services& services_;
    WindowHost& host_;
    BoxEvents events_; ///< the focus and key rules of the window's boxes

  private:
    WindowId id_;
    QRect placeAsked_;
};

} // namespace hl
