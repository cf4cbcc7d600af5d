#pragma once

// The maker's web server: the advert page shown in the launcher's strip and the
// update list handed to the updater library. Built in, never configured.
inline constexpr char 广告页地址[] = "http://www.vettora.cn/softs/vettora/gg.html";
inline constexpr char 更新列表地址[] = "http://www.vettora.cn/softs/vettora/update.txt";
