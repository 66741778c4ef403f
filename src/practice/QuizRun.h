#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "platform/CPrompter.h"
#include "platform/CRandom.h"
#include "platform/FormatText.h"

// What the reading drills (the Flash View and the kana quiz) share about one run through a
// list of cards: the caption, the orders a deck is shuffled in, and the score and questions
// at the end of the list.
namespace brushly {

inline constexpr const char* kRunCaptionFormat = "%s %d of %d cards   (%d missed)";
inline constexpr const char* kRunSummaryFormat = "You answered %d out of %d %scorrectly.";
inline constexpr const char* kRunSummarySkippedFormat =
    "You answered %d out of %d %scorrectly (%d skipped).";
inline constexpr const char* kRunSummaryReviewWords = "missed cards ";
inline constexpr const char* kRunScoreFormat = "Final score of %s.";
inline constexpr const char* kRunReviewOneQuestion = "Review %d missed card?";
inline constexpr const char* kRunReviewManyQuestion = "Review %d missed cards?";
inline constexpr const char* kRunReshuffleQuestion =
    "Finished - would you like to re-shuffle (YES) \nand review these cards again?";
inline constexpr const char* kResetStatQuestion = "Reset this stat?";
inline constexpr const char* kCorrectFeedback = "CORRECT";

// "<prefix> 3 of 10 cards   (1 missed)" for the entry at index `position` (0-based); the
// number shown never exceeds the total.
std::string RunCaption(const std::string& prefix, std::size_t position, std::size_t total,
                       std::size_t missed);

// How a finished list went: its size, the entries missed and skipped, and whether it was a
// review of missed cards.
struct CRunTally {
    int total = 0;
    int missed = 0;
    int skipped = 0;
    bool reviewing = false;
};

enum class RunEnd { kReview, kRestart, kReturn };

// The end of a list: with missed entries asks whether to review them, else (or on No)
// whether to re-shuffle and go again; No returns to the main view. The summary and score
// precede the first question, except in No Quiz mode (noQuiz).
RunEnd AskAtEndOfRun(CPrompter& prompter, const CRunTally& tally, bool noQuiz);

// `passes` passes; in each, for every position j = 1..n, a = PickRandom(n) and the entries at
// j and a are swapped when they differ. An empty deck draws nothing.
template <class Entry>
void SwapShuffle(std::vector<Entry>& deck, int passes, CRandom& random) {
    const int count = static_cast<int>(deck.size());
    if (count == 0) return;
    for (int pass = 0; pass < passes; ++pass) {
        for (int j = 1; j <= count; ++j) {
            const int a = random.PickRandom(count);
            if (a != j) std::swap(deck[j - 1], deck[a - 1]);
        }
    }
}

// Most missed first: ascending right% ((right * 100) div answers, 0 without answers), equal
// right% by descending number of answers, otherwise stable; so entries answered with 0% come
// before entries never answered. counts(entry) gives std::pair{right, wrong}.
template <class Entry, class Counts>
void SortByRecognition(std::vector<Entry>& deck, Counts counts) {
    const auto key = [&counts](const Entry& entry) {
        const auto [right, wrong] = counts(entry);
        const int answers = right + wrong;
        return std::pair{answers == 0 ? 0 : right * 100 / answers, -answers};
    };
    std::stable_sort(deck.begin(), deck.end(), [&key](const Entry& first, const Entry& second) {
        return key(first) < key(second);
    });
}

}  // namespace brushly
