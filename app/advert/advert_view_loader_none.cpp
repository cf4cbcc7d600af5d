#include "advert_view_loader.h"

// This build has no web engine: the strip shows the program's own banner.
namespace 广告网页 {

bool 可用()
{
    return false;
}

QWidget* 建立(QWidget*)
{
    return nullptr;
}

}  // namespace 广告网页
