#include "harness/ui_test.h"

#include <stdexcept>

void UiTest::TearDown() {
    if (HasFailure() && program && !program->hasExited()) {
        std::cout << "At the end: " << describeWindows(*program) << "\n";
    }
}

void UiTest::putVerbs(const std::wstring& fileName, const std::vector<Verb>& verbs) {
    dir.write(fileName, verbFile(verbs));
    knownVerbs.insert(knownVerbs.end(), verbs.begin(), verbs.end());
}

void UiTest::putSettings(const std::string& bytes) {
    dir.write(L"settings.cfg", bytes);
}

void UiTest::start(const std::vector<std::wstring>& environment) {
    program = std::make_unique<Program>(dir.path(), environment);
    main = program->waitForMainWindow();
    settle(main);
}

void UiTest::startWithoutWindow() {
    program = std::make_unique<Program>(dir.path());
}

void UiTest::quit() {
    const auto box = commandAsking(IDCANCEL);
    EXPECT_EQ(box.text, L"Určitě chcete program ukončit?");
    answer(box, IDYES);
    const auto exitCode = program->waitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end after Yes";
    EXPECT_EQ(*exitCode, 0u);
}

MessageBoxSeen UiTest::commandAsking(int id) {
    click(control(id));
    return waitForMessageBox(*program);
}

void UiTest::startTest() {
    click(control(IDC_NEW_TEST));
    if (!waitUntil([&] { return !text(IDC_MEANING).empty() && shown(IDC_MEANING); })) {
        throw std::runtime_error("\"Nový test\" asked no verb");
    }
    settle(main);
}

void UiTest::endTestEarly() {
    const auto box = commandAsking(IDC_END_TEST);
    answer(box, IDYES);
    if (!waitUntil([&] { return shownPanel(main, L"Výsledek testu") != nullptr; })) {
        throw std::runtime_error("no ResultsPanel after the test was ended");
    }
}

const Verb& UiTest::askedVerb() const {
    const std::wstring meaning = text(IDC_MEANING);
    const Verb* verb = verbShownAs(knownVerbs, meaning);
    if (!verb) {
        throw std::runtime_error("the meaning shown is none of the test's verbs");
    }
    return *verb;
}

void UiTest::typeForms(const std::wstring& infinitive, const std::wstring& pastSimple,
                       const std::wstring& pastParticiple) {
    retype(control(IDC_INFINITIVE), infinitive);
    retype(control(IDC_PAST_SIMPLE), pastSimple);
    retype(control(IDC_PAST_PARTICIPLE), pastParticiple);
}

HWND UiTest::confirmWithEnter(std::wstring& word) {
    HWND focused = focus();
    if (!focused) {
        throw std::runtime_error("nothing has the focus to take the Enter key; " +
                                 describeWindows(*program));
    }
    pressKey(focused, VK_RETURN);
    HWND popup = nullptr;
    waitUntil([&] {
        for (const wchar_t* candidate : {L"Správně", L"Chyba"}) {
            if (HWND found = popupOf(*program, candidate)) {
                popup = found;
                word = candidate;
            }
        }
        return popup != nullptr;
    });
    if (!popup) {
        throw std::runtime_error("Enter brought no answer popup; " + describeWindows(*program));
    }
    return popup;
}

void UiTest::waitForNextStep(const std::wstring& remainingBefore) {
    settle(main);
    const int remaining = std::stoi(remainingBefore) - 1;
    if (!waitUntil([&] { return text(IDC_REMAINING) == std::to_wstring(remaining); })) {
        throw std::runtime_error("the remaining verbs did not count down");
    }
    if (remaining > 0) {
        if (!waitUntil([&] {
                return text(IDC_INFINITIVE).empty() && text(IDC_PAST_SIMPLE).empty() &&
                       text(IDC_PAST_PARTICIPLE).empty();
            })) {
            throw std::runtime_error("the edit boxes were not emptied for the next verb");
        }
    } else if (!waitUntil([&] { return shownPanel(main, L"Výsledek testu") != nullptr; })) {
        throw std::runtime_error("no ResultsPanel after the last answer");
    }
    settle(main);
}

void UiTest::answerRight() {
    const Verb& verb = askedVerb();
    const std::wstring remainingBefore = text(IDC_REMAINING);
    typeForms(verb.infinitive, verb.pastSimple, verb.pastParticiple);
    std::wstring word;
    HWND popup = confirmWithEnter(word);
    if (word != L"Správně") {
        throw std::runtime_error("the right answer was judged wrong");
    }
    if (!waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, 5s)) {
        throw std::runtime_error("the CorrectPopup did not close by itself");
    }
    waitForNextStep(remainingBefore);
}

void UiTest::answerWrong() {
    const std::wstring remainingBefore = text(IDC_REMAINING);
    typeForms(L"wrong", L"wrong", L"wrong");
    std::wstring word;
    HWND popup = confirmWithEnter(word);
    if (word != L"Chyba") {
        throw std::runtime_error("the wrong answer was judged right");
    }
    pressKey(popup, VK_RETURN);
    if (!waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); })) {
        throw std::runtime_error("the WrongPopup did not close on Enter");
    }
    waitForNextStep(remainingBefore);
}

std::vector<std::wstring> UiTest::figures() const {
    return {text(IDC_CORRECT_COUNT), text(IDC_WRONG_COUNT), text(IDC_REMAINING),
            text(IDC_CORRECT_PERCENT), text(IDC_WRONG_PERCENT)};
}

std::vector<std::wstring> UiTest::resultFigures(HWND resultsPanel) const {
    return {textOf(resultsPanel, IDC_RESULTS_TOTAL), textOf(resultsPanel, IDC_RESULTS_CORRECT),
            textOf(resultsPanel, IDC_RESULTS_WRONG),
            textOf(resultsPanel, IDC_RESULTS_CORRECT_PERCENT),
            textOf(resultsPanel, IDC_RESULTS_WRONG_PERCENT)};
}

const std::vector<int>& testControlIds() {
    static const std::vector<int> ids = {IDC_MEANING,
                                         IDC_INFINITIVE,
                                         IDC_PAST_SIMPLE,
                                         IDC_PAST_PARTICIPLE,
                                         IDC_CONFIRM,
                                         IDC_CORRECT_LABEL,
                                         IDC_CORRECT_COUNT,
                                         IDC_WRONG_LABEL,
                                         IDC_WRONG_COUNT,
                                         IDC_REMAINING_LABEL,
                                         IDC_REMAINING,
                                         IDC_CORRECT_PERCENT,
                                         IDC_CORRECT_PERCENT_SIGN,
                                         IDC_WRONG_PERCENT,
                                         IDC_WRONG_PERCENT_SIGN,
                                         IDC_PROGRESS};
    return ids;
}

std::vector<int> UiTest::shownTestControls() const {
    std::vector<int> seen;
    for (int id : testControlIds()) {
        if (shown(id)) {
            seen.push_back(id);
        }
    }
    return seen;
}
