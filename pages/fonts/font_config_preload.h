#pragma once

#include <thread>

// The system's font configuration read on a thread of its own while the application object
// connects to the desktop. Fontconfig reads its configuration files and the caches of all
// installed fonts the first time anything asks for a font, some milliseconds of the
// launcher's start that need not wait for the desktop.
class 字体配置预读 {
public:
    字体配置预读();
    ~字体配置预读() { 等待(); }
    字体配置预读(const 字体配置预读&) = delete;
    字体配置预读& operator=(const 字体配置预读&) = delete;

    // Before anything of the program asks for a font.
    void 等待()
    {
        if (m_线程.joinable()) m_线程.join();
    }

private:
    std::thread m_线程;
};
