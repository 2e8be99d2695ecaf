// The own-recipe windows' program-wide references.
#include "personal/windows.h"

TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
