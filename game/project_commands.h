// The Project menu's commands on the main screen: About, Load, Save, Save As, Quit and Help.
#pragma once

#include <cstdint>

// Acts on g_project_command when one is pending and clears it.
// 1 when the command loaded another game (the caller then shows it), else 0.
int32_t serve_project_command();
