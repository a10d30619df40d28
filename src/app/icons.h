#pragma once
// The tool bar's own button pictures, drawn small and clear.

#include <QIcon>
#include <QString>

namespace voltaro {

// The icon for a tool button by its hint ("New", "Open", "Rotate", ...).
QIcon ToolIcon(const QString& hint);

}  // namespace voltaro
