#include "font_config_preload.h"

// Windows keeps its font list in the system: nothing to read ahead.
字体配置预读::字体配置预读() = default;
