// A main window stand-in for window tests: records what the window asked of its host.
#pragma once

#include <QWidget>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "windowkit/window_host.h"

namespace hl::test {

class FakeHost : public WindowHost {
public:
    std::string ActiveChildName() const override { return active; }
    QWidget* ShowChild(const std::string& name) override {
        shown.push_back(name);
        auto it = factories.find(name);
        if (it == factories.end()) return nullptr;
        QWidget* w = it->second();
        if (w) {
            w->setObjectName(QString::fromStdString(name));
            w->show();
        }
        return w;
    }
    void CloseChild(const std::string& name) override { closed.push_back(name); }
    QWidget* FindChild(const std::string& name) const override {
        auto it = open.find(name);
        return it == open.end() ? nullptr : it->second;
    }
    void ResetResultWindows() override {
        ++resets;
        if (active == "Form2")
            for (const char* name : kResultWindows) closed.push_back(name);
    }
    void HideToolTip() override { ++tipHides; }
    void EndProgram() override { ++ends; }

    std::string active = "Form2";      ///< what ActiveChildName answers
    std::vector<std::string> shown;    ///< ShowChild calls, in order
    std::vector<std::string> closed;   ///< children closed, in order
    std::map<std::string, QWidget*> open; ///< what FindChild answers
    /// Optional builders for ShowChild, by name.
    std::map<std::string, std::function<QWidget*()>> factories;
    int resets = 0;
    int tipHides = 0;
    int ends = 0;
};

} // namespace hl::test
