// Numbers of the executable's resources, shared by the resource script and the code.
#pragma once

#define IDI_VELMORA 1
#define IDB_SPLASH 100
#define IDB_MENU_PICTURES 101
#define IDR_BACKGROUND 200
#define IDR_TRAY_ICON 201
#define IDR_PRODUCT 202

#define VELMORA_VERSION_TEXT "1.02"
