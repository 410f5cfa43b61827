#pragma once

// The program's icon: the system's screen-saver settings and the window class show it.
#define IDI_TENUKIRO 128
// The display name under which the system's screen-saver list shows the program.
#define IDS_DESCRIPTION 1
