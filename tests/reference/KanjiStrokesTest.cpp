// Stroke segments and stroke lists: type names, stroke indexing, copying and the stream
// form.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "archive/CArchive.h"
#include "archive/CMemFile.h"
#include "reference/CKanjiStrokes.h"
#include "reference/CStrokeData.h"
#include "reference/StrokeTestUtil.h"
#include "reference/StrokeType.h"
#include "support/ExpectedBytes.h"

namespace brushly {
namespace {

using namespace testing;
using Cause = CArchiveException::Cause;

std::string SegmentBody(const CStrokeData& segment) {
    return Int32(segment.start.x) + Int32(segment.start.y) + Int32(segment.end.x) +
           Int32(segment.end.y) + Int32(segment.type) + Int32(segment.newStroke);
}

const std::string kStrokeDataClass = Bytes({0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}) + "CStrokeData";

std::string Store(CKanjiStrokes& strokes) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    strokes.Serialize(archive);
    archive.Close();
    return file.Bytes();
}

CClassRegistry StrokeRegistry() {
    CClassRegistry registry;
    registry.Register(CStrokeData::kRuntimeClass);
    return registry;
}

// Loads a list from bytes; returns the bytes left unread.
std::uint64_t Load(const std::string& bytes, CKanjiStrokes& strokes) {
    const CClassRegistry registry = StrokeRegistry();
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    strokes.Serialize(archive);
    return archive.BytesLeft();
}

Cause LoadFailure(const std::string& bytes, CKanjiStrokes& strokes) {
    try {
        Load(bytes, strokes);
    } catch (const CArchiveException& error) {
        return error.GetCause();
    }
    ADD_FAILURE() << "the load did not fail";
    return Cause::Generic;
}

// --- Stroke types ---------------------------------------------------------------------

TEST(StrokeTypes, EveryCodeHasItsName) {
    const std::array<const char*, 38> names{
        "CHOOK",
        "STR",
        "STR-half arrow",
        "Str-no arrow",
        "Str-rectonly",
        "str-half-rectonly",
        "str-noarrow-rectonly",
        "str-norect",
        "str-boxbegin",
        "str-boxend",
        "str-aftercurve",
        "teardrop",
        "Lhook_begin",
        "Lhook-end",
        "L-nohook-end",
        "str-bc",
        "str-bsc",
        "curve-ve",
        "extracurve-ve",
        "sharpcurve-ve",
        "extrasharpcurve-ve",
        "curve",
        "extracurve",
        "curve-flush",
        "extracurve-flush",
        "sharpcurve",
        "extrasharpcurve",
        "supersharpcurve",
        "sharpcurve-flush",
        "extrasharpcurve-flush",
        "supersharpcurve-flush",
        "curve-flush-mir",
        "extracurveflush-mir",
        "sharpcurve-flush-mir",
        "extrasharpcurve-flush-mir",
        "comp-stroke",
        "hook",
        "hookstem",
    };
    ASSERT_EQ(kStrokeTypeCount, 38);
    for (int code = 0; code < kStrokeTypeCount; ++code)
        EXPECT_EQ(StrokeTypeName(code), names[static_cast<std::size_t>(code)]) << code;
}

TEST(StrokeTypes, AnyOtherValueIsNoType) {
    for (int code : {-1, 38, 39, 1000, INT_MIN, INT_MAX})
        EXPECT_EQ(StrokeTypeName(code), "no type") << code;
}

TEST(StrokeTypes, NamedConstantsHaveTheStoredCodes) {
    EXPECT_EQ(kNoType, -1);
    EXPECT_EQ(kChook, 0);
    EXPECT_EQ(kStraight, 1);
    EXPECT_EQ(kStraightNoArrow, 3);
    EXPECT_EQ(kStraightNoRect, 7);
    EXPECT_EQ(kBoxBegin, 8);
    EXPECT_EQ(kBoxEnd, 9);
    EXPECT_EQ(kAfterCurve, 10);
    EXPECT_EQ(kLHookBegin, 12);
    EXPECT_EQ(kLHookEnd, 13);
    EXPECT_EQ(kLNoHookEnd, 14);
    EXPECT_EQ(kStraightBc, 15);
    EXPECT_EQ(kExtraSharpCurveVe, 20);
    EXPECT_EQ(kExtraSharpCurveFlushMir, 34);
    EXPECT_EQ(kCompStroke, 35);
    EXPECT_EQ(kHook, 36);
    EXPECT_EQ(kHookStem, 37);
}

// --- Segments -------------------------------------------------------------------------

TEST(StrokeData, FreshSegmentIsAtTheOriginWithNoType) {
    const CStrokeData segment;
    EXPECT_EQ(Fields(segment), std::make_tuple(0, 0, 0, 0, -1, 0));
    EXPECT_EQ(StrokeTypeName(segment.type), "no type");
}

TEST(StrokeData, CopyingCopiesAllSixFields) {
    const CStrokeData original = Segment(kHook, 1, {1, 2}, {3, 4});
    CStrokeData copy = original;
    EXPECT_EQ(Fields(copy), Fields(original));
    copy.end.y = 99;
    EXPECT_EQ(original.end.y, 4);
    CStrokeData assigned;
    assigned = original;
    EXPECT_EQ(Fields(assigned), Fields(original));
}

TEST(StrokeData, PointsCompareByBothCoordinates) {
    EXPECT_EQ((CPoint{3, 4}), (CPoint{3, 4}));
    EXPECT_NE((CPoint{3, 4}), (CPoint{4, 3}));
    EXPECT_EQ(CPoint{}, (CPoint{0, 0}));
}

TEST(StrokeData, RuntimeClassesAreFixedSchemaOne) {
    EXPECT_EQ(CStrokeData::kRuntimeClass.name, "CStrokeData");
    EXPECT_EQ(CStrokeData::kRuntimeClass.schema, 1);
    EXPECT_FALSE(CStrokeData::kRuntimeClass.versionable);
    EXPECT_EQ(&CStrokeData().GetRuntimeClass(), &CStrokeData::kRuntimeClass);
    EXPECT_EQ(CKanjiStrokes::kRuntimeClass.name, "CKanjiStrokes");
    EXPECT_EQ(CKanjiStrokes::kRuntimeClass.schema, 1);
    EXPECT_FALSE(CKanjiStrokes::kRuntimeClass.versionable);
    EXPECT_EQ(&CKanjiStrokes().GetRuntimeClass(), &CKanjiStrokes::kRuntimeClass);
    EXPECT_NE(dynamic_cast<CStrokeData*>(CStrokeData::kRuntimeClass.create().get()), nullptr);
    EXPECT_NE(dynamic_cast<CKanjiStrokes*>(CKanjiStrokes::kRuntimeClass.create().get()), nullptr);
}

// --- Stroke count and index -----------------------------------------------------------

TEST(StrokeCount, EverySegmentStartingAStrokeCountsOnce) {
    EXPECT_EQ(CKanjiStrokes().StrokeCount(), 0);
    EXPECT_EQ(StrokesOfTypes({1, 2, 3, 4}).StrokeCount(), 4);
    EXPECT_EQ(List({Segment(1, 1), Segment(1, 0), Segment(1, 0)}).StrokeCount(), 1);
    EXPECT_EQ(List({Segment(12, 1), Segment(13, 0), Segment(1, 1), Segment(36, 0)}).StrokeCount(),
              2);
}

TEST(IndexStrokes, GivesFirstSegmentAndLengthOfEachStroke) {
    const CKanjiStrokes strokes =
        List({Segment(1, 1), Segment(12, 1), Segment(13, 0), Segment(3, 1), Segment(15, 1),
              Segment(1, 0), Segment(36, 0)});
    const CKanjiStrokes::StrokeIndex index = strokes.IndexStrokes();
    EXPECT_EQ(index.firstSegment, (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(index.segmentCount, (std::vector<int>{1, 2, 1, 3}));
    EXPECT_EQ(index.boxState, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(index.firstSegment.size(), static_cast<std::size_t>(strokes.StrokeCount()));
}

TEST(IndexStrokes, SegmentsBeforeTheFirstStrokeBelongToNone) {
    const CKanjiStrokes strokes =
        List({Segment(1, 0), Segment(1, 0), Segment(3, 1), Segment(3, 0)});
    const CKanjiStrokes::StrokeIndex index = strokes.IndexStrokes();
    EXPECT_EQ(strokes.StrokeCount(), 1);
    EXPECT_EQ(index.firstSegment, (std::vector<int>{2}));
    EXPECT_EQ(index.segmentCount, (std::vector<int>{2}));
}

TEST(IndexStrokes, ListsWithoutStrokesGiveEmptyArrays) {
    for (const CKanjiStrokes& strokes : {CKanjiStrokes(), List({Segment(8, 0), Segment(9, 0)})}) {
        const CKanjiStrokes::StrokeIndex index = strokes.IndexStrokes();
        EXPECT_TRUE(index.firstSegment.empty());
        EXPECT_TRUE(index.segmentCount.empty());
        EXPECT_TRUE(index.boxState.empty());
    }
}

TEST(IndexStrokes, BoxStateRunsThroughOpenInsideCloseAndReopen) {
    // 0 -> 1 at code 8, -> 2 at any code, -> 3 at code 9, then 1 at code 8 or 0 otherwise.
    EXPECT_EQ(StrokesOfTypes({1, 8, 2, 9, 8, 3, 9, 5}).IndexStrokes().boxState,
              (std::vector<int>{0, 1, 2, 3, 1, 2, 3, 0}));
}

TEST(IndexStrokes, BoxStaysInsideUntilItsClosingCode) {
    EXPECT_EQ(StrokesOfTypes({8, 1, 21, 8, 9, 1}).IndexStrokes().boxState,
              (std::vector<int>{1, 2, 2, 2, 3, 0}));
}

TEST(IndexStrokes, SegmentAfterTheOpeningOneIsInsideWhateverItsCode) {
    // The code 9 right after the opener does not close the box; the next one does.
    EXPECT_EQ(StrokesOfTypes({8, 9, 9, 0}).IndexStrokes().boxState, (std::vector<int>{1, 2, 3, 0}));
}

TEST(IndexStrokes, ContinuationsAlsoDriveTheBoxState) {
    // A stroke's state is the one after its first segment; its continuations move it on.
    const CKanjiStrokes strokes =
        List({Segment(8, 1), Segment(1, 0), Segment(9, 1), Segment(1, 1), Segment(9, 0)});
    EXPECT_EQ(strokes.IndexStrokes().boxState, (std::vector<int>{1, 3, 0}));
    // Segments before the first stroke start move it as well.
    EXPECT_EQ(List({Segment(8, 0), Segment(1, 1)}).IndexStrokes().boxState, (std::vector<int>{2}));
}

// --- Copying --------------------------------------------------------------------------

TEST(StrokeListCopy, CopyIsDeepAndIndependent) {
    const CKanjiStrokes original =
        List({Segment(1, 1, {1, 2}, {3, 4}), Segment(36, 0, {5, 6}, {7, 8})});
    CKanjiStrokes copy(original);
    ASSERT_EQ(copy.Size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_NE(copy.segments[i].get(), original.segments[i].get());
        EXPECT_EQ(Fields(copy[i]), Fields(original[i]));
    }
    copy[0].end.x = 99;
    copy.Append(Segment(2, 1));
    EXPECT_EQ(original[0].end.x, 3);
    EXPECT_EQ(original.Size(), 2u);
}

TEST(StrokeListCopy, AssignmentReplacesTheTargetsSegments) {
    const CKanjiStrokes source =
        List({Segment(8, 1, {1, 1}, {1, 9}), Segment(9, 1, {9, 1}, {9, 9})});
    CKanjiStrokes target = StrokesOfTypes({1, 2, 3});
    EXPECT_EQ(target.Assign(source), 2u);
    EXPECT_EQ(Types(target), (std::vector<int>{8, 9}));
    EXPECT_NE(target.segments[0].get(), source.segments[0].get());
    EXPECT_EQ(target.Assign(CKanjiStrokes()), 0u);
    EXPECT_EQ(target.Size(), 0u);

    CKanjiStrokes assigned = StrokesOfTypes({5});
    assigned = source;
    EXPECT_EQ(Types(assigned), (std::vector<int>{8, 9}));
    EXPECT_EQ(Fields(assigned[1]), Fields(source[1]));
}

TEST(StrokeListCopy, SelfAssignmentKeepsTheList) {
    CKanjiStrokes strokes = List({Segment(1, 1, {1, 2}, {3, 4}), Segment(3, 0, {5, 6}, {7, 8})});
    const CStrokeData* first = strokes.segments[0].get();
    EXPECT_EQ(strokes.Assign(strokes), 2u);
    CKanjiStrokes& alias = strokes;
    strokes = alias;
    ASSERT_EQ(strokes.Size(), 2u);
    EXPECT_EQ(strokes.segments[0].get(), first);
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(5, 6, 7, 8, 3, 0));
}

TEST(StrokeListCopy, MoveHandsOverTheSegments) {
    CKanjiStrokes source = StrokesOfTypes({1, 2});
    const CStrokeData* first = source.segments[0].get();
    CKanjiStrokes moved(std::move(source));
    EXPECT_EQ(moved.segments[0].get(), first);
    CKanjiStrokes target = StrokesOfTypes({7});
    target = std::move(moved);
    EXPECT_EQ(Types(target), (std::vector<int>{1, 2}));
}

TEST(StrokeListCopy, AppendStoresACopyAndReturnsIt) {
    CKanjiStrokes strokes;
    CStrokeData segment = Segment(11, 1, {4, 5}, {6, 7});
    CStrokeData& stored = strokes.Append(segment);
    EXPECT_EQ(&stored, &strokes[0]);
    segment.type = 0;
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(4, 5, 6, 7, 11, 1));
}

// --- Stream form ----------------------------------------------------------------------

TEST(StrokeListStream, ListIsItsCountThenTaggedSegments) {
    CKanjiStrokes strokes =
        List({Segment(8, 1, {10, -2}, {300, 70000}), Segment(36, 0, {-1, 0}, {5, 6})});
    const std::string bytes = Store(strokes);
    const std::string expected =
        Bytes({0x02, 0x00}) + kStrokeDataClass +
        Bytes({0x0A, 0,    0,    0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0,
               0x70, 0x11, 0x01, 0, 0x08, 0,    0,    0,    0x01, 0,    0, 0}) +
        Bytes({0x01, 0x80}) + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0,    0, 0, 0, 0x05, 0, 0, 0,
                                     0x06, 0,    0,    0,    0x24, 0, 0, 0, 0,    0, 0, 0});
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), 2u + kStrokeDataClass.size() + 24u + 2u + 24u);

    CKanjiStrokes loaded = StrokesOfTypes({1, 1, 1});
    EXPECT_EQ(Load(bytes, loaded), 0u);
    ASSERT_EQ(loaded.Size(), 2u);
    EXPECT_EQ(Fields(loaded[0]), Fields(strokes[0]));
    EXPECT_EQ(Fields(loaded[1]), Fields(strokes[1]));
}

TEST(StrokeListStream, EachSegmentBodyIsTwentyFourBytes) {
    CKanjiStrokes strokes =
        List({Segment(0, 1), Segment(kNoType, 0), Segment(37, 1, {INT_MIN, INT_MAX}, {7, -7})});
    const std::string bytes = Store(strokes);
    EXPECT_EQ(bytes, Bytes({0x03, 0x00}) + kStrokeDataClass + SegmentBody(strokes[0]) +
                         Bytes({0x01, 0x80}) + SegmentBody(strokes[1]) + Bytes({0x01, 0x80}) +
                         SegmentBody(strokes[2]));
    CKanjiStrokes loaded;
    Load(bytes, loaded);
    ASSERT_EQ(loaded.Size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Fields(loaded[i]), Fields(strokes[i])) << i;
}

TEST(StrokeListStream, EmptyListIsTwoZeroBytes) {
    CKanjiStrokes empty;
    EXPECT_EQ(Store(empty), Bytes({0, 0}));
    CKanjiStrokes loaded = StrokesOfTypes({1});
    EXPECT_EQ(Load(Bytes({0, 0}), loaded), 0u);
    EXPECT_EQ(loaded.Size(), 0u);
}

TEST(StrokeListStream, NullSegmentFailsTheLoadKeepingWholeSegments) {
    const CStrokeData first = Segment(1, 1, {1, 2}, {3, 4});
    CKanjiStrokes loaded;
    EXPECT_EQ(
        LoadFailure(Bytes({0x02, 0x00}) + kStrokeDataClass + SegmentBody(first) + Bytes({0, 0}),
                    loaded),
        Cause::BadClass);
    ASSERT_EQ(loaded.Size(), 1u);
    ASSERT_NE(loaded.segments[0], nullptr);
    EXPECT_EQ(Fields(loaded[0]), Fields(first));

    CKanjiStrokes onlyNull;
    EXPECT_EQ(LoadFailure(Bytes({0x01, 0x00, 0x00, 0x00}), onlyNull), Cause::BadClass);
    EXPECT_EQ(onlyNull.Size(), 0u);
}

TEST(StrokeListStream, SegmentOfAnotherSchemaFailsTheLoad) {
    const std::string bytes = Bytes({0x01, 0x00, 0xFF, 0xFF, 0x02, 0x00, 0x0B, 0x00}) +
                              "CStrokeData" + SegmentBody(Segment(1, 1));
    CKanjiStrokes loaded;
    EXPECT_EQ(LoadFailure(bytes, loaded), Cause::BadSchema);
}

TEST(StrokeListStream, TruncatedSegmentFailsAsEndOfFile) {
    CKanjiStrokes strokes = StrokesOfTypes({1, 2});
    const std::string bytes = Store(strokes);
    CKanjiStrokes loaded;
    EXPECT_EQ(LoadFailure(bytes.substr(0, bytes.size() - 1), loaded), Cause::EndOfFile);
    EXPECT_EQ(loaded.Size(), 1u);
}

TEST(StrokeListStream, SegmentRepeatedByReferenceFailsTheLoad) {
    // Each segment is owned by its list, so a back-reference to an earlier one is refused.
    const std::string bytes =
        Bytes({0x02, 0x00}) + kStrokeDataClass + SegmentBody(Segment(1, 1)) + Bytes({0x02, 0x00});
    CKanjiStrokes loaded;
    EXPECT_EQ(LoadFailure(bytes, loaded), Cause::BadIndex);
}

}  // namespace
}  // namespace brushly
