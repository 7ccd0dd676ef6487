// The base of every UI test: a fresh folder, kalvena.exe started in it, and the steps of using
// it that many tests share.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "harness/fixtures.h"
#include "harness/program.h"
#include "harness/screen.h"
#include "harness/user.h"
#include "harness/wait.h"
#include "harness/windows_seen.h"
#include "resource.h"

// Colours that the user sees, as COLORREF.
inline constexpr COLORREF windowGrey = RGB(230, 230, 230);
inline constexpr COLORREF black = RGB(0, 0, 0);

class UiTest : public ::testing::Test {
protected:
    // After a failure, tells what the program showed at the end.
    void TearDown() override;

    // Verb files and settings go into the folder before the program starts.
    void putVerbs(const std::wstring& fileName = L"medium.dat",
                  const std::vector<Verb>& verbs = everydayVerbs());
    void putSettings(const std::string& bytes);
    std::optional<std::string> settingsFile() const { return dir.read(L"settings.cfg"); }

    // Starts the program and waits for its MainWindow.
    void start(const std::vector<std::wstring>& environment = {});
    // Starts the program for a run that ends before a MainWindow is shown.
    void startWithoutWindow();
    // "Konec", answered Yes: the program must end with exit code 0.
    void quit();

    HWND control(int id) const { return controlOf(main, id); }
    std::wstring text(int id) const { return textOf(main, id); }
    bool shown(int id) const { return isShown(control(id)); }
    bool enabled(int id) const { return isEnabled(control(id)); }
    HWND focus() const { return focusOf(*program); }

    // Clicks a command button of the MainWindow and waits for the message box it asks with.
    MessageBoxSeen commandAsking(int id);
    // "Nový test": waits until the first verb is asked.
    void startTest();
    // "Ukončit test" answered Yes: waits for the ResultsPanel.
    void endTestEarly();

    // The verb whose meaning the MainWindow shows; throws when it is none of the test's verbs.
    const Verb& askedVerb() const;
    // Types the three forms into the edit boxes 1002, 1003 and 1004.
    void typeForms(const std::wstring& infinitive, const std::wstring& pastSimple,
                   const std::wstring& pastParticiple);
    // Enter in the edit box that has the focus; returns the popup that answers it, "Správně" or
    // "Chyba", in word.
    HWND confirmWithEnter(std::wstring& word);
    // One whole answer: the right or a wrong one typed, Enter, the popup seen and gone (the
    // CorrectPopup by itself, the WrongPopup by Enter), and the next verb drawn or the test
    // ended.
    void answerRight();
    void answerWrong();
    // After a popup has gone: waits until the figures show one more answer and the program has
    // asked the next verb or ended the test.
    void waitForNextStep(const std::wstring& remainingBefore);

    // The MainWindow's figures: right, wrong, remaining, right %, wrong %.
    std::vector<std::wstring> figures() const;
    // The ResultsPanel's figures: asked, right, wrong, right %, wrong %.
    std::vector<std::wstring> resultFigures(HWND resultsPanel) const;

    // Which of the controls of the test area the user sees.
    std::vector<int> shownTestControls() const;

    WorkDir dir;
    // Every verb put into a verb file of this test, to know them by their meanings.
    std::vector<Verb> knownVerbs;
    std::unique_ptr<Program> program;
    HWND main = nullptr;
};

// The sixteen controls that are shown only while a test runs.
const std::vector<int>& testControlIds();
