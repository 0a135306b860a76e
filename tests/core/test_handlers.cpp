// The game's handlers against a window without a window system: start-up,
// "Нова", "Изчисти", who plays first, the computer's pick, rounds in both
// modes, the history and the scores.
#include "fake_window.h"
#include "morveta.h"
#include "expected_colours.h"
#include "expected_line.h"
#include "scripted_random.h"

#include <doctest/doctest.h>

#include <array>
#include <string>
#include <vector>

using game::MoveIndex;
using testing_support::FakeWindow;
using testing_support::lineFor;
using testing_support::ScriptedRandom;
using ui::Control;
namespace colours = testing_support::colours;

namespace {

MoveIndex mv(int i) { return static_cast<MoveIndex>(i); }

// A window whose handlers have run Form_Load, as at start-up.
struct Game {
    Game() { morveta.Form_Load(); }

    // The next tick picks move m.
    void tick(int m)
    {
        random.script.push_back(mv(m));
        morveta.Timer1_Timer();
    }
    // One whole round: a tick shows the computer's move, then the click.
    void play(int shown, int player)
    {
        tick(shown);
        morveta.Buton_Click(player);
    }
    // Exactly the computer's choice is selected and coloured as the pick.
    void checkMarks() const
    {
        const int picked = game::toInt(morveta.computerChoice());
        CHECK(window.selectedRadio() == picked);
        for (int i = 0; i < 3; ++i)
            CHECK(window.colour(Control::Radio, i) ==
                  (i == picked ? colours::kPick : colours::kIdle));
    }

    FakeWindow window;
    ScriptedRandom random;
    Morveta morveta{window, random};
};

} // namespace

TEST_CASE("start-up starts the random sequence once, zeroes the scores in the player-first colour, "
          "and waits")
{
    FakeWindow window;
    ScriptedRandom random;
    // The colour is read from the option at run time, not taken from a constant.
    constexpr ui::Rgb themed{10, 20, 30};
    window.setBackColor({Control::Igrach, 0}, themed);
    window.setText({Control::Rezul, 0}, "leftover");
    Morveta morveta(window, random);
    morveta.Form_Load();

    CHECK(random.restarts == 1);
    CHECK(random.draws == 0);
    for (int i = 0; i < 2; ++i) {
        CHECK(window.score(i) == "0");
        CHECK(window.colour(Control::Rezul, i) == themed);
    }
    CHECK_FALSE(morveta.firstMover().has_value());
    CHECK(morveta.computerChoice() == MoveIndex::Rock);
    CHECK(morveta.playerChoice() == MoveIndex::Rock);
    CHECK(window.state.lines.empty());
    CHECK(window.state.timer);
    // Radio(0) carries the pick colour before any pick, yet none is selected.
    CHECK(window.selectedRadio() == -1);
    CHECK(window.colour(Control::Radio, 0) == colours::kPick);
    CHECK(window.state.values.at({Control::Igrach, 0}));
}

TEST_CASE("every tick marks exactly the computer's choice")
{
    Game g;
    const std::array<int, 8> picks{2, 0, 0, 1, 2, 2, 1, 0};
    for (int m : picks) {
        g.tick(m);
        CHECK(game::toInt(g.morveta.computerChoice()) == m);
        g.checkMarks();
    }
}

TEST_CASE("a tick that draws the same move leaves the window as it was")
{
    Game g;
    g.tick(1);
    const FakeWindow::State before = g.window.state;
    g.tick(1);
    CHECK(g.window.state == before);
}

TEST_CASE("Нова starts the round and repaints the move buttons, even with no round played")
{
    Game g;
    g.window.setBackColor({Control::Buton, 1}, colours::kPeach);
    g.window.setTimerEnabled(false);
    g.morveta.Nachalo_Click(0);
    CHECK(g.window.state.timer);
    for (int i = 0; i < 3; ++i)
        CHECK(g.window.colour(Control::Buton, i) == colours::kIdle);
    CHECK(g.window.score(0) == "0");

    SUBCASE("after a round it keeps the scores and the history")
    {
        g.play(0, 2);
        CHECK_FALSE(g.window.state.timer);
        CHECK(g.window.colour(Control::Buton, 2) == colours::kPeach);
        g.morveta.Nachalo_Click(0);
        CHECK(g.window.state.timer);
        CHECK(g.window.colour(Control::Buton, 2) == colours::kIdle);
        CHECK(g.window.state.lines.size() == 1);
        CHECK(g.window.score(0) == "0");
        CHECK(g.window.score(1) == "2");
    }
}

TEST_CASE("Изчисти clears the match and the round goes on")
{
    Game g;
    g.play(0, 0);
    g.morveta.Nachalo_Click(0);
    g.play(1, 1);
    g.morveta.Nachalo_Click(0);
    g.window.setText({Control::Rezul, 0}, "17");

    g.morveta.Nachalo_Click(1);
    CHECK(g.window.state.lines.empty());
    CHECK(g.window.state.selected == -1);
    CHECK(g.window.score(0) == "0");
    CHECK(g.window.score(1) == "0");
    CHECK(g.window.state.timer);
    // Изчисти leaves the mode's colour on the scores.
    CHECK(g.window.colour(Control::Rezul, 0) == colours::kPeach);
    for (int i = 0; i < 3; ++i)
        CHECK(g.window.colour(Control::Buton, i) == colours::kIdle);

    // Player first: the computer answers scissors with rock.
    g.play(1, 1);
    REQUIRE(g.window.state.lines.size() == 1);
    CHECK(g.window.state.lines[0] == lineFor(0, 1));
    CHECK(g.window.state.selected == 0);
    CHECK(g.window.score(1) == "2");
}

TEST_CASE("choosing who plays first recolours the scores and starts a new match")
{
    Game g;
    g.play(0, 0);
    g.window.setText({Control::Rezul, 0}, "9");
    g.morveta.Nachalo_Click(0);
    g.tick(2);
    const FakeWindow::State running = g.window.state;

    g.morveta.Igrach_Click(1);
    CHECK(g.morveta.firstMover() == std::optional<std::int16_t>(1));
    for (int i = 0; i < 2; ++i) {
        CHECK(g.window.score(i) == "0");
        CHECK(g.window.colour(Control::Rezul, i) == colours::kComputerFirst);
    }
    CHECK(g.window.state.lines.empty());
    CHECK(g.window.state.timer);
    // The marks and the move buttons are left alone.
    CHECK(g.morveta.computerChoice() == MoveIndex::Paper);
    CHECK(g.window.state.values == running.values);
    for (int i = 0; i < 3; ++i)
        CHECK(g.window.colour(Control::Buton, i) == running.colours.at({Control::Buton, i}));

    SUBCASE("the same option again starts a new match too")
    {
        g.morveta.Buton_Click(0);
        CHECK(g.window.state.lines.size() == 1);
        g.morveta.Igrach_Click(1);
        CHECK(g.window.state.lines.empty());
        CHECK(g.window.score(0) == "0");
    }
    SUBCASE("back to the player takes the colour the player's option shows")
    {
        // Copied from the option, whatever it is, not written as a constant.
        const ui::Rgb shown{1, 2, 3};
        g.window.setBackColor({Control::Igrach, 0}, shown);
        g.morveta.Igrach_Click(0);
        CHECK(g.morveta.firstMover() == std::optional<std::int16_t>(0));
        CHECK(g.window.colour(Control::Rezul, 0) == shown);
        CHECK(g.window.colour(Control::Rezul, 1) == shown);
    }
}

TEST_CASE("player first: the computer answers with the move that beats the player's")
{
    struct Row {
        int player, computer;
    };
    const std::array<Row, 3> rows{{{0, 2}, {1, 0}, {2, 1}}};
    for (const Row& row : rows) {
        Game g;
        for (int shown = 0; shown < 3; ++shown) {
            CAPTURE(row.player);
            CAPTURE(shown);
            g.play(shown, row.player);
            CHECK(game::toInt(g.morveta.computerChoice()) == row.computer);
            g.checkMarks();
            REQUIRE(g.window.state.lines.size() == std::size_t(shown + 1));
            CHECK(g.window.state.lines.back() == lineFor(row.computer, row.player));
            CHECK(g.window.state.selected == shown);
            CHECK(g.window.score(0) == "0");
            CHECK(g.window.score(1) == std::to_string(2 * (shown + 1)));
            CHECK(g.window.colour(Control::Buton, row.player) == colours::kPeach);
            g.morveta.Nachalo_Click(0);
        }
    }
}

TEST_CASE("computer first: the marked move is the computer's, and the round is judged")
{
    struct Row {
        int computer, player;
        const char* playerScore;
        const char* computerScore;
    };
    const std::array<Row, 9> rows{{
        {0, 0, "1", "1"},
        {0, 1, "0", "2"},
        {0, 2, "2", "0"},
        {1, 0, "2", "0"},
        {1, 1, "1", "1"},
        {1, 2, "0", "2"},
        {2, 0, "0", "2"},
        {2, 1, "2", "0"},
        {2, 2, "1", "1"},
    }};
    for (const Row& row : rows) {
        CAPTURE(row.computer);
        CAPTURE(row.player);
        Game g;
        g.morveta.Igrach_Click(1);
        g.play(row.computer, row.player);
        CHECK(game::toInt(g.morveta.computerChoice()) == row.computer);
        CHECK(game::toInt(g.morveta.playerChoice()) == row.player);
        g.checkMarks();
        REQUIRE(g.window.state.lines.size() == 1);
        CHECK(g.window.state.lines[0] == lineFor(row.computer, row.player));
        CHECK(g.window.score(0) == row.playerScore);
        CHECK(g.window.score(1) == row.computerScore);
    }
}

TEST_CASE("a click after the round records nothing; player first still moves the mark")
{
    for (bool computerFirst : {false, true}) {
        CAPTURE(computerFirst);
        Game g;
        if (computerFirst)
            g.morveta.Igrach_Click(1);
        g.play(1, 0);
        const int afterRound = game::toInt(g.morveta.computerChoice());
        const std::string player = g.window.score(0);
        const std::string computer = g.window.score(1);
        for (int move : {1, 2, 0}) {
            g.morveta.Buton_Click(move);
            CHECK(g.window.state.lines.size() == 1);
            CHECK(g.window.score(0) == player);
            CHECK(g.window.score(1) == computer);
            CHECK(game::toInt(g.morveta.computerChoice()) ==
                  (computerFirst ? afterRound : (move + 2) % 3));
            g.checkMarks();
            CHECK(g.window.colour(Control::Buton, 0) == colours::kPeach);
            CHECK(g.window.colour(Control::Buton, 1) == colours::kIdle);
            CHECK(g.window.colour(Control::Buton, 2) == colours::kIdle);
        }
        CHECK(game::toInt(g.morveta.playerChoice()) == 0);
    }
}

TEST_CASE("indexes outside the control arrays change nothing")
{
    Game g;
    g.play(0, 0);
    const FakeWindow::State before = g.window.state;
    const auto choice = g.morveta.computerChoice();
    for (int index : {-1, 2, 3, 32767, -32768}) {
        g.morveta.Nachalo_Click(index);
        g.morveta.Igrach_Click(index);
        if (index != 2)
            g.morveta.Buton_Click(index);
    }
    CHECK(g.window.state == before);
    CHECK(g.morveta.computerChoice() == choice);
    CHECK_FALSE(g.morveta.firstMover().has_value());
}

TEST_CASE("the window ignores an id of the wrong kind for every front end")
{
    FakeWindow window;
    const FakeWindow::State before = window.state;
    window.setBackColor({Control::Frame1, 0}, colours::kPick); // a frame has no face
    window.setBackColor({Control::Buton, 3}, colours::kPick);
    window.setValue({Control::Buton, 0}, true);
    window.setValue({Control::Radio, -1}, true);
    window.setText({Control::Label2, 0}, "x");
    window.setText({Control::Rezul, 2}, "x");
    CHECK(window.state == before);
    CHECK(window.backColor({Control::Text1, 0}) == ui::Rgb{});
    CHECK(window.text({Control::Buton, 0}).empty());
    CHECK(window.text({Control::Rezul, 32767}).empty());
}

TEST_CASE("a click runs the handler that serves its control, and nothing for any other")
{
    Game g;
    g.play(0, 0);
    g.morveta.clicked({Control::Nachalo, 0});
    CHECK(g.window.state.timer);
    g.morveta.clicked({Control::Buton, 1});
    CHECK(g.window.state.lines.size() == 2);
    CHECK(g.morveta.playerChoice() == MoveIndex::Scissors);
    g.morveta.clicked({Control::Nachalo, 1});
    CHECK(g.window.state.lines.empty());
    // An option is selected alone in its group, then serves.
    g.morveta.clicked({Control::Igrach, 1});
    CHECK(g.window.state.values.at({Control::Igrach, 1}));
    CHECK_FALSE(g.window.state.values.at({Control::Igrach, 0}));
    CHECK(g.morveta.firstMover() == std::optional<std::int16_t>(1));

    const FakeWindow::State before = g.window.state;
    for (const app::ControlId id : {app::ControlId{Control::Label2, 0},
                                    {Control::Frame1, 0},
                                    {Control::Radio, 1},
                                    {Control::Rezul, 0},
                                    {Control::Rezultat, 0},
                                    {Control::Text1, 0},
                                    {Control::Igrach, 2},
                                    {Control::Buton, -1}})
        g.morveta.clicked(id);
    CHECK(g.window.state == before);
}

TEST_CASE("twenty-five rounds stay in playing order with the last selected")
{
    Game g;
    g.morveta.Igrach_Click(1);
    std::vector<std::string> expected;
    for (int round = 0; round < 25; ++round) {
        const int computer = round % 3;
        const int player = (round / 3) % 3;
        g.play(computer, player);
        expected.push_back(lineFor(computer, player));
        g.morveta.Nachalo_Click(0);
    }
    CHECK(g.window.state.lines == expected);
    CHECK(g.window.state.selected == 24);
}

TEST_CASE("every round adds two to the sum of the scores")
{
    for (int mode : {0, 1}) {
        Game g;
        g.morveta.Igrach_Click(mode);
        double sum = 0;
        for (int round = 0; round < 30; ++round) {
            g.play((round * 7) % 3, round % 3);
            const double now = std::stod(g.window.score(0)) + std::stod(g.window.score(1));
            CHECK(now == sum + 2);
            sum = now;
            g.morveta.Nachalo_Click(0);
        }
    }
}

TEST_CASE("typed scores are read as numbers and written back")
{
    // Computer rock, player paper: the player gains 2, the computer nothing.
    struct Row {
        const char* name;
        std::string typedPlayer, typedComputer, player, computer;
    };
    const std::array<Row, 17> rows{{
        {"digits with a blank", "1 2", "4", "14", "4"},
        {"number then a word", "5 думи", "7", "7", "7"},
        {"emptied", "", "", "2", "0"},
        {"letters", "abc", "xyz", "2", "0"},
        {"negative", "-3", "-3", "-1", "-3"},
        {"exponent", "1e3", "2E2", "1002", "200"},
        {"leading point", ".5", "0.25", "2.5", "0.25"},
        {"comma", "1,5", "3,9", "3", "3"},
        {"e without digits", "12e", "12e+", "14", "12"},
        {"negative zero", "-0", "-0", "2", "0"},
        {"beyond the range", "1e400", "-1e400", "1.7976931348623157e+308",
         "-1.7976931348623157e+308"},
        {"400 digits", std::string(400, '9'), std::string(400, '1'), "1.7976931348623157e+308",
         "1.7976931348623157e+308"},
        {"Cyrillic", "пет", "седем", "2", "0"},
        {"full-width digits", "\uFF15", "\uFF17", "2", "0"},
        {"just below 1e15", "999999999999997", "0", "999999999999999", "0"},
        {"crossing 1e15", "999999999999999", "0", "1000000000000001", "0"},
        {"a megabyte of digits and words", std::string(1 << 20, '7') + " x", "\xFF\xFE",
         "1.7976931348623157e+308", "0"},
    }};
    for (const Row& row : rows) {
        INFO(row.name);
        Game g;
        g.morveta.Igrach_Click(1);
        g.window.setText({Control::Rezul, 0}, row.typedPlayer);
        g.window.setText({Control::Rezul, 1}, row.typedComputer);
        g.play(0, 2);
        CHECK(g.window.score(0) == row.player);
        CHECK(g.window.score(1) == row.computer);
    }
}

TEST_CASE("the history goes past 32,767 lines with the newest selected")
{
    Game g;
    g.morveta.Igrach_Click(1);
    for (int round = 0; round < 40000; ++round) {
        g.play(round % 3, (round / 3) % 3);
        g.morveta.Nachalo_Click(0);
        if (round == 32767) {
            CHECK(g.window.state.selected == 32767);
        }
    }
    CHECK(g.window.state.lines.size() == 40000);
    CHECK(g.window.state.selected == 39999);
    CHECK(g.window.state.lines[39999] == lineFor(39999 % 3, (39999 / 3) % 3));
    CHECK(std::stod(g.window.score(0)) + std::stod(g.window.score(1)) == 80000);
}

TEST_CASE("each event tells a screen reader once what happened; the timer's ticks say nothing")
{
    struct Row {
        const char* name;
        void (*act)(Game&);
        std::size_t clicks; // one message each; ticks say nothing
        const char* said;   // the last message
    };
    const std::array<Row, 10> rows{{
        {"player first: the computer's answer wins", [](Game& g) { g.play(1, 0); }, 1,
         "Играч: Камък, компютър: Хартия. Загуба. Играч 0, компютър 2."},
        {"computer first: a win",
         [](Game& g) {
             g.morveta.Igrach_Click(1);
             g.play(0, 2);
         },
         2, "Играч: Хартия, компютър: Камък. Победа. Играч 2, компютър 0."},
        {"computer first: a draw",
         [](Game& g) {
             g.morveta.Igrach_Click(1);
             g.play(1, 1);
         },
         2, "Играч: Ножица, компютър: Ножица. Реми. Играч 1, компютър 1."},
        {"the scores as the boxes show them after a typed score",
         [](Game& g) {
             g.morveta.Igrach_Click(1);
             g.window.setText({Control::Rezul, 0}, "1 2");
             g.play(2, 1);
         },
         2, "Играч: Ножица, компютър: Хартия. Победа. Играч 14, компютър 0."},
        {"a move after the round is over",
         [](Game& g) {
             g.play(0, 0);
             g.morveta.Buton_Click(1);
         },
         2, "Рундът е приключил. Натиснете „Нова“."},
        {"Нова", [](Game& g) { g.morveta.Nachalo_Click(0); }, 1, "Нов рунд. Изберете ход."},
        {"Изчисти", [](Game& g) { g.morveta.Nachalo_Click(1); }, 1,
         "Резултатът и историята са изчистени."},
        {"the player first", [](Game& g) { g.morveta.Igrach_Click(0); }, 1,
         "Играчът играе първи. Резултатът и историята са изчистени."},
        {"the computer first", [](Game& g) { g.morveta.Igrach_Click(1); }, 1,
         "Компютърът играе първи. Резултатът и историята са изчистени."},
        {"ticks alone",
         [](Game& g) {
             for (int m : {0, 1, 2, 2})
                 g.tick(m);
         },
         0, ""},
    }};
    for (const Row& row : rows) {
        INFO(row.name);
        Game g;
        row.act(g);
        REQUIRE(g.window.state.announced.size() == row.clicks);
        if (row.clicks > 0)
            CHECK(g.window.state.announced.back() == row.said);
    }
}
