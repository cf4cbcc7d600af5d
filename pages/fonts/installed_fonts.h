#pragma once

#include <QStringList>

// Which of a font's families the system has, asked of the system directly: for a family
// that Qt does not find by its name, Qt reads the names of every installed font (Windows)
// or sorts all of them by likeness (fontconfig) before it tries the next family.
namespace 已装字体 {

// The candidates the system has, in their order; all of them when it has none, so that
// Qt's own fallback still applies.
QStringList 筛选(const QStringList& 候选);

// Whether the system has a family of this name; a file per system answers.
bool 已装(const QString& 字族);

}  // namespace 已装字体
