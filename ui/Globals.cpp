#include "ui/Globals.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TimedTestRegistration* FormTimedTestRegistration = nullptr;

int BrowseMode = 0;
uint32_t RandSeed = 0;
QString TimedTestFio;
QString TimedTestGruppa;
