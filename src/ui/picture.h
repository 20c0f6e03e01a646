#pragma once

namespace morvane::ui {

// The 16 x 16 pictures the buttons carry, one per subject. Each is drawn
// greyed while its button is disabled.
enum class Picture {
  None,
  NewSheet,         // blank sheet of paper with a sparkle
  OpenFolder,       // open yellow folder
  RedCross,         // red cross
  Tools,            // hammer, wrench and screwdriver
  HelpBook,         // closed book with a yellow question mark
  InfoDisc,         // red question mark on a yellow disc
  Printer,          // printer with a sheet
  SheetArrowRight,  // sheet with a red arrow pointing right
  ArrowUp,          // red arrow pointing up
  ArrowDown,        // red arrow pointing down
};

// Where a push button's picture sits beside its caption.
enum class PictureLayout { Left, Top };

}  // namespace morvane::ui
