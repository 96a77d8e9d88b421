// The Project menu's commands on the main screen: About, Load, Save, Save As, Quit and Help.
#pragma once

// Acts on g_project_command when one is pending and clears it.
void serve_project_command();
