#pragma once

class QUrl;

// Opens a link of the advert page in the system's browser. A file per system.
void 在浏览器中打开(const QUrl& 地址);
