#pragma once

#include <QStringList>

// Which of a font's families the system has, asked of the system directly: a family that
// Qt does not find by its name makes Qt read the names of every installed font, which
// under some systems takes a good part of a second.
namespace 已装字体 {

// The candidates the system has, in their order; all of them when it has none, so that
// Qt's own fallback still applies.
QStringList 筛选(const QStringList& 候选);

}  // namespace 已装字体
