#pragma once
// The tools rebuilt from a kind code: the one place that knows which class each kind is.

#include "tools/tool_framework.h"

#include <memory>

// A fresh tool of a kind, as RestoreTool rebuilds it; null for the kinds that the Line command
// rebuilds instead (1, 0, 2, 7, 8, negative and every kind not listed).
std::unique_ptr<TDrawingtool> ToolOfKind(int kind);
