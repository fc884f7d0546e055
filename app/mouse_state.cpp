// The program-wide mouse state.
#include "app/mouse_state.h"

MouseStatus MouseState;
