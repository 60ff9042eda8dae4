#pragma once

namespace velmarsund {

// The longest texts of the frame and the pages, in characters (UTF-16 code units): several
// times what their place shows, so that nothing typed is cut, and small enough that no text
// holds up the drawing. A header line is shortened at a word end to its box (at most 96 mm, some
// 60 characters), a note line to the notes box (145 mm, some 90 characters); a season caption
// heads a column of the result tables. Requests and selection files refuse longer ones, entry fields take no more.
inline constexpr int kMaxHeaderLineChars = 300;
inline constexpr int kMaxNoteLineChars = 300;
inline constexpr int kMaxCaptionChars = 100;

} // namespace velmarsund
