// The state of a test and the drawing of verbs.
#pragma once

#include <array>

constexpr int testListSize = 52;
constexpr int reaskedMark = 32000;

extern int askedCount;
extern int correctCount;
extern int currentVerb;
extern int testRunning;
// usedList[k]: the slot asked as question k + 1.
extern std::array<int, testListSize> usedList;
// wrongList[k - 1]: WrongList position k (1..52), the slot of the k-th wrong
// answer or reaskedMark once it has been asked again.
extern std::array<int, testListSize> wrongList;

// 0: a test has started and its first verb is asked. 1: refused, because no
// verb is loaded; nothing changed.
int startTest();
void advanceTest(bool check);
void drawNextVerb();
int isVerbNew();
void endTest();
void abortTest();

int percentCorrect();
int percentWrong();

// Shows or hides the test controls and reseeds the random generator with the
// current time.
void showTestControls(bool show);
