// The core's view of the MainWindow: its controls, its popups and panels, the
// error box and the clock.
#pragma once

#include "platform/platform.h"

class Win32Platform : public Platform {
public:
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
