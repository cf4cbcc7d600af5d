#pragma once

// Whether the web engine may run here: Chromium keeps its renderers in a sandbox, which
// a process of the system's administrator cannot have unless that was asked for
// (QTWEBENGINE_DISABLE_SANDBOX).
bool 网页引擎可运行();
