#pragma once

#include "page_io.h"

// The system clipboard, plain text. Lines end the platform's way (Qt turns the
// line feeds into CR LF on Windows).
class 系统剪贴板 final : public 剪贴板 {
public:
    void 清空() override;
    void 放入文本(const QString& 文本) override;
};
