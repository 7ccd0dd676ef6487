// The popups that answer each confirmed answer.
#include "harness/ui_test.h"

namespace {

constexpr COLORREF correctGreen = RGB(80, 240, 80);
constexpr COLORREF wrongPink = RGB(255, 200, 200);
constexpr COLORREF wrongRed = RGB(255, 0, 0);
constexpr COLORREF hintGrey = RGB(180, 180, 180);

class Popups : public UiTest {
protected:
    void startTenVerbTest(const std::vector<Verb>& verbs = everydayVerbs()) {
        putVerbs(L"medium.dat", verbs);
        putSettings("1011");
        start();
        startTest();
    }

    // Types a wrong answer and confirms it; returns the WrongPopup.
    HWND openWrongPopup(const std::wstring& infinitive, const std::wstring& pastSimple,
                        const std::wstring& pastParticiple) {
        typeForms(infinitive, pastSimple, pastParticiple);
        std::wstring word;
        HWND popup = confirmWithEnter(word);
        if (word != L"Chyba") {
            throw std::runtime_error("the answer was judged right");
        }
        return popup;
    }

    static bool closes(HWND popup, std::chrono::milliseconds within) {
        return waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, within);
    }
};

TEST_F(Popups, CorrectPopupClosesByItselfAfterAboutASecondWhateverTheUserDoes) {
    startTenVerbTest();
    const Verb& verb = askedVerb();
    const std::wstring remaining = text(IDC_REMAINING);
    typeForms(verb.infinitive, verb.pastSimple, verb.pastParticiple);
    std::wstring word;
    HWND popup = confirmWithEnter(word);
    const auto seen = std::chrono::steady_clock::now();
    ASSERT_EQ(word, L"Správně");
    EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
    EXPECT_FALSE(isEnabled(main)) << "the MainWindow takes input under the CorrectPopup";

    // None of these closes it, nor reaches the MainWindow.
    pressKey(keyTargetOf(*program), VK_RETURN);
    pressKey(keyTargetOf(*program), VK_ESCAPE);
    pressAltF4(keyTargetOf(*program));
    leftClickAt(popup, POINT{5, 5});
    rightClickAt(popup, POINT{5, 5});

    const Pixels background = captureClient(popup, RECT{2, 2, 8, 8});
    EXPECT_EQ(background.count(correctGreen), 36) << "the CorrectPopup is not green";

    pause(300ms - std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - seen));
    EXPECT_TRUE(IsWindow(popup) && IsWindowVisible(popup)) << "closed too early";
    EXPECT_TRUE(closes(popup, 3s)) << "still open 3 s after it appeared";
    const auto open = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - seen);
    RecordProperty("CorrectPopupSeenOpenMs", static_cast<int>(open.count()));
    std::cout << "CorrectPopup seen open for " << open.count() << " ms\n";

    waitForNextStep(remaining);
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"1", L"0", L"9", L"100", L"0"}));
    EXPECT_EQ(text(IDC_INFINITIVE), L"");
    quit();
}

TEST_F(Popups, WrongPopupClosesOnEnterEscapeAltF4AndLeftClicksOnly) {
    startTenVerbTest();
    struct Closer {
        const char* name;
        std::function<void(HWND popup)> act;
    };
    const std::vector<Closer> closers = {
        {"Enter", [&](HWND) { pressKey(keyTargetOf(*program), VK_RETURN); }},
        {"Escape", [&](HWND) { pressKey(keyTargetOf(*program), VK_ESCAPE); }},
        {"Alt+F4", [&](HWND) { pressAltF4(keyTargetOf(*program)); }},
        {"left click on the background",
         [](HWND popup) {
             leftClickAt(popup, POINT{5, 5});
         }},
        {"left click on the word Chyba",
         [](HWND popup) {
             for (HWND child = GetWindow(popup, GW_CHILD); child;
                  child = GetWindow(child, GW_HWNDNEXT)) {
                 if (textOf(child) == L"Chyba") {
                     RECT area = windowOnScreen(child);
                     POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
                     ScreenToClient(popup, &centre);
                     leftClickAt(popup, centre);
                 }
             }
         }},
    };
    int wrong = 0;
    for (const auto& closer : closers) {
        SCOPED_TRACE(closer.name);
        const std::wstring remaining = text(IDC_REMAINING);
        HWND popup = openWrongPopup(L"x", L"y", L"z");
        EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
        EXPECT_FALSE(isEnabled(main)) << "the MainWindow takes input under the WrongPopup";
        if (wrong == 0) {
            // Other keys and the right button do nothing.
            HWND keys = keyTargetOf(*program);
            pressKey(keys, 'A');
            typeText(keys, L"a");
            pressKey(keys, VK_SPACE);
            pressKey(keys, VK_TAB);
            rightClickAt(popup, POINT{5, 5});
            pause(700ms);
            EXPECT_TRUE(IsWindow(popup) && IsWindowVisible(popup))
                << "closed by a key other than Enter and Esc, or by the right button";
        }
        closer.act(popup);
        ASSERT_TRUE(closes(popup, 5s)) << "the WrongPopup stays open";
        waitForNextStep(remaining);
        ++wrong;
        EXPECT_EQ(text(IDC_WRONG_COUNT), std::to_wstring(wrong));
        EXPECT_EQ(text(IDC_CORRECT_COUNT), L"0");
    }
    quit();
}

struct TypedForms {
    const char* name;
    std::wstring infinitive, pastSimple, pastParticiple;
    bool infinitiveRed, pastSimpleRed, pastParticipleRed;
};

void PrintTo(const TypedForms& c, std::ostream* out) {
    *out << c.name;
}

class WrongPopupColours : public Popups, public ::testing::WithParamInterface<TypedForms> {};

// The forms of the WrongPopup, painted centred on these x, tops at y 105 of its client area.
const LONG formCentres[] = {150, 250, 350};
constexpr LONG meaningCentre = 50;

RECT textArea(LONG centre) {
    return RECT{centre - 45, 103, centre + 45, 125};
}

TEST_P(WrongPopupColours, DrawsTheStoredFormsTheWronglyTypedOnesRed) {
    const auto& c = GetParam();
    // Every record is the same verb, so it is the one asked.
    startTenVerbTest(std::vector<Verb>(12, Verb{L"spálit se", L"burn", L"burned", L"burned"}));
    EXPECT_EQ(text(IDC_MEANING), L"spálit se");
    HWND popup = openWrongPopup(c.infinitive, c.pastSimple, c.pastParticiple);

    const bool red[] = {c.infinitiveRed, c.pastSimpleRed, c.pastParticipleRed};
    auto expectPainted = [&](const char* when) {
        SCOPED_TRACE(when);
        const Pixels client = captureClient(popup);
        RECT corner = onScreen(popup, RECT{2, 2, 8, 8});
        EXPECT_EQ(client.count(wrongPink, corner), 36) << "the background is not RGB(255,200,200)";
        EXPECT_GT(client.count(black, onScreen(popup, textArea(meaningCentre))), 0)
            << "no meaning drawn black at x = 50";
        for (int form = 0; form < 3; ++form) {
            SCOPED_TRACE(form);
            const RECT area = onScreen(popup, textArea(formCentres[form]));
            const int redPixels = client.count(wrongRed, area);
            const int blackPixels = client.count(black, area);
            if (red[form]) {
                EXPECT_GT(redPixels, 0) << "a wrongly typed form is not drawn red";
                EXPECT_EQ(blackPixels, 0);
            } else {
                EXPECT_GT(blackPixels, 0) << "a rightly typed form is not drawn black";
                EXPECT_EQ(redPixels, 0);
            }
        }
        EXPECT_GT(client.count(hintGrey, onScreen(popup, RECT{175, 120, 225, 140})), 0)
            << "no grey hint \"<Enter>\" at (175, 120)";
    };
    // Painting takes a moment after the popup appears.
    waitUntil([&] {
        const Pixels client = captureClient(popup);
        return client.count(black, onScreen(popup, textArea(meaningCentre))) > 0;
    });
    expectPainted("as it opens");

    // Another window lay over it and is gone: it paints the same again.
    coverOnScreen(windowOnScreen(popup), RGB(0, 0, 255));
    uncover(popup);
    EXPECT_TRUE(waitUntil([&] { return captureClient(popup).count(RGB(0, 0, 255)) == 0; }))
        << "the uncovered popup was not painted again";
    expectPainted("uncovered");

    pressKey(keyTargetOf(*program), VK_RETURN);
    EXPECT_TRUE(closes(popup, 5s));
    quit();
}

INSTANTIATE_TEST_SUITE_P(
    Answers, WrongPopupColours,
    ::testing::Values(
        // "burnt" is accepted in a right answer, yet differs from the stored "burned".
        TypedForms{"AcceptedAlternativeIsStillRed", L"burn", L"burnt", L"burnx", false, true, true},
        TypedForms{"CapitalsCountAsTyped", L"BURN", L"Burned", L"burnx", false, false, true},
        TypedForms{"TrailingSpaceIsWrong", L"burn ", L"burned", L"burned", true, false, false},
        TypedForms{"LeadingSpaceIsWrong", L"burn", L" burned", L"burned", false, true, false}),
    [](const auto& instance) { return std::string(instance.param.name); });

}  // namespace
