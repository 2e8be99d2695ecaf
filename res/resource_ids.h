// Numbers of the executable's resources, shared by the resource script and the code.
#pragma once

#define IDI_VELMORA 1
#define IDB_SPLASH 100
#define IDB_MENU_PICTURES 101
#define IDR_BACKGROUND 200
#define IDR_TRAY_ICON 201
#define IDR_PRODUCT 202

// The own-recipe windows.
#define IDB_ADD_RECIPE_PICTURE 110
#define IDB_ADD_BUTTON 111
#define IDB_ADD_RECIPE_MENU 112
#define IDB_MY_RECIPES_MENU 113
#define IDR_ADD_RECIPE_BACKGROUND 210
#define IDR_MY_RECIPES_BACKGROUND 211

#define VELMORA_VERSION_TEXT "1.02"
