#include "fake_platform.h"

std::int64_t FakePlatform::currentTime() {
    calls.push_back("time");
    return clock;
}

void FakePlatform::showError(const std::string& text, const std::string& caption) {
    calls.push_back("error " + text + "|" + caption);
}

void FakePlatform::setControlText(int id, const std::string& text) {
    calls.push_back("set " + std::to_string(id) + " " + text);
    controls[id] = text;
}

std::string FakePlatform::controlText(int id, int bufferSize) {
    calls.push_back("get " + std::to_string(id) + " " + std::to_string(bufferSize));
    // WM_GETTEXT copies at most bufferSize - 1 characters and a terminator.
    return controls[id].substr(0, static_cast<std::size_t>(bufferSize - 1));
}

void FakePlatform::setProgressRange(int upper) {
    calls.push_back("range " + std::to_string(upper));
}

void FakePlatform::setProgressPosition(int position) {
    calls.push_back("position " + std::to_string(position));
}

void FakePlatform::setFocus(int id) {
    calls.push_back("focus " + std::to_string(id));
}

void FakePlatform::switchTestControls(bool show) {
    calls.push_back(show ? "show controls" : "hide controls");
}

void FakePlatform::openResultsPanel() {
    calls.push_back("results");
    if (onResultsPanel) {
        onResultsPanel();
    }
}

void FakePlatform::showCorrectPopup() {
    calls.push_back("correct popup");
    if (onCorrectPopup) {
        onCorrectPopup();
    }
}

void FakePlatform::showWrongPopup() {
    calls.push_back("wrong popup");
    if (onWrongPopup) {
        onWrongPopup();
    }
}
