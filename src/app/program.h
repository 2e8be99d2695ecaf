// The program-wide references to its lasting windows, set as start-up creates them.
#pragma once

class TForm1;
class TAboutBox;
class TForm4;
class TForm2;
class TForm3;
class TForm5;

extern TForm1* Form1;
extern TAboutBox* AboutBox;
extern TForm4* Form4;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm5* Form5;
