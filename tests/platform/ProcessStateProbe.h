#pragma once

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

// Polls until the condition holds or a generous time has passed.
inline bool Eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = std::chrono::milliseconds(10000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

// The state letter of /proc/PID/stat ('R', 'S', 'T' stopped, 'Z' zombie),
// or 0 when no such process exists.
inline char ProcessState(int pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return 0;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos || close + 2 >= line.size())
        return 0;
    return line[close + 2];
}

// Gone, or a zombie waiting for a parent that is not us.
inline bool ProcessEnded(int pid) {
    const char state = ProcessState(pid);
    return state == 0 || state == 'Z' || state == 'X';
}

// The number after "name=" in text, or -1.
inline int NumberAfter(const std::string& text, const std::string& name) {
    const std::size_t at = text.find(name + "=");
    if (at == std::string::npos)
        return -1;
    return std::atoi(text.c_str() + at + name.size() + 1);
}
