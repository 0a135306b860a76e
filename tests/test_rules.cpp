// The rules library on its own: the computer's pick, the judgement, the
// history line and the score text.
#include "moves.h"
#include "round.h"
#include "score_text.h"

#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using game::MoveIndex;

Q_DECLARE_METATYPE(MoveIndex)

namespace {

MoveIndex mv(int i) { return static_cast<MoveIndex>(i); }

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void pickRoundsHalvesToEven_data();
    void pickRoundsHalvesToEven();
    void unitNumbersStayBelowOne();
    void pickIsRoughlyUniform();

    void beatsFollowsTheCircle();
    void judgeScoresEveryPairing_data();
    void judgeScoresEveryPairing();
    void everyRoundHandsOutTwoPoints();

    void historyLineUsesTheMoveTexts_data();
    void historyLineUsesTheMoveTexts();

    void readerTakesTheLeadingNumber_data();
    void readerTakesTheLeadingNumber();
    void readerIsFiniteForAnyBytes();
    void writerGivesPlainDigitsForIntegers_data();
    void writerGivesPlainDigitsForIntegers();
    void writtenScoresReadBackExactly();
};

void TestRules::pickRoundsHalvesToEven_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("move");
    QTest::newRow("62.5 rounds down to 62") << 0.0625f << 2;
    QTest::newRow("312.5 rounds down to 312") << 0.3125f << 0;
    QTest::newRow("187.5 rounds up to 188") << 0.1875f << 2;
    QTest::newRow("largest float below one gives 1000") << std::nextafter(1.0f, 0.0f) << 1;
    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("0.0004 rounds to 0") << 0.0004f << 0;
    QTest::newRow("0.0006 rounds to 1") << 0.0006f << 1;
    QTest::newRow("0.5 gives 500") << 0.5f << 2;
}

void TestRules::pickRoundsHalvesToEven()
{
    QFETCH(float, r);
    QFETCH(int, move);
    QCOMPARE(game::toInt(game::pickFromUnit(r)), move);
}

void TestRules::unitNumbersStayBelowOne()
{
    QCOMPARE(game::unitFromBits(0), 0.0f);
    QCOMPARE(game::unitFromBits(0xFFFFFFFFu), std::nextafter(1.0f, 0.0f));
    QVERIFY(game::unitFromBits(0x80000000u) == 0.5f);
}

void TestRules::pickIsRoughlyUniform()
{
    // 0..1000 holds 334 multiples of 3 and 334 numbers 1 mod 3 but only 333
    // numbers 2 mod 3, so each move comes out close to a third.
    std::mt19937 gen(12345);
    std::array<int, 3> counts{};
    constexpr int draws = 30000;
    for (int i = 0; i < draws; ++i) {
        const MoveIndex m =
            game::pickFromUnit(game::unitFromBits(static_cast<std::uint32_t>(gen())));
        QVERIFY(game::isMove(m));
        ++counts[std::size_t(game::toInt(m))];
    }
    for (int c : counts)
        QVERIFY2(std::abs(c - draws / 3) < draws / 30, qPrintable(QString::number(c)));
}

void TestRules::beatsFollowsTheCircle()
{
    QVERIFY(game::beats(MoveIndex::Rock, MoveIndex::Scissors));
    QVERIFY(game::beats(MoveIndex::Scissors, MoveIndex::Paper));
    QVERIFY(game::beats(MoveIndex::Paper, MoveIndex::Rock));
    for (MoveIndex m : game::kMoves) {
        QVERIFY(!game::beats(m, m));
        QVERIFY(game::beats(game::beaterOf(m), m));
        QVERIFY(!game::beats(m, game::beaterOf(m)));
    }
    QVERIFY(!game::beats(mv(3), MoveIndex::Rock));
    QVERIFY(!game::beats(MoveIndex::Paper, mv(-1)));
}

void TestRules::judgeScoresEveryPairing_data()
{
    QTest::addColumn<int>("computer");
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("playerPoints");
    QTest::addColumn<int>("computerPoints");
    QTest::newRow("rock draws rock") << 0 << 0 << 1 << 1;
    QTest::newRow("scissors draw scissors") << 1 << 1 << 1 << 1;
    QTest::newRow("paper draws paper") << 2 << 2 << 1 << 1;
    QTest::newRow("player rock beats scissors") << 1 << 0 << 2 << 0;
    QTest::newRow("computer rock beats scissors") << 0 << 1 << 0 << 2;
    QTest::newRow("computer paper beats rock") << 2 << 0 << 0 << 2;
    QTest::newRow("player paper beats rock") << 0 << 2 << 2 << 0;
    QTest::newRow("player scissors beat paper") << 2 << 1 << 2 << 0;
    QTest::newRow("computer scissors beat paper") << 1 << 2 << 0 << 2;
    QTest::newRow("computer out of range scores nobody") << 3 << 0 << 0 << 0;
    QTest::newRow("player out of range scores nobody") << 1 << -1 << 0 << 0;
    QTest::newRow("equal values outside the moves draw") << 7 << 7 << 1 << 1;
}

void TestRules::judgeScoresEveryPairing()
{
    QFETCH(int, computer);
    QFETCH(int, player);
    QFETCH(int, playerPoints);
    QFETCH(int, computerPoints);
    const game::Points p = game::judge(mv(computer), mv(player));
    QCOMPARE(p.player, playerPoints);
    QCOMPARE(p.computer, computerPoints);
}

void TestRules::everyRoundHandsOutTwoPoints()
{
    for (MoveIndex c : game::kMoves)
        for (MoveIndex p : game::kMoves) {
            const game::Points points = game::judge(c, p);
            QCOMPARE(points.player + points.computer, 2);
        }
}

void TestRules::historyLineUsesTheMoveTexts_data()
{
    QTest::addColumn<int>("computer");
    QTest::addColumn<int>("player");
    QTest::addColumn<QString>("line");
    QTest::newRow("rock v paper") << 0 << 2
                                  << QStringLiteral("Компютър: Камък       : Играч: Хартия ");
    QTest::newRow("paper v rock") << 2 << 0
                                  << QStringLiteral("Компютър: Хартия      : Играч: Камък    ");
    QTest::newRow("scissors v scissors")
        << 1 << 1 << QStringLiteral("Компютър: Ножица    : Играч: Ножица   ");
    QTest::newRow("rock v rock") << 0 << 0
                                 << QStringLiteral("Компютър: Камък       : Играч: Камък    ");
    QTest::newRow("unknown moves give empty texts")
        << 5 << -1 << QStringLiteral("Компютър:  : Играч: ");
}

void TestRules::historyLineUsesTheMoveTexts()
{
    QFETCH(int, computer);
    QFETCH(int, player);
    QFETCH(QString, line);
    QCOMPARE(utf8(game::historyLine(mv(computer), mv(player))), line);
}

void TestRules::readerTakesTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    const double largest = std::numeric_limits<double>::max();
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("blank inside digits") << "1 2" << 12.0;
    QTest::newRow("number then a word") << "5 думи" << 5.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("comma stops the number") << "1,5" << 1.0;
    QTest::newRow("comma first") << ",5" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("e without digits") << "12e" << 12.0;
    QTest::newRow("e and sign without digits") << "12e+" << 12.0;
    QTest::newRow("negative zero") << "-0" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("tabs and line feeds skipped") << "\t\n 4\t2\n" << 42.0;
    QTest::newRow("blanks between every part") << " - 1 . 5 e 2 " << -150.0;
    QTest::newRow("carriage return stops") << "4\r2" << 4.0;
    QTest::newRow("no-break space stops") << "4\u00A02" << 4.0;
    QTest::newRow("hex prefix is not read") << "&H1F" << 0.0;
    QTest::newRow("octal prefix is not read") << "&O17" << 0.0;
    QTest::newRow("0x reads the zero") << "0x1F" << 0.0;
    QTest::newRow("beyond the range saturates") << "1e400" << largest;
    QTest::newRow("beyond the range, negative") << "-1e400" << -largest;
    QTest::newRow("huge exponent") << "1e99999999999999999999999" << largest;
    QTest::newRow("below the smallest reads zero") << "1e-400" << 0.0;
    QTest::newRow("tiny with many zeros") << "0.0000000001e-320" << 0.0;
    QTest::newRow("zero with a huge exponent") << "0e99999" << 0.0;
    QTest::newRow("smallest subnormal") << "5e-324" << 5e-324;
    QTest::newRow("400 digits") << QString(400, u'9') << largest;
    QTest::newRow("400 digits after the point")
        << QStringLiteral("0.") + QString(398, u'0') + QStringLiteral("1") << 0.0;
    QTest::newRow("Cyrillic") << "дванадесет" << 0.0;
    QTest::newRow("full-width digits") << "\uFF11\uFF12" << 0.0;
    QTest::newRow("Arabic-Indic digits") << "\u0661\u0662" << 0.0;
    QTest::newRow("digits then an emoji") << "3\U0001F600" << 3.0;
}

void TestRules::readerTakesTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(game::readScore(text.toStdString()), value);
}

void TestRules::readerIsFiniteForAnyBytes()
{
    std::mt19937 gen(7);
    const std::string alphabet = "0123456789+-.eE \t\n,&Hx\xD0\x9A\xFF";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (int n = length(gen); n > 0; --n)
            text += alphabet[pick(gen)];
        const double v = game::readScore(text);
        QVERIFY2(std::isfinite(v), text.c_str());
        QCOMPARE(game::readScore(game::writeScore(v)), v);
    }
}

void TestRules::writerGivesPlainDigitsForIntegers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("two") << 2.0 << "2";
    QTest::newRow("negative") << -17.0 << "-17";
    QTest::newRow("just below 1e15") << 999999999999999.0 << "999999999999999";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("1e15 is left to the shortest form") << 1e15 << "1e+15";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "1.7976931348623157e+308";
}

void TestRules::writerGivesPlainDigitsForIntegers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(utf8(game::writeScore(value)), text);
}

void TestRules::writtenScoresReadBackExactly()
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
        QVERIFY2(text.find(' ') == std::string::npos, text.c_str());
        QVERIFY2(game::readScore(text) == v, text.c_str());
    }
}

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
