#pragma once

#include <QString>

#include <array>

// The launcher's seven tiles, by control index. The index is what opens a page,
// whatever the tile's place on the screen.
struct 磁贴 {
    QString 标题;
    QString 说明;   // ends with the line breaks the form gives it
    int x;          // within Picture_底部背景
    int y;
    QString 图标;   // resource path
    bool 绿色标题;  // tiles 0 and 1 stand out in green
    int 说明高度;
    int 行;         // the tile's place in the grid, for the keyboard's reading order and arrows
    int 列;
};

const std::array<磁贴, 7>& 启动窗口磁贴();
