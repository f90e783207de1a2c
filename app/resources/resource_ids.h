#pragma once
// Resource identifiers shared by the resource script and the code.
#define IDI_SORVANE 1
#define IDI_TRAY_IDLE 101
#define IDI_TRAY_BUSY 102
