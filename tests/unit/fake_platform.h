// A Platform that records every request of the core, in order, as one line
// of text each, and keeps the control texts a window would hold.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

class FakePlatform : public Platform {
public:
    std::int64_t clock = 1700000000;
    // "time", "error <text>|<caption>", "set <id> <text>", "get <id> <size>",
    // "range <upper>", "position <pos>", "focus <id>", "show controls",
    // "hide controls", "results", "correct popup", "wrong popup".
    std::vector<std::string> calls;
    // The texts of the controls, as set by the core or typed by a test.
    std::map<int, std::string> controls;
    // Run while the popup or the panel is open, to look at the state then.
    std::function<void()> onCorrectPopup;
    std::function<void()> onWrongPopup;
    std::function<void()> onResultsPanel;

    std::int64_t currentTime() override;
    void showError(const std::string& text, const std::string& caption) override;
    void setControlText(int id, const std::string& text) override;
    std::string controlText(int id, int bufferSize) override;
    void setProgressRange(int upper) override;
    void setProgressPosition(int position) override;
    void setFocus(int id) override;
    void switchTestControls(bool show) override;
    void openResultsPanel() override;
    void showCorrectPopup() override;
    void showWrongPopup() override;
};
