#include "app/tour/TourPages.h"

namespace brushly {

namespace {

constexpr std::array<CTourPage, CGuidedTour::kPageCount> kPages{{
    {"Welcome to the guided tour of Brushly 2.0.",
     "This tour walks you through the program one page at a time. Press NEXT to go on and "
     "BACK to return to the page before.\n\n"
     "As you go, the tour opens each view it talks about in the main window, so you can try "
     "every control while you read. You may use the program as usual while this window is "
     "open; when you open the Draw View yourself, the tour turns to its pages."},
    {"BRUSHLY 2.0 HELP",
     "The Help menu lists the help topics: How to Draw Kanji, Installing Mincho Font, "
     "Adjusting Mouse Settings, EDICT Information and the drawing hints. Help Topics (F1) "
     "opens the help window at How to Draw Kanji.\n\n"
     "This tour is always at hand under Help - Guided Tour (Ctrl+T)."},
    {"What can you do with Brushly?",
     "Brushly keeps your flashcards in Word Groups, stored in a Brushly file (.bly). There "
     "are four kinds of card: Kanji, Compound, Kana Word and Counter.\n\n"
     "Practice reading them in the Flash View, writing them stroke by stroke in the Draw "
     "View, drill hiragana and katakana, look up kanji and words, and let the Flashcard "
     "Builder make Word Groups for you."},
    {"This is the Brushly MAIN VIEW.",
     "The main view is your home page. At the top are the 'Flashcard Tools' and the "
     "'Dictionary Tools'; on the left the 'Flashcard Drills' and the kana rows; on the right "
     "the list of your Word Groups with their number of cards and recognition rates.\n\n"
     "View - Main View (Ctrl+M) or the tool bar brings you back here from any other view."},
    {"MAIN VIEW - Dictionary Tools",
     "'Kanji Search' finds kanji by reading, meaning, stroke count, Shift-JIS code, "
     "reference number or by drawing the kanji. 'Compound Search' searches the word "
     "dictionary built from the EDICT file.\n\n"
     "Both add what you find as a flashcard to the first selected Word Group when you choose "
     "'Add and Exit'."},
    {"MAIN VIEW - Flashcard Builder",
     "'Flashcard Builder' (also Tools - Flashcard Builder) makes Word Groups of kanji and "
     "compound cards for you, by school grade, JLPT level or the index of a reference "
     "book.\n\n"
     "It is the quickest way to start: pick a range, and the new Word Groups appear in the "
     "list."},
    {"MAIN VIEW - Kana",
     "The kana rows on the left show how well you know the hiragana and katakana. 'Read' "
     "starts a kana reading drill, 'Write' a kana writing drill, and the Kana Table 'View' "
     "button opens the kana table.\n\n"
     "The tour visits each of them near its end."},
    {"MAIN VIEW - Menus and Tool Bar",
     "The File menu opens and saves Brushly files; Tools - AutoSave saves your work every "
     "few minutes. View - Vertical Mode writes Japanese from top to bottom and View - "
     "Romaji Mode shows readings in romaji instead of kana.\n\n"
     "Tools - Options sets up every drill, and Tools - Find Flashcard (Ctrl+I) finds a card "
     "in any Word Group."},
    {"MAIN VIEW - Word Groups",
     "The Word Group menu (and the list's context menu) creates, renames, merges, resets and "
     "deletes Word Groups. Select several with Ctrl or Shift and a click, or all with "
     "Select All.\n\n"
     "Double-click a Word Group, or choose Word Group - Edit, to open its word group "
     "view."},
    {"WORD GROUP VIEW",
     "The word group view lists the cards of one Word Group by kind, with their recognition "
     "statistics. Its name and the total number of cards are at the top.\n\n"
     "While it is shown, the Flashcard menu appears in the menu bar with every card "
     "command."},
    {"WORD GROUP VIEW - Editing",
     "The Card Toolbar on the left adds cards: Add Kanji, Add Compound, Add Kana Word and "
     "Add Counter. Double-click a card, or choose Flashcard - Edit, to change it.\n\n"
     "Flashcard - Cut, Copy and Paste, Move to Word Group and Copy to Word Group carry cards "
     "between Word Groups; Move Up and Move Down change their order; Reset Stats clears "
     "a card's statistics."},
    {"WORD GROUP VIEW - Practice",
     "Flashcard - Flash and Flashcard - Draw practise this Word Group alone. A card that is "
     "not active stays out of the drills; Flashcard - Activate All brings every card "
     "back.\n\n"
     "Flashcard - Flashcard Builder (this group) adds generated cards to this Word Group."},
    {"MAIN VIEW - select Flash View",
     "To practise reading, select one or more Word Groups and click 'Practice Reading', or "
     "choose View - Flash View or Flash on the tool bar.\n\n"
     "The tour selects the first Word Group for you when none is selected."},
    {"FLASH VIEW - 'Quiz Modes'",
     "The Flash View has three quiz modes: multiple choice, fill in the blank and no quiz. "
     "'Quiz Mode' on the tool bar switches between them; 'Options' on the tool bar chooses "
     "what is asked in each.\n\n"
     "In multiple choice, click the answer you think is right; in fill in the blank, type "
     "the reading in romaji."},
    {"FLASH VIEW",
     "Without a quiz, decide for yourself: 'Mark Right' or 'Mark Wrong' counts the card, "
     "'Next' moves on without marking. 'More' shows the card's data: readings, reference "
     "numbers, grade, JLPT level and more.\n\n"
     "'Show Missed Flashcards' reviews the cards you missed, 'Shuffle' starts the set "
     "again, and 'Reset' or 'Reset All' clears the statistics."},
    {"FLASH VIEW - Stroke-Order Demonstration",
     "'Show Demonstration' opens the stroke-order demonstration of the card's kanji. Play, "
     "Step, Pause and Restart control the animation."},
    {"FLASH VIEW - Vertical Text",
     "View - Vertical Mode writes the Japanese of the cards from top to bottom, as in many "
     "books; View - Horizontal Mode turns it back.\n\n"
     "View - Romaji Mode and Kana Mode choose how readings are shown."},
    {"MAIN VIEW - select Draw View",
     "To practise writing, select one or more Word Groups and click 'Practice Writing', or "
     "choose View - Draw View or Draw on the tool bar. The Draw View drills the kanji and "
     "counter cards that are found in the kanji database."},
    {"DRAW VIEW",
     "The Draw View shows the reading and meaning of a kanji. Write it in the draw box "
     "with the mouse, one stroke per press of the left button, in the right stroke "
     "order.\n\n"
     "'Next' moves to the next card and 'Shuffle' starts the set again; Draw View Options "
     "sets up the drill."},
    {"DRAW VIEW - Feedback",
     "Each stroke is checked against the database when you release the button. Correct "
     "strokes stay black; incorrect strokes turn red, strokes out of order blue and "
     "strokes that stop short green.\n\n"
     "'Hide Key' on the tool bar shows or hides the key of the feedback colours."},
    {"DRAW VIEW - Feedback 2",
     "Under the draw box, Back (the arrow) takes away your last stroke and Erase (the red "
     "cross) clears the box. 'Fix Order' on the tool bar corrects the strokes drawn out of "
     "order.\n\n"
     "When every stroke is in place the box gets a green frame and the caption reads "
     "\"Kanji is CORRECT\"."},
    {"DRAW VIEW - Kanji Hints",
     "Stuck? Hint (the magenta button under the draw box) draws the next stroke for you, and "
     "Ghost (the first button) shows the whole kanji faintly in the box so you can trace "
     "it.\n\n"
     "'Kanji Drawing hints' above the box explains how to draw well."},
    {"DRAW VIEW - Stroke-Order Demonstration",
     "'Hide Demonstration' on the tool bar shows or hides the stroke-order demonstration "
     "window, which animates the stroke order of the kanji. Play, Step, Pause and Restart "
     "control it."},
    {"DRAW VIEW - Practice",
     "Write every kanji a few times until it comes out correct without hints. At the end "
     "of the set the view offers to shuffle the cards and go through them again.\n\n"
     "'Return to Main View' on the left goes back to the main view."},
    {"MAIN VIEW - select Kana Flash View",
     "Back in the main view: the 'Read' button of the Hiragana or Katakana row starts the "
     "Kana Flash View for that script."},
    {"KANA FLASH VIEW",
     "The Kana Flash View quizzes the kana one at a time, in the quiz modes of the Flash "
     "View. Every answer counts towards the kana statistics of the main view and the kana "
     "table.\n\n"
     "Tools - Options chooses which kana are asked."},
    {"MAIN VIEW - select Kana Draw View",
     "The 'Write' button of the Hiragana or Katakana row starts the Kana Draw View for that "
     "script."},
    {"KANA DRAW VIEW",
     "Write the kana shown, as you write kanji in the Draw View. Kana are checked as whole "
     "curves against their reference strokes, with the same colours, hints and "
     "demonstration."},
    {"MAIN VIEW - almost done",
     "One more view: the Kana Table 'View' button of the main view opens the kana table."},
    {"KANA TABLE VIEW",
     "The kana table shows every kana with how often you recognised it. 'HIRAGANA' at the "
     "top switches to the katakana and back; 'Practice Reading' and 'Practice Writing' "
     "start the drills of the kana shown."},
    {"KANA TABLE VIEW - Statistics",
     "A left click on a kana resets its statistics, as the line above the table says. "
     "Tools - Options chooses what the table shows.\n\n"
     "'Return to Main View' goes back to the main view."},
    {"DONE.  You're ready to go...",
     "That is the whole tour. Make or open some Word Groups, and practise a little every "
     "day.\n\n"
     "Press FINISH to close the tour. Help - Guided Tour (Ctrl+T) brings it back at any "
     "time."},
}};

}  // namespace

const std::array<CTourPage, CGuidedTour::kPageCount>& TourPages() {
    return kPages;
}

}  // namespace brushly
