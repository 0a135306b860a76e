// The rules on their own: the computer's pick, the judgement, the history
// line and the score text. Plain C++: also built for Windows and run there,
// where another C runtime reads and writes the numbers.
#include "moves.h"
#include "round.h"
#include "score_text.h"
#include "contrast.h"

#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <clocale>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using game::MoveIndex;

namespace {

MoveIndex mv(int i) { return static_cast<MoveIndex>(i); }

constexpr double kLargest = std::numeric_limits<double>::max();

} // namespace

TEST_CASE("the pick rounds r x 1000 with halves to even, then takes it mod 3")
{
    struct Row {
        const char* name;
        float r;
        int move;
    };
    const std::array<Row, 9> rows{{
        {"62.5 rounds down to 62", 0.0625f, 2},
        {"312.5 rounds down to 312", 0.3125f, 0},
        {"187.5 rounds up to 188", 0.1875f, 2},
        {"largest float below one gives 1000", std::nextafter(1.0f, 0.0f), 1},
        {"zero", 0.0f, 0},
        {"0.0004 rounds to 0", 0.0004f, 0},
        {"0.0006 rounds to 1", 0.0006f, 1},
        {"0.5 gives 500", 0.5f, 2},
        {"0.001 gives 1", 0.001f, 1},
    }};
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK(game::toInt(game::pickFromUnit(row.r)) == row.move);
    }
}

TEST_CASE("unit numbers from random bits stay below one")
{
    CHECK(game::unitFromBits(0) == 0.0f);
    CHECK(game::unitFromBits(0xFFFFFFFFu) == std::nextafter(1.0f, 0.0f));
    CHECK(game::unitFromBits(0x80000000u) == 0.5f);
}

TEST_CASE("the pick is close to uniform over the three moves")
{
    // 0..1000 holds 334 multiples of 3 and 334 numbers 1 mod 3 but only 333
    // numbers 2 mod 3, so each move comes out close to a third.
    std::mt19937 gen(12345);
    std::array<int, 3> counts{};
    constexpr int draws = 30000;
    for (int i = 0; i < draws; ++i) {
        const MoveIndex m =
            game::pickFromUnit(game::unitFromBits(static_cast<std::uint32_t>(gen())));
        REQUIRE(game::isMove(m));
        ++counts[std::size_t(game::toInt(m))];
    }
    for (int c : counts)
        CHECK(std::abs(c - draws / 3) < draws / 30);
}

TEST_CASE("beats follows the circle rock, scissors, paper")
{
    CHECK(game::beats(MoveIndex::Rock, MoveIndex::Scissors));
    CHECK(game::beats(MoveIndex::Scissors, MoveIndex::Paper));
    CHECK(game::beats(MoveIndex::Paper, MoveIndex::Rock));
    for (MoveIndex m : game::kMoves) {
        CHECK_FALSE(game::beats(m, m));
        CHECK(game::beats(game::beaterOf(m), m));
        CHECK_FALSE(game::beats(m, game::beaterOf(m)));
    }
    CHECK_FALSE(game::beats(mv(3), MoveIndex::Rock));
    CHECK_FALSE(game::beats(MoveIndex::Paper, mv(-1)));
}

TEST_CASE("judge scores every pairing")
{
    struct Row {
        const char* name;
        int computer, player, playerPoints, computerPoints;
    };
    const std::array<Row, 12> rows{{
        {"rock draws rock", 0, 0, 1, 1},
        {"scissors draw scissors", 1, 1, 1, 1},
        {"paper draws paper", 2, 2, 1, 1},
        {"player rock beats scissors", 1, 0, 2, 0},
        {"computer rock beats scissors", 0, 1, 0, 2},
        {"computer paper beats rock", 2, 0, 0, 2},
        {"player paper beats rock", 0, 2, 2, 0},
        {"player scissors beat paper", 2, 1, 2, 0},
        {"computer scissors beat paper", 1, 2, 0, 2},
        {"computer out of range scores nobody", 3, 0, 0, 0},
        {"player out of range scores nobody", 1, -1, 0, 0},
        {"equal values outside the moves draw", 7, 7, 1, 1},
    }};
    for (const Row& row : rows) {
        INFO(row.name);
        const game::Points p = game::judge(mv(row.computer), mv(row.player));
        CHECK(p.player == row.playerPoints);
        CHECK(p.computer == row.computerPoints);
    }
}

TEST_CASE("every round of real moves hands out two points")
{
    for (MoveIndex c : game::kMoves)
        for (MoveIndex p : game::kMoves) {
            const game::Points points = game::judge(c, p);
            CHECK(points.player + points.computer == 2);
        }
}

TEST_CASE("the history line uses each side's move texts")
{
    struct Row {
        int computer, player;
        const char* line;
    };
    const std::array<Row, 5> rows{{
        {0, 2, "Компютър: Камък       : Играч: Хартия "},
        {2, 0, "Компютър: Хартия      : Играч: Камък    "},
        {1, 1, "Компютър: Ножица    : Играч: Ножица   "},
        {0, 0, "Компютър: Камък       : Играч: Камък    "},
        {5, -1, "Компютър:  : Играч: "},
    }};
    for (const Row& row : rows)
        CHECK(game::historyLine(mv(row.computer), mv(row.player)) == row.line);
}

TEST_CASE("the reader takes the number at the start of the text")
{
    struct Row {
        const char* name;
        std::string text;
        double value;
    };
    const std::array<Row, 39> rows{{
        {"zero", "0", 0.0},
        {"blank inside digits", "1 2", 12.0},
        {"number then a word", "5 думи", 5.0},
        {"empty", "", 0.0},
        {"letters", "abc", 0.0},
        {"negative", "-3", -3.0},
        {"plus sign", "+4", 4.0},
        {"exponent", "1e3", 1000.0},
        {"capital exponent with sign", "25E-1", 2.5},
        {"leading point", ".5", 0.5},
        {"trailing point", "7.", 7.0},
        {"comma stops the number", "1,5", 1.0},
        {"comma first", ",5", 0.0},
        {"second point stops", "1.2.3", 1.2},
        {"e without digits", "12e", 12.0},
        {"e and sign without digits", "12e+", 12.0},
        {"negative zero", "-0", 0.0},
        {"sign alone", "-", 0.0},
        {"point alone", ".", 0.0},
        {"tabs and line feeds skipped", "\t\n 4\t2\n", 42.0},
        {"blanks between every part", " - 1 . 5 e 2 ", -150.0},
        {"carriage return stops", "4\r2", 4.0},
        {"no-break space stops", "4\u00A02", 4.0},
        {"hex prefix is not read", "&H1F", 0.0},
        {"octal prefix is not read", "&O17", 0.0},
        {"0x reads the zero", "0x1F", 0.0},
        {"beyond the range saturates", "1e400", kLargest},
        {"beyond the range, negative", "-1e400", -kLargest},
        {"huge exponent", "1e99999999999999999999999", kLargest},
        {"below the smallest reads zero", "1e-400", 0.0},
        {"tiny with many zeros", "0.0000000001e-320", 0.0},
        {"zero with a huge exponent", "0e99999", 0.0},
        {"smallest subnormal", "5e-324", 5e-324},
        {"400 digits", std::string(400, '9'), kLargest},
        {"400 digits after the point", "0." + std::string(398, '0') + "1", 0.0},
        {"Cyrillic", "дванадесет", 0.0},
        {"full-width digits", "\uFF11\uFF12", 0.0},
        {"Arabic-Indic digits", "\u0661\u0662", 0.0},
        {"digits then an emoji", "3\U0001F600", 3.0},
    }};
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK(game::readScore(row.text) == row.value);
    }
}

TEST_CASE("the reader is finite for any bytes, and what it reads writes back")
{
    std::mt19937 gen(7);
    const std::string alphabet = "0123456789+-.eE \t\n,&Hx\xD0\x9A\xFF";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(gen); n > 0; --n)
            text += alphabet[pick(gen)];
        CAPTURE(text);
        const double v = game::readScore(text);
        REQUIRE(std::isfinite(v));
        REQUIRE(game::readScore(game::writeScore(v)) == v);
    }
}

TEST_CASE("the writer gives plain digits for integers")
{
    struct Row {
        double value;
        const char* text;
    };
    const std::array<Row, 8> rows{{
        {0.0, "0"},
        {-0.0, "0"},
        {2.0, "2"},
        {-17.0, "-17"},
        {999999999999999.0, "999999999999999"},
        {0.5, "0.5"},
        {1e15, "1e+15"},
        {kLargest, "1.7976931348623157e+308"},
    }};
    for (const Row& row : rows)
        CHECK(game::writeScore(row.value) == row.text);
}

TEST_CASE("written scores read back exactly")
{
    // Over integers, fractions, and raw bit patterns of every magnitude.
    std::mt19937_64 gen(99);
    for (int i = 0; i < 100000; ++i) {
        double v = 0;
        switch (i % 3) {
        case 0: v = double(std::int64_t(gen() % 2000000000000000ull) - 1000000000000000ll); break;
        case 1: v = double(std::int64_t(gen() % 100000)) / 64.0 - 500.0; break;
        default: {
            const std::uint64_t bits = gen();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isfinite(v))
                continue;
        }
        }
        const std::string text = game::writeScore(v);
        CAPTURE(text);
        REQUIRE(text.find(' ') == std::string::npos);
        REQUIRE(game::readScore(text) == v);
    }
}

TEST_CASE("scores are written with a point whatever the C locale's decimal point")
{
    // A toolkit may switch the C locale to the user's, whose decimal point
    // may be a comma; the text must still read back.
    // The build makes one (named here) where the system has none.
    const char* made = std::getenv("MORVETA_COMMA_LOCALE");
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {made ? made : "bg_BG.UTF-8", "ru_RU.UTF-8", "de_DE.UTF-8",
                             "Bulgarian_Bulgaria.1251", "German_Germany.1252", "bg-BG"}) {
        if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point != '.') {
            chosen = name;
            break;
        }
    }
    REQUIRE_MESSAGE((chosen || !made), "the locale the build made cannot be set: ", made);
    if (!chosen) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        WARN_MESSAGE(false, "skipped: no locale with another decimal point is installed here");
        return;
    }
    const std::string locale = chosen;
    CAPTURE(locale);
    CHECK(game::writeScore(2.5) == "2.5");
    CHECK(game::writeScore(-0.1) == "-0.1");
    CHECK(game::writeScore(1.5e300) == "1.5e+300");
    CHECK(game::readScore(game::writeScore(0.1 + 0.2)) == 0.1 + 0.2);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST_CASE("text on the design's faces stays readable under any desktop scheme")
{
    constexpr ui::Rgb black{0, 0, 0};
    constexpr ui::Rgb white{255, 255, 255};
    constexpr ui::Rgb darkSchemeText{224, 224, 224};
    struct Row {
        const char* name;
        ui::Rgb face, desktop, expected;
    };
    const std::array<Row, 9> rows{{
        {"light scheme: black stays on peach", ui::kLabelColour, black, black},
        {"light scheme: black stays on magenta (4.0:1)", ui::kComputerFirstColour, black, black},
        {"light scheme: black stays on the pick colour", ui::PickColour, black, black},
        {"dark scheme: pale text on peach turns black", ui::kLabelColour, darkSchemeText, black},
        {"dark scheme: pale text on green turns black", ui::kNewColour, darkSchemeText, black},
        {"dark scheme: pale text stays on red (3.0:1)", ui::kClearColour, darkSchemeText,
         darkSchemeText},
        {"dark scheme: white stays on magenta (5.3:1)", ui::kComputerFirstColour, white, white},
        {"dark scheme: pale text on the idle green turns black", ui::IdleColour, darkSchemeText,
         black},
        {"a dark text colour on a dark face turns white", ui::Rgb{20, 20, 60}, ui::Rgb{40, 40, 40},
         white},
    }};
    for (const Row& row : rows) {
        const std::string name = row.name;
        CAPTURE(name);
        const ui::Rgb text = ui::textColourOn(row.face, row.desktop);
        CHECK(text == row.expected);
    }
    CHECK(ui::contrast(black, white) == doctest::Approx(21.0));
    CHECK(ui::contrast(ui::kComputerFirstColour, black) == doctest::Approx(4.0).epsilon(0.02));
}
