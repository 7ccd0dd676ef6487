// Waiting for the program under test, which runs in a process of its own: everything that the
// tests observe is polled, within a bound.
#pragma once

#include <chrono>
#include <functional>

using namespace std::chrono_literals;

// Polls the condition every 20 ms until it holds or the timeout has passed; returns whether it
// held in the end.
bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// Lets the given time pass. Only for checking that something does NOT happen within it.
void pause(std::chrono::milliseconds duration);
