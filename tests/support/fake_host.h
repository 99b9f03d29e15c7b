// A main window stand-in for window tests: records what the window asked of its host.
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "windowkit/child_window.h"
#include "windowkit/window_host.h"

namespace hl::test {

class FakeHost : public WindowHost {
  public:
    ChildWindow* ActiveChild() const override {
        const auto it = open.find(active);
        return it == open.end() ? nullptr : it->second;
    }
    bool IsActive(WindowId id) const override { return active == WindowName(id); }
    ChildWindow* ShowChild(WindowId id) override {
        const std::string name = WindowName(id);
        shown.push_back(name);
        auto it = factories.find(name);
        if (it == factories.end())
            return nullptr;
        ChildWindow* w = it->second();
        if (w)
            w->show();
        return w;
    }
    void CloseChild(WindowId id) override { closed.push_back(WindowName(id)); }
    ChildWindow* FindChild(WindowId id) const override {
        auto it = open.find(WindowName(id));
        return it == open.end() ? nullptr : it->second;
    }
    void ResetResultWindows() override {
        ++resets;
        if (active == "Form2")
            for (const char* name : kResultWindowNames)
                closed.push_back(name);
    }
    void CloseResultWindows() override {
        for (const char* name : kResultWindowNames)
            closed.push_back(name);
    }
    void ReopenToolWindows() override {}
    /// As the program's host: the reset is for the input form's own changes.
    void ResetResultWindowsIfChanged() override {
        if (active == "Form2")
            ResetResultWindows();
    }
    void SaveOpenWindowStates() override { ++flushes; }
    void HideToolTip() override { ++tipHides; }
    void EndProgram() override { ++ends; }

    /// The result windows in the order the program's reset closes them.
    static constexpr const char* kResultWindowNames[] = {
        "Form6", "Form7", "Form3", "Form10", "Form8", "Form11", "Form12", "Form13", "Form15"};

    std::string active = "Form2";             ///< the active child's name
    std::vector<std::string> shown;           ///< ShowChild calls, in order
    std::vector<std::string> closed;          ///< children closed, in order
    std::map<std::string, ChildWindow*> open; ///< what FindChild answers
    /// Optional builders for ShowChild, by name.
    std::map<std::string, std::function<ChildWindow*()>> factories;
    int resets = 0;
    int flushes = 0;
    int tipHides = 0;
    int ends = 0;
};

} // namespace hl::test
