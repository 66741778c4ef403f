// The handwriting search over built libraries, the writing harness it is tested with, and the
// generated database written along KanjiVG's own paths.
#include "handwriting/HandwritingSearch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "kanjidb/MousePoints.h"
#include "kanjidb/StrokeClassifier.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"
#include "support/WritingHarness.h"

namespace brushly {
namespace {

using testing::Segment;

// A stroke list of one-segment horizontal strokes of type 1, 20 px apart from y = 20.
CKanjiStrokes Horizontals(int count) {
    CKanjiStrokes strokes;
    for (int i = 0; i < count; ++i)
        strokes.Append(*Segment(20, 20 + 20 * i, 180, 20 + 20 * i, kStraight, 1));
    return strokes;
}

// A one-stroke list: a segment from (20, y) to (180, y) of the given type.
CKanjiStrokes Line(int y, int type) {
    CKanjiStrokes strokes;
    strokes.Append(*Segment(20, y, 180, y, type, 1));
    return strokes;
}

void AddStrokes(CKanjiLibrary& library, int group, const CKanjiStrokes& strokes) {
    auto record = std::make_unique<CKanjiData>();
    record->strokes = strokes;
    library.AddKanji(group, std::move(record));
}

std::vector<int> Groups(const std::vector<CCandidate>& candidates) {
    std::vector<int> groups;
    for (const CCandidate& candidate : candidates)
        groups.push_back(candidate.group);
    return groups;
}

// Every group 1 to 24 holds one kanji with the same strokes as `drawn`, so all score alike.
std::unique_ptr<CKanjiLibrary> AlikeInEveryGroup(const CKanjiStrokes& drawn) {
    auto library = std::make_unique<CKanjiLibrary>();
    for (int group = 1; group <= CKanjiLibrary::kKanjiGroups; ++group)
        AddStrokes(*library, group, drawn);
    return library;
}

TEST(HandwritingSearch, VisitsTheGroupsOutwardsAndTiesKeepTheirOrder) {
    const CKanjiStrokes drawn = Horizontals(6);
    const auto library = AlikeInEveryGroup(drawn);
    std::vector<CCandidate> result;
    BestMatchesByStrokes(*library, drawn, 30, result);
    // Pass one: 6, 7, 5; pass two adds 8, 4, ... out to 11 and 1, each kanji once.
    EXPECT_EQ(Groups(result), (std::vector<int>{6, 7, 5, 8, 4, 9, 3, 10, 2, 11, 1}));
    for (const CCandidate& candidate : result) {
        EXPECT_EQ(candidate.index, 0);
        EXPECT_EQ(candidate.score, 996);  // 6 x (1000 / 6)
    }
}

TEST(HandwritingSearch, SkipsGroupsOutsideOneToTwentyFourWithoutEndingEarly) {
    const CKanjiStrokes low = Horizontals(2);
    std::vector<CCandidate> result;
    BestMatchesByStrokes(*AlikeInEveryGroup(low), low, 30, result);
    EXPECT_EQ(Groups(result), (std::vector<int>{2, 3, 1, 4, 5, 6, 7}));

    CKanjiStrokes high;
    for (int i = 0; i < 23; ++i)
        high.Append(*Segment(20, 5 + 8 * i, 180, 5 + 8 * i, kStraight, 1));
    BestMatchesByStrokes(*AlikeInEveryGroup(high), high, 30, result);
    EXPECT_EQ(Groups(result), (std::vector<int>{23, 24, 22, 21, 20, 19, 18}));
}

TEST(HandwritingSearch, TheTwoPassesTakeDifferentCandidates) {
    const CKanjiStrokes drawn = Line(100, kStraight);
    CKanjiLibrary library;
    AddStrokes(library, 1, Line(135, kStraight));  // 35 px off: close only for pass one, 825
    AddStrokes(library, 1, Line(100, 21));         // a curve in place: 600, only above 400
    AddStrokes(library, 1, Line(100, 0));          // type 0: 200, never
    AddStrokes(library, 4, Line(100, kStraight));  // three groups off: pass two only, 1000
    AddStrokes(library, 7, Line(100, kStraight));  // six groups off: never visited
    std::vector<CCandidate> result;
    BestMatchesByStrokes(library, drawn, 10, result);
    EXPECT_EQ(result, (std::vector<CCandidate>{{4, 0, 1000}, {1, 0, 825}, {1, 1, 600}}));
}

TEST(HandwritingSearch, HonoursTheMaximum) {
    const CKanjiStrokes drawn = Horizontals(3);
    const auto library = AlikeInEveryGroup(drawn);
    std::vector<CCandidate> result{{9, 9, 9}};
    BestMatchesByStrokes(*library, drawn, 3, result);
    // Pass one fills the list with 3, 4, 2; pass two starts from the full list's 999, which
    // none of the other groups beats.
    EXPECT_EQ(Groups(result), (std::vector<int>{3, 4, 2}));
    BestMatchesByStrokes(*library, drawn, 0, result);
    EXPECT_TRUE(result.empty());
}

TEST(HandwritingSearch, ABetterCandidateDisplacesTheLastOfAFullList) {
    const CKanjiStrokes drawn = Line(100, kStraight);
    CKanjiLibrary library;
    AddStrokes(library, 1, Line(135, kStraight));  // 825
    AddStrokes(library, 1, Line(130, kStraight));  // 850
    AddStrokes(library, 2, Line(100, kStraight));  // 1000
    std::vector<CCandidate> result;
    BestMatchesByStrokes(library, drawn, 2, result);
    EXPECT_EQ(result, (std::vector<CCandidate>{{2, 0, 1000}, {1, 1, 850}}));
}

TEST(HandwritingSearch, TheSecondPassNeverDisplacesABetterEntryOfAFullList) {
    const CKanjiStrokes drawn = Line(100, kStraight);
    CKanjiLibrary library;
    AddStrokes(library, 1, Line(135, kStraight));  // 825 in pass one, fills the list
    AddStrokes(library, 3, Line(100, 21));         // 600 in pass two: above 400, below 825
    AddStrokes(library, 4, Line(100, kStraight));  // 1000 in pass two
    std::vector<CCandidate> result;
    BestMatchesByStrokes(library, drawn, 1, result);
    EXPECT_EQ(result, (std::vector<CCandidate>{{4, 0, 1000}}));
    // With room to spare the second pass still takes what scores above its own minimum.
    BestMatchesByStrokes(library, drawn, 3, result);
    EXPECT_EQ(result, (std::vector<CCandidate>{{4, 0, 1000}, {1, 0, 825}, {3, 0, 600}}));
}

TEST(HandwritingSearch, EmptyAndOverlongDrawings) {
    const auto library = testing::MakeSmallKanjiLibrary();
    std::vector<CCandidate> result{{1, 0, 1}};
    BestMatchesByStrokes(*library, CKanjiStrokes{}, 10, result);
    EXPECT_TRUE(result.empty());

    // A continuation without a stroke start searches from group 1.
    CKanjiStrokes headless;
    headless.Append(*Segment(10, 100, 190, 100, kStraight, 0));
    BestMatchesByStrokes(*library, headless, 10, result);
    ASSERT_FALSE(result.empty());
    EXPECT_EQ(result.front().group, 1);

    // Thirty strokes search from group 24, which holds the kanji of more strokes.
    const CKanjiStrokes many = [] {
        CKanjiStrokes strokes;
        for (int i = 0; i < 30; ++i)
            strokes.Append(*Segment(20, 5 + 6 * i, 180, 5 + 6 * i, kStraight, 1));
        return strokes;
    }();
    auto deep = std::make_unique<CKanjiLibrary>();
    AddStrokes(*deep, 24, many);
    AddStrokes(*deep, 18, many);
    BestMatchesByStrokes(*deep, many, 10, result);
    EXPECT_EQ(Groups(result), (std::vector<int>{24}));
}

// Characters of straight strokes in KanjiVG's format (109 x 109 view box).
struct CSvgCharacter {
    const char* character;
    const char* paths;
};

constexpr CSvgCharacter kSvgCharacters[] = {
    {"一", R"(<path d="M15,55L94,55"/>)"},
    {"二", R"(<path d="M25,30L84,30"/><path d="M15,85L94,85"/>)"},
    {"十", R"(<path d="M15,50L94,50"/><path d="M54.5,15L54.5,95"/>)"},
    {"三", R"(<path d="M22,22L87,22"/><path d="M30,55L79,55"/><path d="M15,90L94,90"/>)"},
    {"工", R"(<path d="M22,22L87,22"/><path d="M54.5,22L54.5,90"/><path d="M15,90L94,90"/>)"},
    {"土", R"(<path d="M25,45L84,45"/><path d="M54.5,15L54.5,90"/><path d="M15,90L94,90"/>)"},
    {"王",
     R"(<path d="M25,20L84,20"/><path d="M30,55L79,55"/><path d="M54.5,20L54.5,90"/><path d="M15,90L94,90"/>)"},
};

std::vector<kanjidb::CVgStroke> SvgStrokes(const CSvgCharacter& character) {
    const std::string svg = std::string(R"(<svg xmlns="http://www.w3.org/2000/svg"><g>)") +
                            character.paths + "</g></svg>";
    return kanjidb::ParseKanjiVg(svg).value();
}

// The characters above as the database generator types them.
std::unique_ptr<CKanjiLibrary> StraightStrokeLibrary() {
    auto library = std::make_unique<CKanjiLibrary>();
    kanjidb::CStrokeReport report;
    for (const CSvgCharacter& character : kSvgCharacters) {
        auto record = std::make_unique<CKanjiData>();
        record->character = sjis::FromUtf8(character.character);
        record->strokes = kanjidb::ClassifyStrokes(SvgStrokes(character), report);
        const int group = record->strokes.StrokeCount();
        library->AddKanji(group, std::move(record));
    }
    return library;
}

// Whether the search puts character first when it is written with the given options.
void ExpectFoundFirst(const CKanjiLibrary& library, const CSvgCharacter& character,
                      const testing::CHarnessOptions& options) {
    const CKanjiStrokes drawn =
        testing::RecogniseWriting(testing::WriteAlongPaths(SvgStrokes(character), options));
    std::vector<CCandidate> result;
    BestMatchesByStrokes(library, drawn, 10, result);
    ASSERT_FALSE(result.empty()) << character.character;
    const CKanjiRef found = library.FindByCharacter(sjis::FromUtf8(character.character));
    EXPECT_EQ(result.front().group, found.group) << character.character;
    EXPECT_EQ(result.front().index, found.index) << character.character;
}

TEST(HandwritingSearch, FindsTheWrittenCharacterFirst) {
    const auto library = StraightStrokeLibrary();
    // Smaller and off-centre.
    for (const CSvgCharacter& character : kSvgCharacters)
        ExpectFoundFirst(*library, character, {.scale = 0.9, .offset = {4.0, -3.0}});
    // An unsteady hand: a pixel of jitter already turns a vertical into a bent start (code 15
    // and 3), so only the characters of horizontal strokes are written that way.
    for (const int i : {0, 1, 3})
        ExpectFoundFirst(*library, kSvgCharacters[i], {.jitter = 1, .seed = 7});
}

TEST(WritingHarness, WritesAlongTheGeneratorsSamples) {
    const std::vector<kanjidb::CVgStroke> strokes = SvgStrokes(kSvgCharacters[3]);
    const auto written = testing::WriteAlongPaths(strokes);
    ASSERT_EQ(written.size(), strokes.size());
    for (std::size_t i = 0; i < strokes.size(); ++i)
        EXPECT_EQ(written[i], kanjidb::MousePoints(strokes[i].points));

    kanjidb::CStrokeReport report;
    const CKanjiStrokes drawn = testing::RecogniseWriting(written);
    const CKanjiStrokes generated = kanjidb::ClassifyStrokes(strokes, report);
    ASSERT_EQ(drawn.Size(), generated.Size());
    EXPECT_EQ(drawn.StrokeCount(), 3);
    for (std::size_t i = 0; i < drawn.Size(); ++i) {
        EXPECT_EQ(drawn[i].start, generated[i].start);
        EXPECT_EQ(drawn[i].end, generated[i].end);
        EXPECT_EQ(drawn[i].newStroke, generated[i].newStroke);
    }
}

TEST(WritingHarness, ScalesAboutTheCentreMovesAndJittersRepeatably) {
    const kanjidb::CVgStroke stroke{"", {{95.0, 84.0}, {135.0, 84.0}}};
    const auto scaled = testing::WriteAlongPaths({stroke}, {.scale = 0.5, .offset = {2.0, 3.0}});
    ASSERT_FALSE(scaled[0].empty());
    EXPECT_EQ(scaled[0].front(), (CPoint{97, 87}));
    EXPECT_EQ(scaled[0].back(), (CPoint{117, 87}));

    const testing::CHarnessOptions noisy{.jitter = 3, .seed = 11};
    const auto first = testing::WriteAlongPaths({stroke}, noisy);
    EXPECT_EQ(first, testing::WriteAlongPaths({stroke}, noisy));
    const auto plain = testing::WriteAlongPaths({stroke});
    ASSERT_EQ(first[0].size(), plain[0].size());
    bool moved = false;
    for (std::size_t i = 0; i < plain[0].size(); ++i) {
        EXPECT_LE(std::abs(first[0][i].x - plain[0][i].x), 3);
        EXPECT_LE(std::abs(first[0][i].y - plain[0][i].y), 3);
        moved = moved || first[0][i] != plain[0][i];
    }
    EXPECT_TRUE(moved);
}

// A path along a straight line, a point every 3 px.
std::vector<CPoint> PathAlong(CPoint from, CPoint to) {
    std::vector<CPoint> path;
    const int steps = static_cast<int>(std::hypot(to.x - from.x, to.y - from.y) / 3.0);
    for (int step = 0; step <= steps; ++step) {
        path.push_back(
            {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
    }
    return path;
}

// 十 as drawn: the horizontal, then the vertical, with their paths.
CDrawnStrokes DrawnTen() {
    CDrawnStrokes drawn;
    drawn.segments.Append(*Segment(40, 100, 160, 100, kStraightNoArrow, 1));
    drawn.segments.Append(*Segment(100, 40, 100, 160, kStraightNoArrow, 1));
    drawn.paths = {PathAlong({40, 100}, {160, 100}), PathAlong({100, 40}, {100, 160})};
    return drawn;
}

TEST(HandwritingSearchWithPaths, WhatTheBoxWouldTakeInTheDrawnOrderComesFirst) {
    const CDrawnStrokes drawn = DrawnTen();
    CKanjiLibrary library;
    // The drawn strokes in the other order: the best score, as the score ignores the order.
    CKanjiStrokes reversed;
    reversed.Append(drawn.segments[1]);
    reversed.Append(drawn.segments[0]);
    AddStrokes(library, 2, reversed);
    // In the drawn order, 12 px lower and 12 px to the right.
    CKanjiStrokes moved;
    moved.Append(*Segment(52, 112, 172, 112, kStraightNoArrow, 1));
    moved.Append(*Segment(112, 52, 112, 172, kStraightNoArrow, 1));
    AddStrokes(library, 2, moved);
    // In the drawn order, 6 px lower.
    CKanjiStrokes lower;
    lower.Append(*Segment(40, 106, 160, 106, kStraightNoArrow, 1));
    lower.Append(*Segment(100, 46, 100, 166, kStraightNoArrow, 1));
    AddStrokes(library, 2, lower);

    std::vector<CCandidate> byScore;
    BestMatchesByStrokes(library, drawn.segments, 10, byScore);
    ASSERT_EQ(byScore.size(), 3u);
    EXPECT_EQ(byScore.front().index, 0);

    std::vector<CCandidate> result;
    BestMatchesByPaths(library, drawn, 10, result);
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0].index, 2);
    EXPECT_EQ(result[1].index, 1);
    EXPECT_EQ(result[2].index, 0);
    EXPECT_EQ(result[0].score, byScore[1].score);  // candidates keep their scores

    BestMatchesByPaths(library, drawn, 1, result);
    EXPECT_EQ(result, std::vector<CCandidate>{byScore[1]});
}

TEST(HandwritingSearchWithPaths, WithoutAFollowedCandidateTheScoreOrderStands) {
    CDrawnStrokes drawn = DrawnTen();
    const auto library = testing::MakeSmallKanjiLibrary();
    std::vector<CCandidate> byScore;
    BestMatchesByStrokes(*library, drawn.segments, kRerankDepth, byScore);
    // Paths far from every candidate: nothing is followed.
    drawn.paths = {PathAlong({0, 0}, {10, 10}), PathAlong({0, 190}, {10, 199})};
    std::vector<CCandidate> result;
    BestMatchesByPaths(*library, drawn, kRerankDepth, result);
    EXPECT_EQ(result, byScore);
    BestMatchesByPaths(*library, CDrawnStrokes{}, 10, result);
    EXPECT_TRUE(result.empty());
}

// The generated database searched with every jouyou kanji, each written
// along its own KanjiVG paths. Skips without the generated data; in CI it must be there.
TEST(RealHandwritingSearch, FindsWrittenJouyouKanji) {
    const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
    const std::filesystem::path kanjiVg = testing::KanjiVgDirectory();
    BRUSHLY_REQUIRE_REAL_DATA(
        std::filesystem::exists(file) && std::filesystem::is_directory(kanjiVg),
        "generated kanji data");
    CKanjiLibrary library;
    CScriptedPrompter prompter;
    ASSERT_TRUE(library.Load(file.string(), prompter));

    std::vector<CKanjiRef> kanji;
    library.SelectByKey(kKeyGrade, 1, 8, &kanji);
    ASSERT_GT(kanji.size(), 2000u);
    const std::size_t kWritten = kanji.size();

    int first = 0;
    int topTen = 0;
    std::string missed;
    for (const CKanjiRef& ref : kanji) {
        const auto strokes = testing::ReadKanjiVgCharacter(kanjiVg, ref.record->character);
        ASSERT_TRUE(strokes) << sjis::ToUtf8(ref.record->character);
        const CKanjiStrokes drawn = testing::RecogniseWriting(testing::WriteAlongPaths(*strokes));
        std::vector<CCandidate> result;
        BestMatchesByStrokes(library, drawn, 10, result);
        for (std::size_t i = 0; i < result.size(); ++i) {
            if (result[i].group != ref.group || result[i].index != ref.index) continue;
            first += i == 0 ? 1 : 0;
            ++topTen;
            break;
        }
        if (result.empty() || result.front().group != ref.group ||
            result.front().index != ref.index)
            missed += sjis::ToUtf8(ref.record->character);
    }
    std::printf("written %zu: first %d (%.1f%%), among the first ten %d (%.1f%%); not first: %s\n",
                kWritten, first, 100.0 * first / kWritten, topTen, 100.0 * topTen / kWritten,
                missed.c_str());
    EXPECT_GE(first * 100.0, kWritten * 98.0);
    EXPECT_GE(topTen * 1000.0, kWritten * 999.0);
}

}  // namespace
}  // namespace brushly
