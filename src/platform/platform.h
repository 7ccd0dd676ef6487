// The one seam between the portable core and the operating system. The core
// (verb table, settings, test engine, answer checking) reaches windows, message
// boxes and the clock only through this interface: the Win32 program implements
// it with the MainWindow, the unit tests with a fake that records each call.
#pragma once

#include <cstdint>
#include <string>

class Platform {
public:
    virtual ~Platform() = default;

    // The current time in whole seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t currentTime() = 0;

    // A modal error box with no owner window and a single OK button; returns
    // once the user has closed it. Texts are Windows-1250 bytes.
    virtual void showError(const std::string& text, const std::string& caption) = 0;

    // The MainWindow's controls, by id (resources/resource.h). Texts are
    // Windows-1250 bytes.
    virtual void setControlText(int id, const std::string& text) = 0;
    // What WM_GETTEXT with a buffer of bufferSize characters gives: at most
    // bufferSize - 1 characters of the control's text.
    virtual std::string controlText(int id, int bufferSize) = 0;
    virtual void setProgressRange(int upper) = 0;  // lower bound 0
    virtual void setProgressPosition(int position) = 0;
    virtual void setFocus(int id) = 0;

    // Shows (true) or hides the sixteen test controls and enables or disables
    // the commands that depend on a running test. The random generator is
    // reseeded by the caller, showTestControls.
    virtual void switchTestControls(bool show) = 0;

    // Opens the ResultsPanel over the MainWindow.
    virtual void openResultsPanel() = 0;

    // The modal answer popups; each returns once the popup has closed.
    virtual void showCorrectPopup() = 0;
    virtual void showWrongPopup() = 0;
};

// The process-wide platform. Set once at start-up, before anything of the
// core runs.
void setPlatform(Platform* platform);
Platform& platform();
