// The base of every child window of the main window: its context, its place in twips, the tool
// tip hidden on mouse movement, and its state saved when it closes as the active child.
#pragma once

#include <QWidget>

#include "windowkit/app_context.h"

namespace hl {

class ChildWindow : public QWidget {
    Q_OBJECT
public:
    /// `name` is the window's objectName ("Form2"); `caption` its title.
    ChildWindow(AppContext& context, const char* name, const QString& caption,
                QWidget* parent = nullptr);

    /// Size and place of the window in twips; the main window gives its frame that place.
    void PlaceInTwips(int left, int top, int width, int height);

    /// Writes the window's inputs to its working file now (Save does this for every open tool
    /// window, so that a study saved while a tool window is open holds what it shows).
    Q_INVOKABLE void FlushState() { SaveState(); }

protected:
    /// Tool windows write their working file here. Called when the window closes while it is
    /// the active child (a window closed by the result-window reset keeps its file as it was).
    virtual void SaveState() {}
    /// Called on every close, after SaveState.
    virtual void Unloading() {}

    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppContext& context_;
    Session& session_;
    Services& services_;
    WindowHost& host_;
};

} // namespace hl
