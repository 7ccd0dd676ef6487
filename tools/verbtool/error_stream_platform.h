// The core's Platform for a command-line tool: the messages that the core
// shows in a message box are written to a stream instead. The core's loader
// uses nothing else of the platform.
#pragma once

#include <ostream>

#include "platform/platform.h"

class ErrorStreamPlatform : public Platform {
public:
    explicit ErrorStreamPlatform(std::ostream& err) : err_(err) {}

    // "<caption>: <text>", as UTF-8.
    void showError(const std::string& text, const std::string& caption) override;

    // There are no windows; these do nothing.
    std::int64_t currentTime() override { return 0; }
    void setControlText(int, const std::string&) override {}
    std::string controlText(int, int) override { return {}; }
    void setProgressRange(int) override {}
    void setProgressPosition(int) override {}
    void setFocus(int) override {}
    void switchTestControls(bool) override {}
    void openResultsPanel() override {}
    void showCorrectPopup() override {}
    void showWrongPopup() override {}

private:
    std::ostream& err_;
};
