#pragma once

#include <QString>

#include <cstdint>

// Everything that lives once per process: the references through which the windows
// reach each other, and the little state that several windows share. Nothing else in the
// program is global.

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm8;
class TForm9;
class TimedTestRegistration;

// One reference per window, set when the window is created, valid until the end.
extern TForm1* Form1; // timed test; owns the data objects
extern TForm2* Form2; // settings
extern TForm3* Form3; // main window
extern TForm4* Form4; // add-question dialog
extern TForm5* Form5; // registration
extern TForm6* Form6; // splash, the application's main window
extern TForm8* Form8; // user manual
extern TForm9* Form9; // fixed test
extern TimedTestRegistration* FormTimedTestRegistration; // name and group for the timed test

// The main window's browse mode: 0 none, 1 lectures, 2 practical works, 3 laboratory works.
extern int BrowseMode;

// The pseudo-random generator's state: 0 at start, reseeded only by the timed test.
extern uint32_t RandSeed;

// The student's name and group for the timed test's result record.
extern QString TimedTestFio;
extern QString TimedTestGruppa;
