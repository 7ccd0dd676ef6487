// The SettingsPanel: what it shows, what its OK saves, and how it meets tests and results.
#include <algorithm>

#include "harness/ui_test.h"

namespace {

class SettingsPanel : public UiTest {
protected:
    void putAllVerbFiles() {
        for (const auto* name : {L"easy.dat", L"medium.dat", L"hard.dat"}) {
            putVerbs(name);
        }
    }

    // "Nastavení" while no test runs: waits for the panel.
    HWND openPanel() {
        click(control(IDC_SETTINGS));
        HWND panel = nullptr;
        if (!waitUntil([&] { return (panel = shownPanel(main, L"Nastavení")) != nullptr; })) {
            throw std::runtime_error("\"Nastavení\" showed no SettingsPanel");
        }
        settle(main);
        return panel;
    }

    static std::wstring lengthOf(HWND panel) { return textOf(panel, IDC_LENGTH); }
    static bool reaskTicked(HWND panel) {
        return SendMessageW(controlOf(panel, IDC_REASK), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    static std::wstring difficultyOf(HWND panel) { return textOf(panel, IDC_DIFFICULTY); }
    static void chooseDifficulty(HWND panel, int index) {
        SendMessageW(controlOf(panel, IDC_DIFFICULTY), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    bool panelClosed() const { return shownPanel(main, L"Nastavení") == nullptr; }
};

TEST_F(SettingsPanel, ShowsTheStoredSettings) {
    putAllVerbFiles();
    putSettings("2002");
    start();
    HWND panel = openPanel();
    EXPECT_EQ(textOf(panel, IDC_PANEL_TITLE), L"Nastavení");
    EXPECT_EQ(lengthOf(panel), L"20");
    EXPECT_FALSE(reaskTicked(panel));
    EXPECT_EQ(difficultyOf(panel), L"Těžká");
    EXPECT_EQ(textOf(panel, IDC_REASK), L"Na konci testu vracet chyby");
    EXPECT_EQ(textOf(panel, IDOK), L"OK");
    const auto texts = staticTextsOf(panel);
    for (const wchar_t* label : {L"Počet sloves v testu:", L"Obtížnost:"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end())
            << testing::PrintToString(std::wstring(label));
    }
    // Inside the MainWindow, over the logo's place, at (330, 80) and 180 x 250 pixels.
    const RECT place = placeInParent(panel);
    EXPECT_EQ(GetParent(panel), main);
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right - place.left,
                                 place.bottom - place.top}),
              (std::vector<LONG>{330, 80, 180, 250}));
    // The title stands out in a large font.
    const RECT title = Pixels(windowOnScreen(controlOf(panel, IDC_PANEL_TITLE))).bounds(black);
    EXPECT_GE(title.bottom - title.top, 16) << "the title is not drawn large";
    HWND list = controlOf(panel, IDC_DIFFICULTY);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
    for (int index = 0; index < 3; ++index) {
        chooseDifficulty(panel, index);
        EXPECT_EQ(difficultyOf(panel),
                  (std::vector<std::wstring>{L"Snadná", L"Střední", L"Těžká"}[index]));
    }
    // The Logo state's buttons stay usable while the panel is open; no test runs.
    EXPECT_TRUE(enabled(IDC_NEW_TEST));
    EXPECT_FALSE(enabled(IDC_END_TEST));
    quit();
}

struct LengthCase {
    const char* name;
    std::wstring typed;
    bool refused;
    std::wstring fieldAfterRefusal;
    std::string savedSettings;  // when accepted
};

TEST_F(SettingsPanel, OkValidatesTheLengthAndSavesOnlyWhatItAccepts) {
    putAllVerbFiles();
    // Bytes after the fourth are ignored, and the next save writes four bytes again.
    putSettings("2011\r\nrest");
    start();
    const std::vector<LengthCase> cases = {
        {"5", L"5", true, L"10", ""},
        {"75", L"75", true, L"50", ""},
        {"empty", L"", true, L"10", ""},
        {"123 reads as 12", L"123", false, L"", "1211"},
        {"500 reads as 50", L"500", false, L"", "5011"},
        {"10", L"10", false, L"", "1011"},
        {"9", L"9", true, L"10", ""},
        {"51", L"51", true, L"50", ""},
        {"50", L"50", false, L"", "5011"},
        {"35", L"35", false, L"", "3511"},
    };
    std::wstring stored = L"20";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND panel = shownPanel(main, L"Nastavení");
        if (!panel) {
            panel = openPanel();
            EXPECT_EQ(lengthOf(panel), stored);
        }
        const auto before = settingsFile();
        retype(controlOf(panel, IDC_LENGTH), c.typed);
        click(controlOf(panel, IDOK));
        if (c.refused) {
            const auto box = waitForMessageBox(*program);
            EXPECT_EQ(box.text, L"Zadejte cislo v rozsahu 10-50.");
            EXPECT_EQ(box.caption, L"Chyba");
            EXPECT_EQ(box.owner, main);
            answer(box, IDOK);
            EXPECT_TRUE(waitUntil([&] { return lengthOf(panel) == c.fieldAfterRefusal; }))
                << "the field shows " << testing::PrintToString(lengthOf(panel));
            settle(main);
            EXPECT_FALSE(panelClosed());
            EXPECT_EQ(settingsFile(), before);
        } else {
            EXPECT_TRUE(waitUntil([&] { return panelClosed(); })) << "the panel stays open";
            EXPECT_FALSE(messageBoxOf(*program).has_value());
            EXPECT_EQ(settingsFile(), c.savedSettings);
            stored = std::wstring(c.savedSettings.begin(), c.savedSettings.begin() + 2);
        }
    }
    quit();
}

TEST_F(SettingsPanel, SavesEveryKindOfSettingAndTheNextStartReadsThem) {
    putAllVerbFiles();
    putSettings("2011");
    start();
    HWND panel = openPanel();
    retype(controlOf(panel, IDC_LENGTH), L"10");
    click(controlOf(panel, IDC_REASK));
    EXPECT_TRUE(waitUntil([&] { return !reaskTicked(panel); }));
    chooseDifficulty(panel, 0);
    click(controlOf(panel, IDOK));
    EXPECT_TRUE(waitUntil([&] { return panelClosed(); }));
    EXPECT_EQ(settingsFile(), "1000");

    panel = openPanel();
    EXPECT_EQ(lengthOf(panel), L"10");
    EXPECT_FALSE(reaskTicked(panel));
    EXPECT_EQ(difficultyOf(panel), L"Snadná");
    retype(controlOf(panel, IDC_LENGTH), L"35");
    click(controlOf(panel, IDC_REASK));
    EXPECT_TRUE(waitUntil([&] { return reaskTicked(panel); }));
    chooseDifficulty(panel, 2);
    click(controlOf(panel, IDOK));
    EXPECT_TRUE(waitUntil([&] { return panelClosed(); }));
    EXPECT_EQ(settingsFile(), "3512");

    // The new length applies to the next test.
    startTest();
    EXPECT_EQ(text(IDC_REMAINING), L"35");
    quit();

    start();
    panel = openPanel();
    EXPECT_EQ(lengthOf(panel), L"35");
    EXPECT_TRUE(reaskTicked(panel));
    EXPECT_EQ(difficultyOf(panel), L"Těžká");
    quit();
}

TEST_F(SettingsPanel, TheArrowsStepTheLengthWithinTenToFifty) {
    putAllVerbFiles();
    putSettings("5011");
    start();
    HWND panel = openPanel();
    HWND field = controlOf(panel, IDC_LENGTH);
    leftClickAt(field, POINT{3, 3});
    ASSERT_TRUE(waitUntil([&] { return focus() == field; }, 3s));
    const struct {
        const wchar_t* from;
        UINT key;
        const wchar_t* to;
    } steps[] = {{L"50", VK_UP, L"50"},
                 {L"50", VK_DOWN, L"49"},
                 {L"10", VK_DOWN, L"10"},
                 {L"10", VK_UP, L"11"}};
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(step.from)) + " " +
                     std::to_string(step.key));
        retype(field, step.from);
        pressKey(field, step.key);
        settle(main);
        EXPECT_TRUE(waitUntil([&] { return lengthOf(panel) == step.to; }, 2s))
            << "the field shows " << testing::PrintToString(lengthOf(panel));
    }
    quit();
}

TEST_F(SettingsPanel, ADifficultyWithoutItsVerbFileIsSavedButKeepsThePanelOpen) {
    putVerbs(L"medium.dat");
    putSettings("2011");
    start();
    HWND panel = openPanel();
    chooseDifficulty(panel, 2);
    click(controlOf(panel, IDOK));
    auto box = waitForMessageBox(*program);
    EXPECT_EQ(box.text, L"Databáze sloves pro tuto obtížnost nenalezena!");
    EXPECT_EQ(box.caption, L"Chyba");
    // The loader's message has no owner and disables nothing.
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_TRUE(isEnabled(main));
    answer(box, IDOK);
    settle(main);
    EXPECT_FALSE(panelClosed());
    EXPECT_EQ(settingsFile(), "2012");

    // "Nový test" tries the panel's OK first, which fails the same way: no test starts.
    click(control(IDC_NEW_TEST));
    box = waitForMessageBox(*program);
    EXPECT_EQ(box.text, L"Databáze sloves pro tuto obtížnost nenalezena!");
    answer(box, IDOK);
    settle(main);
    EXPECT_FALSE(panelClosed());
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_TRUE(enabled(IDC_NEW_TEST));

    // Back to a difficulty that has its file: the panel closes and tests run on its verbs.
    chooseDifficulty(panel, 1);
    click(controlOf(panel, IDOK));
    EXPECT_TRUE(waitUntil([&] { return panelClosed(); }));
    EXPECT_EQ(settingsFile(), "2011");
    startTest();
    EXPECT_NO_THROW(askedVerb());
    quit();
}

TEST_F(SettingsPanel, NovyTestClosesTheResultsAndTheWaitingPanelAndStartsTheTest) {
    putAllVerbFiles();
    putSettings("1011");
    start();
    startTest();
    answer(commandAsking(IDC_SETTINGS), IDYES);
    ASSERT_TRUE(waitUntil([&] { return shownPanel(main, L"Výsledek testu") != nullptr; }));

    startTest();
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), nullptr);
    EXPECT_TRUE(panelClosed());
    EXPECT_EQ(text(IDC_REMAINING), L"10");
    // The waiting panel has ended with the results: after the next results, none appears.
    endTestEarly();
    click(controlOf(shownPanel(main, L"Výsledek testu"), IDOK));
    EXPECT_TRUE(waitUntil([&] { return shownPanel(main, L"Výsledek testu") == nullptr; }));
    settle(main);
    pause(300ms);
    EXPECT_TRUE(panelClosed()) << "a SettingsPanel was still waiting";
    quit();
}

TEST_F(SettingsPanel, NovyTestClosesAValidPanelAndStartsTheTest) {
    putAllVerbFiles();
    putSettings("2011");
    start();
    HWND panel = openPanel();
    retype(controlOf(panel, IDC_LENGTH), L"12");
    startTest();
    EXPECT_TRUE(panelClosed());
    EXPECT_EQ(settingsFile(), "1211");
    EXPECT_EQ(text(IDC_REMAINING), L"12");
    quit();
}

TEST_F(SettingsPanel, NovyTestWithAnInvalidLengthRefusesThenSavesTheCorrectedOne) {
    putAllVerbFiles();
    putSettings("2011");
    start();
    HWND panel = openPanel();
    retype(controlOf(panel, IDC_LENGTH), L"7");
    click(control(IDC_NEW_TEST));
    const auto box = waitForMessageBox(*program);
    EXPECT_EQ(box.text, L"Zadejte cislo v rozsahu 10-50.");
    answer(box, IDOK);
    EXPECT_TRUE(waitUntil([&] { return lengthOf(panel) == L"10"; }));
    settle(main);
    EXPECT_FALSE(panelClosed());
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_EQ(settingsFile(), "2011");

    startTest();
    EXPECT_TRUE(panelClosed());
    EXPECT_EQ(settingsFile(), "1011");
    EXPECT_EQ(text(IDC_REMAINING), L"10");
    quit();
}

TEST_F(SettingsPanel, NastaveniDuringATestAsksThenShowsTheResultsFirst) {
    putAllVerbFiles();
    putSettings("1011");
    start();
    startTest();
    answerWrong();
    const std::wstring meaning = text(IDC_MEANING);
    retype(control(IDC_INFINITIVE), L"half");

    auto box = commandAsking(IDC_SETTINGS);
    EXPECT_EQ(box.text, L"Tento příkaz ukončí test? Určitě to chcete udělat?");
    EXPECT_EQ(box.caption, L"Varování");
    EXPECT_EQ(box.owner, main);
    answer(box, IDNO);
    settle(main);
    EXPECT_EQ(text(IDC_MEANING), meaning);
    EXPECT_EQ(text(IDC_INFINITIVE), L"half");
    EXPECT_EQ(shownTestControls(), testControlIds());
    EXPECT_TRUE(panelClosed());
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), nullptr);

    box = commandAsking(IDC_SETTINGS);
    answer(box, IDYES);
    HWND results = nullptr;
    ASSERT_TRUE(
        waitUntil([&] { return (results = shownPanel(main, L"Výsledek testu")) != nullptr; }));
    settle(main);
    EXPECT_EQ(resultFigures(results), (std::vector<std::wstring>{L"1", L"0", L"1", L"0", L"100"}));
    EXPECT_TRUE(panelClosed()) << "the SettingsPanel shows over the results";
    EXPECT_EQ(shownTestControls(), std::vector<int>{});

    // "Nastavení" again while the panel waits behind the results: nothing happens.
    click(control(IDC_SETTINGS));
    settle(main);
    pause(300ms);
    EXPECT_FALSE(messageBoxOf(*program).has_value());
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), results);
    EXPECT_TRUE(panelClosed());

    click(controlOf(results, IDOK));
    HWND panel = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (panel = shownPanel(main, L"Nastavení")) != nullptr; }))
        << "OK on the results did not show the waiting SettingsPanel";
    EXPECT_EQ(shownPanel(main, L"Výsledek testu"), nullptr);
    EXPECT_EQ(shownPanels(main, L"Nastavení").size(), 1u);

    // "Nastavení" while the panel is shown: still one panel.
    click(control(IDC_SETTINGS));
    settle(main);
    pause(300ms);
    EXPECT_EQ(shownPanels(main, L"Nastavení").size(), 1u);

    if (panel) {
        click(controlOf(panel, IDOK));
        EXPECT_TRUE(waitUntil([&] { return panelClosed(); }));
    }
    quit();
}

}  // namespace
