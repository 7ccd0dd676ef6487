// Starting the program in a folder, and ending it.
#include "harness/ui_test.h"

namespace {

class StartAndQuit : public UiTest {};

TEST_F(StartAndQuit, FirstStartCreatesDefaultSettingsAndShowsTheLogoState) {
    putVerbs();
    start();

    EXPECT_EQ(settingsFile(), "2011");
    EXPECT_EQ(textOf(main), L"Kalvena");
    const std::vector<std::pair<int, std::wstring>> commands = {{IDC_NEW_TEST, L"Nový test"},
                                                                {IDC_END_TEST, L"Ukončit test"},
                                                                {IDC_SETTINGS, L"Nastavení"},
                                                                {IDC_ABOUT, L"O programu"},
                                                                {IDCANCEL, L"Konec"}};
    for (const auto& [id, caption] : commands) {
        SCOPED_TRACE(id);
        EXPECT_EQ(text(id), caption);
        EXPECT_TRUE(shown(id));
        EXPECT_EQ(enabled(id), id != IDC_END_TEST);
    }
    EXPECT_EQ(shownTestControls(), std::vector<int>{});
    EXPECT_FALSE(enabled(IDC_CONFIRM));
    // The texts of the test area, shown later, as written.
    const std::vector<std::pair<int, std::wstring>> labels = {
        {IDC_CONFIRM, L"Potvrdit"},
        {IDC_CORRECT_LABEL, L"Počet správných odpovědí:"},
        {IDC_WRONG_LABEL, L"Počet chybných odpovědí:"},
        {IDC_REMAINING_LABEL, L"Zbývající slovesa:"},
        {IDC_CORRECT_PERCENT_SIGN, L"%"},
        {IDC_WRONG_PERCENT_SIGN, L"%"}};
    for (const auto& [id, label] : labels) {
        EXPECT_EQ(text(id), label) << id;
    }
    EXPECT_TRUE(shown(IDC_MAIN_LINK));
    EXPECT_EQ(text(IDC_VERSION), L"Verze 1.0");
    EXPECT_TRUE(shown(IDC_VERSION));
    quit();
}

struct MissingVerbFile {
    const char* name;
    std::optional<std::string> settings;  // nothing: no settings.cfg
    std::vector<std::wstring> verbFiles;  // the files that are there
    std::string settingsAfter;
};

void PrintTo(const MissingVerbFile& c, std::ostream* out) {
    *out << c.name;
}

class StartWithoutVerbFile : public UiTest,
                             public ::testing::WithParamInterface<MissingVerbFile> {};

TEST_P(StartWithoutVerbFile, ShowsOnlyTheLoaderMessageAndEndsWithZero) {
    const auto& c = GetParam();
    if (c.settings) {
        putSettings(*c.settings);
    }
    for (const auto& name : c.verbFiles) {
        putVerbs(name);
    }
    startWithoutWindow();

    const auto box = waitForMessageBox(*program, 30s);
    EXPECT_EQ(box.text, L"Databáze sloves pro tuto obtížnost nenalezena!");
    EXPECT_EQ(box.caption, L"Chyba");
    EXPECT_EQ(box.owner, nullptr);
    for (HWND window : program->shownTopLevelWindows()) {
        EXPECT_NE(textOf(window), L"Kalvena") << "the MainWindow is shown";
    }
    answer(box, IDOK);

    // The program ends without ever showing its MainWindow.
    bool mainWindowSeen = false;
    waitUntil([&] {
        for (HWND window : program->shownTopLevelWindows()) {
            mainWindowSeen = mainWindowSeen || textOf(window) == L"Kalvena";
        }
        return program->hasExited();
    });
    EXPECT_FALSE(mainWindowSeen);
    const auto exitCode = program->waitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end after the loader's message";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(settingsFile(), c.settingsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartWithoutVerbFile,
    ::testing::Values(
        MissingVerbFile{"NoFilesAtAll", std::nullopt, {}, "2011"},
        MissingVerbFile{
            "MediumMissingWithoutSettings", std::nullopt, {L"easy.dat", L"hard.dat"}, "2011"},
        MissingVerbFile{"HardStoredButMissing", "2012", {L"easy.dat", L"medium.dat"}, "2012"},
        MissingVerbFile{"EasyStoredButMissing", "1500", {L"medium.dat", L"hard.dat"}, "1500"}),
    [](const auto& instance) { return std::string(instance.param.name); });

enum class QuitRequest { konec, escape, closeBox, altF4 };

void PrintTo(QuitRequest request, std::ostream* out) {
    const char* names[] = {"Konec", "Escape", "CloseBox", "AltF4"};
    *out << names[static_cast<int>(request)];
}

class QuitRequests : public UiTest, public ::testing::WithParamInterface<QuitRequest> {
protected:
    void request() {
        switch (GetParam()) {
            case QuitRequest::konec:
                click(control(IDCANCEL));
                break;
            case QuitRequest::escape:
                pressKey(focus(), VK_ESCAPE);
                break;
            case QuitRequest::closeBox:
                // What a click on the close box sends.
                PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
                break;
            case QuitRequest::altF4:
                pressAltF4(focus());
                break;
        }
    }
};

TEST_P(QuitRequests, AskFirstAndNoKeepsARunningTest) {
    putVerbs();
    putSettings("1011");
    start();
    startTest();
    const std::wstring meaning = text(IDC_MEANING);
    retype(control(IDC_INFINITIVE), L"half");
    waitUntil([&] { return focus() == control(IDC_INFINITIVE); }, 2s);

    request();
    auto box = waitForMessageBox(*program);
    EXPECT_EQ(box.text, L"Určitě chcete program ukončit?");
    EXPECT_EQ(box.caption, L"Potvrdit ukončení");
    EXPECT_EQ(box.owner, main);
    EXPECT_TRUE(GetDlgItem(box.window, IDYES) && GetDlgItem(box.window, IDNO));
    answer(box, IDNO);

    settle(main);
    EXPECT_FALSE(program->hasExited());
    EXPECT_TRUE(isShown(main));
    EXPECT_TRUE(isEnabled(main));
    EXPECT_EQ(text(IDC_MEANING), meaning);
    EXPECT_EQ(text(IDC_INFINITIVE), L"half");
    EXPECT_TRUE(enabled(IDC_END_TEST));
    EXPECT_EQ(figures(), (std::vector<std::wstring>{L"0", L"0", L"10", L"0", L"0"}));

    waitUntil([&] { return focus() != nullptr; }, 2s);
    request();
    box = waitForMessageBox(*program);
    EXPECT_EQ(box.text, L"Určitě chcete program ukončit?");
    answer(box, IDYES);
    const auto exitCode = program->waitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "the program did not end after Yes";
    EXPECT_EQ(*exitCode, 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, QuitRequests,
                         ::testing::Values(QuitRequest::konec, QuitRequest::escape,
                                           QuitRequest::closeBox, QuitRequest::altF4),
                         [](const auto& instance) {
                             std::ostringstream name;
                             PrintTo(instance.param, &name);
                             return name.str();
                         });

}  // namespace
