// The program-wide references to the two own-recipe windows, set as start-up creates them. Each
// window shows the other through them (an add shows the my-recipes window, the my-recipes window's
// add item shows the add-recipe window); what the windows list they learn from the store.
#pragma once

class TForm4;
class TForm5;

extern TForm4* Form4;
extern TForm5* Form5;
