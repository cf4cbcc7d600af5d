#include "font_config_preload.h"

#include <fontconfig/fontconfig.h>

字体配置预读::字体配置预读() : m_线程([] { FcInit(); })
{
}
