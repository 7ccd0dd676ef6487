#include "harness/wait.h"

#include <windows.h>

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return condition();
        }
        Sleep(20);
    }
    return true;
}

void pause(std::chrono::milliseconds duration) {
    Sleep(static_cast<DWORD>(duration.count()));
}
